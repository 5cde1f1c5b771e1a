// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Catalogue.h"
#include "catalogue/GalleryLayout.h"
#include "forms/Unit16.h"
#include "forms/Unit6.h"
#include "forms/Unit7.h"
#include "support/FakeServices.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <memory>

using namespace numislot;
using namespace Qt::StringLiterals;

namespace {

template <typename T = QWidget> T* control(const TForm16& gallery, const QString& name)
{
    T* found = gallery.findChild<T*>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}

QRect cellGeometry(const TForm16& gallery, int n)
{
    const QWidget* cell = control(gallery, u"Image%1"_s.arg(n));
    return cell ? cell->geometry() : QRect();
}

} // namespace

// Where the gallery puts its cells, captions, separators and button.
class TestGalleryGeometry : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_gallery = std::make_unique<TForm16>(); }
    void cleanup() { m_gallery.reset(); }

    void windowProperties()
    {
        QCOMPARE(m_gallery->windowTitle(), u"Les €uros"_s);
        QCOMPARE(m_gallery->objectName(), u"Form16"_s);
        const Qt::WindowFlags flags = m_gallery->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(m_gallery->minimumSize() != m_gallery->maximumSize());
        QCOMPARE(m_gallery->pos(), QPoint(174, 166));
        QCOMPARE(m_gallery->viewport()->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(m_gallery->widget()->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(m_gallery->verticalScrollBar()->hasTracking());
    }

    void cells_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Allemagne 2 euro") << 1 << QRect(8, 8, 79, 80);
        QTest::newRow("Allemagne 1 cent") << 8 << QRect(566, 22, 52, 53);
        QTest::newRow("Autriche 1 euro odd height") << 10 << QRect(88, 131, 75, 77);
        QTest::newRow("Belgique 1 euro one pixel short") << 18 << QRect(88, 255, 75, 76);
        QTest::newRow("Saint Marin 1 cent one pixel short") << 104 << QRect(566, 1609, 52, 52);
        QTest::newRow("Finlande 2 euro square") << 33 << QRect(8, 503, 79, 79);
        QTest::newRow("Finlande 20 cent") << 36 << QRect(247, 508, 70, 70);
        QTest::newRow("Italie 2 euro small") << 65 << QRect(8, 992, 76, 76);
        QTest::newRow("Italie 1 euro") << 66 << QRect(88, 994, 75, 76);
        QTest::newRow("Monaco 5 cent") << 118 << QRect(407, 1240, 67, 68);
        QTest::newRow("Pays-Bas 50 cent") << 83 << QRect(167, 1352, 74, 75);
        QTest::newRow("Saint Marin 50 cent") << 99 << QRect(167, 1599, 71, 73);
        QTest::newRow("Vatican 2 euro") << 121 << QRect(8, 1827, 79, 81);
        QTest::newRow("Vatican 2 cent") << 127 << QRect(486, 1838, 58, 59);
        QTest::newRow("Vatican 1 cent off column") << 128 << QRect(565, 1841, 52, 52);
        QTest::newRow("Slovenie 2 euro off the grid") << 105 << QRect(17, 1721, 73, 74);
        QTest::newRow("Slovenie 1 cent cut short") << 112 << QRect(552, 1737, 52, 48);
    }
    void cells()
    {
        QFETCH(int, cell);
        QFETCH(QRect, geometry);
        QCOMPARE(cellGeometry(*m_gallery, cell), geometry);
    }

    // Each issuer's eight coins in one band, in display order down the gallery, each band right above
    // its issuer's caption: a row at the wrong height would stand over another issuer's name.
    void rowsStandAboveTheirCaptions()
    {
        m_gallery->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_gallery.get()));
        const QList<QLabel*> labels = m_gallery->widget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        int previousCaptionBottom = -1;
        for (int row = 0; row < catalogue::IssuerCount; ++row) {
            const int issuer = catalogue::issuerAtRow(row);
            QRect band;
            for (int denomination = 0; denomination < catalogue::DenominationCount; ++denomination)
                band |= cellGeometry(*m_gallery, catalogue::galleryCellOfSlot(catalogue::slotOf(issuer, denomination)));
            QString name = QString::fromUtf8(catalogue::issuers[issuer].name.data());
            if (name == u"San Marin")
                name = u"Saint Marin"_s; // the gallery's own spelling
            QVERIFY2(band.height() <= 82 && band.top() > previousCaptionBottom, qPrintable(name));

            const QLabel* caption = nullptr;
            for (const QLabel* label : labels) {
                if (label->y() > band.center().y() && (!caption || label->y() < caption->y()))
                    caption = label;
            }
            QVERIFY2(caption, qPrintable(name));
            QCOMPARE(caption->text(), name);
            QVERIFY2(caption->y() - band.bottom() <= 8, qPrintable(name));
            previousCaptionBottom = caption->geometry().bottom();
        }
    }

    // Smaller coins line up on the middle line of their row; the 2 € cell is the row top.
    void cellsShareTheirRowsMiddleLine()
    {
        for (int cell = 1; cell <= catalogue::SlotCount; ++cell) {
            if ((cell - 1) % 8 == 0)
                continue;
            const int firstOfRow = cell - (cell - 1) % 8;
            const int middle = cellGeometry(*m_gallery, firstOfRow).top() + 40;
            const QRect geometry = cellGeometry(*m_gallery, cell);
            const int centreTwice = 2 * geometry.top() + geometry.height();
            QVERIFY2(std::abs(centreTwice - 2 * middle) <= 2, qPrintable(u"Image%1"_s.arg(cell)));
        }
    }

    void noCellOverlapsAnotherControl()
    {
        // The captions take their widths when the gallery first shows.
        m_gallery->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_gallery.get()));
        const QList<QWidget*> controls = m_gallery->widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 128 + 16 + 15 + 1);
        for (int i = 0; i < controls.size(); ++i) {
            for (int j = i + 1; j < controls.size(); ++j) {
                if (controls[i]->objectName() == u"Button1" || controls[j]->objectName() == u"Button1")
                    continue; // the print button floats over the rows by design
                QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                    qPrintable(controls[i]->objectName() + u" / "_s + controls[j]->objectName()));
            }
        }
    }

    void captions_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("top");
        QTest::newRow("Label1") << 1 << u"Allemagne"_s << 88;
        QTest::newRow("Label2") << 2 << u"Autriche"_s << 212;
        QTest::newRow("Label7") << 7 << u"Grèce"_s << 830;
        QTest::newRow("Label10") << 10 << u"Luxembourg"_s << 1193;
        QTest::newRow("Label11") << 11 << u"Pays-Bas"_s << 1428;
        QTest::newRow("Label13 gallery's own name") << 13 << u"Saint Marin"_s << 1675;
        QTest::newRow("Label14 Slovenie") << 14 << u"Slovénie"_s << 1799;
        QTest::newRow("Label15 Monaco") << 15 << u"Monaco"_s << 1313;
        QTest::newRow("Label16 Vatican") << 16 << u"Vatican"_s << 1907;
    }
    void captions()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QFETCH(int, top);
        m_gallery->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_gallery.get()));
        const QLabel* label = control<QLabel>(*m_gallery, u"Label%1"_s.arg(number));
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->y(), top);
        QCOMPARE(label->height(), 13);
        QVERIFY(std::abs(2 * label->x() + label->width() - 2 * 312) <= 1);
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(text));
        QVERIFY(label->toolTip().isEmpty());
    }

    void separators_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("GroupBox1") << 1 << QPoint(8, 101);
        QTest::newRow("GroupBox4") << 4 << QPoint(8, 475);
        QTest::newRow("GroupBox10") << 10 << QPoint(8, 1208);
        QTest::newRow("GroupBox11") << 11 << QPoint(8, 1442);
        QTest::newRow("GroupBox14") << 14 << QPoint(8, 1814);
        QTest::newRow("GroupBox15 after Monaco at 0") << 15 << QPoint(0, 1326);
    }
    void separators()
    {
        QFETCH(int, number);
        QFETCH(QPoint, position);
        const QGroupBox* separator = control<QGroupBox>(*m_gallery, u"GroupBox%1"_s.arg(number));
        QVERIFY(separator);
        QCOMPARE(separator->geometry(), QRect(position, QSize(609, 9)));
        QVERIFY(separator->title().isEmpty());
    }

    void printButtonAndContentExtent()
    {
        const QPushButton* button = control<QPushButton>(*m_gallery, u"Button1"_s);
        QVERIFY(button);
        QCOMPARE(button->text(), u"Imprimer"_s);
        QCOMPARE(button->geometry(), QRect(536, 379, 81, 33));
        QVERIFY(!m_gallery->findChild<QGroupBox*>(u"GroupBox16"_s));
        QCOMPARE(m_gallery->widget()->minimumHeight(), 1920);
        QCOMPARE(m_gallery->widget()->maximumHeight(), 1920);
    }

