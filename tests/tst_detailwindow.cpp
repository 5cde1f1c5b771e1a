// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Catalogue.h"
#include "forms/Unit1.h"
#include "forms/Unit16.h"
#include "forms/Unit4.h"
#include "support/FakeServices.h"
#include "support/ModalAnswer.h"
#include "support/TestMain.h"
#include "toolkit/PictureCell.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace numislot;
using namespace Qt::StringLiterals;

namespace {

const QColor Lime(0, 255, 0);
const QColor White(255, 255, 255);

// What the detail window showed while it was open.
struct Seen
{
    bool visible = false;
    bool modal = false;
    QString title;
    QString name;
    QRect frame;
    QStringList hints;
    QList<QSize> pictureSizes;
    QList<QImage> images;
    QList<QColor> markers;
};

// The main window with its detail window and gallery, linked as at start-up.
class Program
{
public:
    Program()
    {
        main = std::make_unique<TForm1>(services);
        gallery = std::make_unique<TForm16>();
        detail = new TForm4(main.get());
        detail->setGallery(gallery.get());
        main->setLinks({ .detail = detail, .gallery = gallery.get() });
    }
    ~Program()
    {
        gallery.reset();
        main.reset();
    }

    bool showMain()
    {
        main->move(120, 80);
        main->show();
        return QTest::qWaitForWindowExposed(main.get());
    }

    // Clicks the issuer's button, notes what the modal window shows, then answers "&Ok".
    Seen open(int issuer)
    {
        Seen seen;
        clickInNextModal(u"Button1"_s, [this, &seen](QWidget* modal) {
            seen.visible = detail->isVisible();
            seen.modal = modal == detail;
            seen.title = detail->windowTitle();
            seen.name = detail->objectName();
            seen.frame = detail->frameGeometry();
            for (int k = 1; k <= 8; ++k) {
                const auto* cell = detail->findChild<toolkit::PictureCell*>(u"Image%1"_s.arg(k));
                seen.hints.append(cell->toolTip());
                seen.pictureSizes.append(cell->picture().size());
                seen.images.append(cell->picture().image());
                const auto* label = detail->findChild<QLabel*>(u"Label%1"_s.arg(k));
                seen.markers.append(label->autoFillBackground() ? label->palette().color(QPalette::Window) : QColor());
            }
        });
        QPushButton* button = main->findChild<QPushButton*>(u"BitBtn%1"_s.arg(catalogue::issuers[issuer].buttonNumber));
        QTest::mouseClick(button, Qt::LeftButton);
        return seen;
    }

    void own(int slot, bool owned) { main->checkBox(slot)->setChecked(owned); }

    FakeServices services;
    std::unique_ptr<TForm1> main;
    std::unique_ptr<TForm16> gallery;
    TForm4* detail = nullptr;
};

} // namespace