private:
    std::unique_ptr<TForm16> m_gallery;
};

// The design names that every reader of the cells copies.
class TestGalleryHints : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_gallery = std::make_unique<TForm16>(); }
    void cleanupTestCase() { m_gallery.reset(); }

    void hints_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("hint");
        QTest::newRow("Allemagne 1 euro") << 2 << u"Aigle"_s;
        QTest::newRow("Allemagne 5 cent") << 6 << u"Branche de chêne"_s;
        QTest::newRow("Autriche 20 cent") << 12 << u"Belvédère"_s;
        QTest::newRow("Belgique 1 cent") << 24 << u"Albert II"_s;
        QTest::newRow("Espagne 50 cent") << 27 << u"Cervantès"_s;
        QTest::newRow("Finlande 2 euro") << 33 << u"Baie et fleur de mûrier"_s;
        QTest::newRow("France 10 cent") << 45 << u"Semeuse"_s;
        QTest::newRow("Grece 2 euro") << 49 << u"L'enlèvement d'Europe"_s;
        QTest::newRow("Irlande 2 cent") << 63 << u"Harpe celtique"_s;
        QTest::newRow("Italie 10 cent") << 69 << u"La Naissance de Vénus (1)"_s;
        QTest::newRow("Luxembourg 20 cent") << 76 << u"Grand-duc Henri"_s;
        QTest::newRow("Pays-Bas 2 euro") << 81 << u"Béatrix"_s;
        QTest::newRow("Portugal 1 cent") << 96 << u"Le premier sceau royal de 1134"_s;
        QTest::newRow("San Marin 2 cent") << 103 << u"La statue de la liberté sur le Piazza della Liberta"_s;
        QTest::newRow("Slovenie 2 euro in Image105") << 105 << u"France Prešeren"_s;
        QTest::newRow("Slovenie 10 cent in Image109") << 109 << u"La cathédrale de la liberté"_s;
        QTest::newRow("Slovenie 1 cent in Image112") << 112 << u"La cigogne"_s;
        QTest::newRow("Monaco 1 euro") << 114 << u"Le Prince souverain Rainier III et le Prince héréditaire Albert"_s;
        QTest::newRow("Monaco 1 cent") << 120 << u"Les armes des Grimaldi"_s;
        QTest::newRow("Vatican in Image121") << 121 << u"Le profil gauche du Pape Jean Paul II"_s;
        QTest::newRow("Vatican in Image128") << 128 << u"Le profil gauche du Pape Jean Paul II"_s;
    }
    void hints()
    {
        QFETCH(int, cell);
        QFETCH(QString, hint);
        QCOMPARE(m_gallery->cellHint(cell), hint);
        QCOMPARE(control(*m_gallery, u"Image%1"_s.arg(cell))->toolTip(), hint);
    }

    void outOfRangeCellsReadAsEmpty()
    {
        QVERIFY(!m_gallery->cell(0));
        QVERIFY(!m_gallery->cell(129));
        QVERIFY(m_gallery->cellHint(129).isEmpty());
        QVERIFY(m_gallery->cellPicture(0).isNull());
    }

    // Every cell holds its embedded picture and is as large as it, less the bottom row of the cells
    // drawn one pixel short; the Slovénie row has sizes of its own.
    void cellsHoldTheirPictures()
    {
        int shortCells = 0;
        for (int cell = 1; cell <= catalogue::SlotCount; ++cell) {
            const toolkit::Picture picture = m_gallery->cellPicture(cell);
            QVERIFY2(!picture.isNull(), qPrintable(u"Image%1"_s.arg(cell)));
            if (cell >= catalogue::GallerySloveniaFirstCell
                && cell < catalogue::GallerySloveniaFirstCell + catalogue::DenominationCount)
                continue;
            const bool isShort = catalogue::isGalleryShortCell(cell);
            shortCells += isShort ? 1 : 0;
            const QSize expected = picture.size() - QSize(0, isShort ? 1 : 0);
            QVERIFY2(cellGeometry(*m_gallery, cell).size() == expected, qPrintable(u"Image%1"_s.arg(cell)));
        }
        QCOMPARE(shortCells, 11);
        QCOMPARE(m_gallery->cellPicture(18).size(), QSize(75, 77));
        QCOMPARE(m_gallery->cellPicture(105).size(), QSize(71, 70));
        QCOMPARE(m_gallery->cellPicture(121).size(), QSize(79, 81));
    }