// The window as created, before any issuer was shown.
class TestDetailWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_window = std::make_unique<TForm4>(); }
    void cleanup() { m_window.reset(); }

    void windowProperties()
    {
        QCOMPARE(m_window->size(), QSize(690, 173));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags & Qt::WindowTitleHint);
        QVERIFY(!(flags & Qt::WindowSystemMenuHint));
        QVERIFY(!(flags & Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_window->palette().color(QPalette::Window), White);
        QVERIFY(m_window->windowTitle().isEmpty());
        QCOMPARE(m_window->objectName(), u"Form4"_s);
    }

    void okButtonIsTheOnlyFocusableControl()
    {
        const QPushButton* ok = m_window->findChild<QPushButton*>(u"Button1"_s);
        QVERIFY(ok);
        QCOMPARE(ok->text(), u"&Ok"_s);
        QCOMPARE(ok->geometry(), QRect(296, 136, 97, 25));
        for (const QWidget* child : m_window->findChildren<QWidget*>()) {
            if (child != ok)
                QVERIFY2(child->focusPolicy() == Qt::NoFocus, qPrintable(child->objectName()));
        }
    }

    void labels_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::newRow("Label1") << 1 << u"2 €uros"_s << 30;
        QTest::newRow("Label2") << 2 << u"1 €uro"_s << 119;
        QTest::newRow("Label3") << 3 << u"50 cents"_s << 201;
        QTest::newRow("Label4") << 4 << u"20 cents"_s << 290;
        QTest::newRow("Label5") << 5 << u"10 cents"_s << 376;
        QTest::newRow("Label6") << 6 << u"5 cents"_s << 470;
        QTest::newRow("Label7") << 7 << u"2 cents"_s << 555;
        QTest::newRow("Label8") << 8 << u"1 cent"_s << 643;
    }
    void labels()
    {
        QFETCH(int, k);
        QFETCH(QString, caption);
        QFETCH(int, left);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        const QLabel* label = m_window->findChild<QLabel*>(u"Label%1"_s.arg(k));
        QVERIFY(label);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->pos(), QPoint(left, 104));
        QCOMPARE(label->height(), 13);
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(caption));
        QVERIFY(label->geometry().right() < 690);
        QVERIFY(label->autoFillBackground());
    }

    // Each coin's cell stands over its own caption, left to right from 2 € to 1 cent, apart from its
    // neighbours, and empty until an issuer is shown.
    void cellsStandOverTheirCaptions()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        int previousRight = 0;
        for (int k = 1; k <= 8; ++k) {
            const auto* cell = m_window->findChild<toolkit::PictureCell*>(u"Image%1"_s.arg(k));
            const QLabel* caption = m_window->findChild<QLabel*>(u"Label%1"_s.arg(k));
            QVERIFY(cell && caption);
            const QRect area = cell->geometry();
            QVERIFY2(
                area.left() > previousRight && area.width() >= 52 && area.height() >= 53, qPrintable(caption->text()));
            QVERIFY(
                area.left() <= caption->geometry().center().x() && caption->geometry().center().x() <= area.right());
            QVERIFY(area.bottom() < caption->y() && caption->y() - area.bottom() <= 20);
            QVERIFY(m_window->rect().contains(area));
            QVERIFY(cell->picture().isNull());
            QVERIFY(cell->toolTip().isEmpty());
            previousRight = area.right();
        }
    }

private:
    std::unique_ptr<TForm4> m_window;
};