private:
    std::unique_ptr<TForm16> m_gallery;
};

// Button3Click and Lesuros1Click, the close box and what persists.
class TestGalleryShowing : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_main = std::make_unique<QWidget>();
        m_main->setGeometry(300, 200, 700, 560);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
        m_gallery = std::make_unique<TForm16>();
        m_gallery->setMainWindow(m_main.get());
        m_gallery->installEventFilter(this);
        m_raises = 0;
    }
    void cleanup()
    {
        m_gallery.reset();
        m_main.reset();
    }

    void firstMenuShowAtItsFirstPlace()
    {
        m_gallery->showInPlace();
        QVERIFY(QTest::qWaitForWindowExposed(m_gallery.get()));
        QCOMPARE(m_gallery->frameGeometry().topLeft(), QPoint(174, 166));
    }

    // The end of the content: the Portugal caption down to Vatican.
    void firstShowDisplaysTheEndOfTheContent()
    {
        m_gallery->showInPlace();
        QVERIFY(QTest::qWaitForWindowExposed(m_gallery.get()));
        QScrollBar* bar = m_gallery->verticalScrollBar();
        QCOMPARE(bar->maximum() + m_gallery->viewport()->height(), 1920);
        QCOMPARE(bar->value(), bar->maximum());
        if (m_gallery->frameGeometry().size() == m_gallery->size())
            QCOMPARE(bar->value(), 1483); // no frame drawn: the original client height applies
        else
            QCOMPARE(m_gallery->frameGeometry().size(), QSize(649, 464));
        QVERIFY(!m_gallery->horizontalScrollBar()->isVisible());
    }

    void buttonShowCentresOverTheMainWindow()
    {
        m_gallery->showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(m_gallery.get()));
        const QRect main = m_main->frameGeometry();
        const QRect outer = m_gallery->frameGeometry();
        QCOMPARE(outer.left(), main.left() + (main.width() - outer.width()) / 2);
        QCOMPARE(outer.top(), main.top() + (main.height() - outer.height()) / 2);
        QVERIFY(m_raises > 0);
    }

    void menuShowOnAnOpenGalleryChangesNothing()
    {
        m_gallery->showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(m_gallery.get()));
        m_gallery->move(40, 30);
        QTRY_COMPARE(m_gallery->pos(), QPoint(40, 30));
        m_main->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), m_main.get());
        m_raises = 0;

        m_gallery->showInPlace();
        QCOMPARE(m_gallery->pos(), QPoint(40, 30));
        QCOMPARE(m_raises, 0);
        QCOMPARE(QApplication::activeWindow(), m_main.get());

        // while the button brings it back to the centre, in front
        m_main->move(m_main->pos() + QPoint(33, 17));
        m_gallery->showCentred();
        const QRect main = m_main->frameGeometry();
        QCOMPARE(m_gallery->pos().x(), main.left() + (main.width() - m_gallery->frameGeometry().width()) / 2);
        QVERIFY(m_raises > 0);
        QTRY_COMPARE(QApplication::activeWindow(), m_gallery.get());
    }

    void closeHidesAndKeepsScrollAndPlace()
    {
        m_gallery->showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(m_gallery.get()));
        m_gallery->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        const int scrolled = m_gallery->verticalScrollBar()->value();
        QVERIFY(scrolled < m_gallery->verticalScrollBar()->maximum());
        m_gallery->move(60, 50);
        QTRY_COMPARE(m_gallery->pos(), QPoint(60, 50));

        QVERIFY(m_gallery->close());
        QVERIFY(!m_gallery->isVisible());
        QCOMPARE(m_gallery->cellHint(1), u"Aigle"_s);

        m_gallery->showInPlace();
        QVERIFY(QTest::qWaitForWindowExposed(m_gallery.get()));
        QCOMPARE(m_gallery->pos(), QPoint(60, 50));
        QCOMPARE(m_gallery->verticalScrollBar()->value(), scrolled);
    }

    void scrollRangeEndsAtTheContentAfterAResize()
    {
        m_gallery->showInPlace();
        QVERIFY(QTest::qWaitForWindowExposed(m_gallery.get()));
        m_gallery->resize(500, 300);
        QTRY_COMPARE(m_gallery->viewport()->height() + m_gallery->verticalScrollBar()->maximum(), 1920);
        m_gallery->verticalScrollBar()->setValue(0);
        QCOMPARE(m_gallery->widget()->y(), 0);
        m_gallery->verticalScrollBar()->setValue(m_gallery->verticalScrollBar()->maximum());
        const QWidget* vatican = control(*m_gallery, u"Label16"_s);
        QCOMPARE(
            vatican->mapTo(m_gallery->viewport(), QPoint(0, vatican->height())).y(), m_gallery->viewport()->height());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_gallery.get() && event->type() == QEvent::ZOrderChange)
            ++m_raises;
        return QObject::eventFilter(watched, event);
    }

private:
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<TForm16> m_gallery;
    int m_raises = 0;
};

// FormMouseMove: only a move over the background brings the print button back into view.
class TestPrintButtonAnchor : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_gallery = std::make_unique<TForm16>();
        m_gallery->showInPlace();
        QVERIFY(QTest::qWaitForWindowExposed(m_gallery.get()));
        m_button = control<QPushButton>(*m_gallery, u"Button1"_s);
        QVERIFY(m_button);
    }
    void cleanup() { m_gallery.reset(); }

    // At the first show the button is still at content 379, scrolled out of view with the Allemagne row.
    void scrollingCarriesTheButtonWithTheContent()
    {
        QCOMPARE(m_button->y(), 379);
        const QRect inViewport(m_button->mapTo(m_gallery->viewport(), QPoint()), m_button->size());
        QCOMPARE(inViewport.top(), 379 - m_gallery->verticalScrollBar()->value());
        QVERIFY(!m_gallery->viewport()->rect().intersects(inViewport));
    }

    void moveOverTheBackground()
    {
        QScrollBar* bar = m_gallery->verticalScrollBar();
        const int value = bar->value();
        // Between the Portugal caption and its separator, right of the caption: no control there.
        moveOverContent(QPoint(20, 1556));
        QTRY_COMPARE(m_button->y(), value + 379);
        QCOMPARE(m_button->x(), 536);

        bar->setValue(0);
        moveOverContent(QPoint(20, 118));
        QTRY_COMPARE(m_button->y(), 379);
    }

    void moveOverControlsLeavesTheButton_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("dragging");
        QTest::newRow("picture") << u"Image97"_s << false;
        QTest::newRow("Slovenie picture") << u"Image105"_s << false;
        QTest::newRow("caption") << u"Label12"_s << false;
        QTest::newRow("separator") << u"GroupBox13"_s << false;
        // A move with a button held is offered to the parent when the control ignores it.
        QTest::newRow("dragging over a picture") << u"Image97"_s << true;
        QTest::newRow("dragging over a caption") << u"Label12"_s << true;
        QTest::newRow("dragging over a separator") << u"GroupBox13"_s << true;
    }
    void moveOverControlsLeavesTheButton()
    {
        QFETCH(QString, name);
        QFETCH(bool, dragging);
        QWidget* target = control(*m_gallery, name);
        QVERIFY(target);
        QVERIFY(m_gallery->viewport()->rect().contains(target->mapTo(m_gallery->viewport(), QPoint(2, 2))));
        if (dragging)
            QTest::mousePress(target, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseMove(target, QPoint(3, 3));
        QTest::mouseMove(target, QPoint(4, 4));
        if (dragging)
            QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(4, 4));
        // A later move over the background proves that moves do arrive.
        QCOMPARE(m_button->y(), 379);
        moveOverContent(QPoint(20, 1556));
        QTRY_COMPARE(m_button->y(), m_gallery->verticalScrollBar()->value() + 379);
    }

    void moveOverTheButtonLeavesIt()
    {
        moveOverContent(QPoint(20, 1556));
        const int anchored = m_gallery->verticalScrollBar()->value() + 379;
        QTRY_COMPARE(m_button->y(), anchored);
        m_gallery->verticalScrollBar()->setValue(m_gallery->verticalScrollBar()->value() - 20);
        QTest::mouseMove(m_button, QPoint(5, 5));
        QTest::mouseMove(m_button, QPoint(6, 6));
        QCOMPARE(m_button->y(), anchored);
    }

    // The wheel scrolls the gallery wherever the pointer rests, pictures and captions included.
    void wheelScrollsOverEveryControl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("background") << u"GalleryContent"_s;
        QTest::newRow("picture") << u"Image97"_s;
        QTest::newRow("caption") << u"Label12"_s;
        QTest::newRow("separator") << u"GroupBox13"_s;
    }
    void wheelScrollsOverEveryControl()
    {
        QFETCH(QString, name);
        QWidget* target = name == u"GalleryContent" ? m_gallery->widget() : control(*m_gallery, name);
        QVERIFY(target);
        const QPoint local = name == u"GalleryContent" ? QPoint(20, 1556) : QPoint(3, 3);
        const int before = m_gallery->verticalScrollBar()->value();
        QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        QApplication::instance()->notify(target, &wheel);
        QVERIFY(m_gallery->verticalScrollBar()->value() < before);
    }