// Which gallery cells and which check boxes an issuer's window shows.
class TestDetailWindowContent : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_program = std::make_unique<Program>();
        QVERIFY(m_program->showMain());
    }
    void cleanup() { m_program.reset(); }

    void cellsAndSlots_data()
    {
        QTest::addColumn<int>("issuer");
        QTest::addColumn<int>("firstCell");
        QTest::addColumn<int>("firstSlot");
        QTest::newRow("Vatican") << catalogue::Vatican << 121 << 105;
        QTest::newRow("Slovenie") << catalogue::Slovenia << 105 << 121;
        QTest::newRow("Monaco") << catalogue::Monaco << 113 << 113;
        QTest::newRow("Grece") << 6 << 49 << 49;
    }
    void cellsAndSlots()
    {
        QFETCH(int, issuer);
        QFETCH(int, firstCell);
        QFETCH(int, firstSlot);
        // The 1 € and 10 cent coins of the issuer, and the neighbouring block's first coin.
        m_program->own(firstSlot + 1, true);
        m_program->own(firstSlot + 4, true);
        m_program->own(firstCell == firstSlot ? firstSlot + 8 : firstCell, true);

        const Seen seen = m_program->open(issuer);
        QVERIFY(seen.visible);
        QVERIFY(seen.modal);
        for (int k = 0; k < 8; ++k) {
            const int cell = firstCell + k;
            QCOMPARE(seen.hints[k], m_program->gallery->cellHint(cell));
            QCOMPARE(seen.pictureSizes[k], m_program->gallery->cellPicture(cell).size());
            QCOMPARE(seen.images[k], m_program->gallery->cellPicture(cell).image());
            QCOMPARE(seen.markers[k], (k == 1 || k == 4) ? Lime : White);
        }
        QVERIFY(!m_program->detail->isVisible());
        QCOMPARE(m_program->detail->result(), int(toolkit::ResultOk));
    }

    void sloveniaShowsItsOwnDesigns()
    {
        const Seen seen = m_program->open(catalogue::Slovenia);
        QCOMPARE(seen.hints.first(), u"France Prešeren"_s);
        QCOMPARE(seen.hints.last(), u"La cigogne"_s);
        const Seen vatican = m_program->open(catalogue::Vatican);
        QCOMPARE(vatican.hints, QStringList(8, u"Le profil gauche du Pape Jean Paul II"_s));
    }

    void markers_data()
    {
        QTest::addColumn<QList<int>>("owned");
        QTest::newRow("none") << QList<int> {};
        QTest::newRow("some") << QList<int> { 0, 3, 7 };
        QTest::newRow("all") << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7 };
    }
    void markers()
    {
        QFETCH(QList<int>, owned);
        const int portugal = 11;
        for (int d : owned)
            m_program->own(catalogue::slotOf(portugal, d), true);
        const Seen seen = m_program->open(portugal);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(seen.markers[k], owned.contains(k) ? Lime : White);
    }

    void titles_data()
    {
        QTest::addColumn<int>("issuer");
        QTest::addColumn<QString>("title");
        QTest::newRow("Grece") << 6 << u"Grece"_s;
        QTest::newRow("PaysBas") << 10 << u"PaysBas"_s;
        QTest::newRow("San_Marin") << 12 << u"San_Marin"_s;
        QTest::newRow("Slovenie") << catalogue::Slovenia << u"Slovenie"_s;
        QTest::newRow("Allemagne") << 0 << u"Allemagne"_s;
    }
    void titles()
    {
        QFETCH(int, issuer);
        QFETCH(QString, title);
        const Seen seen = m_program->open(issuer);
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.name, title);
        // and again after another issuer: the title keeps following the name
        m_program->open(catalogue::Monaco);
        QCOMPARE(m_program->open(issuer).title, title);
    }

    void secondIssuerLeavesNothingOfTheFirst()
    {
        for (int d = 0; d < 8; ++d)
            m_program->own(catalogue::slotOf(catalogue::Vatican, d), true);
        const Seen first = m_program->open(catalogue::Vatican);
        QCOMPARE(first.markers, QList<QColor>(8, Lime));

        const Seen second = m_program->open(1); // Autriche, nothing owned
        QCOMPARE(second.title, u"Autriche"_s);
        QCOMPARE(second.markers, QList<QColor>(8, White));
        const QStringList autriche { u"Bertha von Suttner"_s, u"Mozart"_s, u"Palais de la Sécession"_s, u"Belvédère"_s,
            u"Cathédrale St-Etienne"_s, u"Primevère"_s, u"Edelweiss"_s, u"Gentiane"_s };
        QCOMPARE(second.hints, autriche);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(second.pictureSizes[k], m_program->gallery->cellPicture(9 + k).size());
    }

    void markersFollowTheCollectionAtEachClick()
    {
        m_program->own(catalogue::slotOf(3, 2), true);
        QCOMPARE(m_program->open(3).markers[2], Lime);
        m_program->own(catalogue::slotOf(3, 2), false);
        QCOMPARE(m_program->open(3).markers[2], White);
    }

    void worksWhileTheGalleryWasNeverShown()
    {
        QVERIFY(!m_program->gallery->isVisible());
        QVERIFY(!m_program->gallery->testAttribute(Qt::WA_WState_Created));
        const Seen seen = m_program->open(8); // Italie
        QCOMPARE(seen.hints.first(), u"Dante (3)"_s);
        QCOMPARE(seen.hints.last(), u"Castel del Monte"_s);
        QVERIFY(!m_program->gallery->isVisible());
        QCOMPARE(seen.pictureSizes.first(), QSize(76, 76));
    }

private:
    std::unique_ptr<Program> m_program;
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    return runTestClasses<TestDetailWindowLayout, TestDetailWindowContent>(argc, argv);
}

#include "tst_detailwindow.moc"