private:
    void moveOverContent(QPoint contentPoint)
    {
        QWidget* content = m_gallery->widget();
        QCOMPARE(content->childAt(contentPoint), nullptr);
        QTest::mouseMove(content, contentPoint);
        QTest::mouseMove(content, contentPoint + QPoint(1, 0));
    }

    std::unique_ptr<TForm16> m_gallery;
    QPushButton* m_button = nullptr;
};

// "Imprimer" runs the catalogue print, which starts with the print dialog.
class TestGalleryPrintButton : public QObject
{
    Q_OBJECT

private slots:
    void clickAsksForAPrinter()
    {
        FakeServices services;
        TForm16 gallery;
        TForm7 page2;
        TForm6 page1(services);
        page1.setPages(&page2, &gallery);
        gallery.setPrintPages(&page1);
        gallery.showInPlace();
        QVERIFY(QTest::qWaitForWindowExposed(&gallery));
        gallery.verticalScrollBar()->setValue(0);

        QTest::mouseClick(control<QPushButton>(gallery, u"Button1"_s), Qt::LeftButton);
        QCOMPARE(services.printDialogs, 1);
        QVERIFY(gallery.isVisible());
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    return runTestClasses<TestGalleryGeometry, TestGalleryHints, TestGalleryShowing, TestPrintButtonAnchor,
        TestGalleryPrintButton>(argc, argv);
}

#include "tst_gallery.moc"
