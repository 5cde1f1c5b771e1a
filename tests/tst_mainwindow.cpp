// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Catalogue.h"
#include "forms/Unit1.h"
#include "support/FakeServices.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTextEdit>
#include <memory>

using namespace numislot;
using namespace Qt::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowIsFixedWithItsClientArea();
    void controlsAtTheirPlaces_data();
    void controlsAtTheirPlaces();
    void issuerLabelsEndAtTheGrid();
    void hints_data();
    void hints();
    void boxesNamedForScreenReaders();
    void menuItems_data();
    void menuItems();
    void tabWalksGridThenButtons();
    void arrowsFollowTheTabChain_data();
    void arrowsFollowTheTabChain();
    void richEditNeverShows();

private:
    FakeServices m_services;
    std::unique_ptr<TForm1> m_form;
};

void TestMainWindow::init()
{
    m_form = std::make_unique<TForm1>(m_services);
}

void TestMainWindow::cleanup()
{
    m_form.reset();
}

void TestMainWindow::windowIsFixedWithItsClientArea()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QCOMPARE(m_form->centralWidget()->size(), QSize(690, 525));
    QCOMPARE(m_form->centralWidget()->y(), m_form->menuBar()->height());
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_form->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(m_form->windowTitle(), u"Numislot par QVT"_s);
}

void TestMainWindow::controlsAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("GroupBox1") << u"GroupBox1"_s << QRect(104, 65, 479, 416);
    QTest::newRow("GroupBox2") << u"GroupBox2"_s << QRect(608, 8, 65, 49);
    QTest::newRow("Button1") << u"Button1"_s << QRect(434, 488, 94, 33);
    QTest::newRow("Button2") << u"Button2"_s << QRect(161, 488, 94, 33);
    QTest::newRow("Button3") << u"Button3"_s << QRect(298, 488, 94, 33);
    QTest::newRow("CheckBox1") << u"CheckBox1"_s << QRect(112, 77, 13, 17);
    QTest::newRow("CheckBox59 taller") << u"CheckBox59"_s << QRect(240, 252, 13, 18);
    QTest::newRow("CheckBox113 Monaco row") << u"CheckBox113"_s << QRect(112, 327, 13, 17);
    QTest::newRow("CheckBox128") << u"CheckBox128"_s << QRect(560, 427, 13, 17);
    QTest::newRow("BitBtn15 Monaco") << u"BitBtn15"_s << QRect(608, 323, 65, 25);
    QTest::newRow("BitBtn16 Slovenie") << u"BitBtn16"_s << QRect(608, 423, 65, 25);
    QTest::newRow("BitBtn14 Vatican") << u"BitBtn14"_s << QRect(608, 448, 65, 25);
    QTest::newRow("BitBtn11 Pays-Bas") << u"BitBtn11"_s << QRect(608, 348, 65, 25);
    QTest::newRow("Label15 Monaco one lower") << u"Label15"_s << QRect(QPoint(0, 330), QSize());
    QTest::newRow("Label19 Slovenie") << u"Label19"_s << QRect(QPoint(0, 429), QSize());
    QTest::newRow("Label7 Grece") << u"Label7"_s << QRect(QPoint(0, 229), QSize());
    QTest::newRow("Image8, 2 euro") << u"Image8"_s << QRect(89, 0, 64, 65);
    QTest::newRow("Image1, 1 cent") << u"Image1"_s << QRect(554, 23, 42, 42);
}

void TestMainWindow::controlsAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    const QWidget* client = m_form->centralWidget();
    auto* widget = client->findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    // An empty rectangle names only the top: the issuer labels' left and width follow their text.
    if (geometry.isEmpty()) {
        QCOMPARE(widget->mapTo(client, QPoint(0, 0)).y(), geometry.y());
    } else if (qobject_cast<QCheckBox*>(widget)) {
        // A box takes what its style's indicator needs from its designed place, never less.
        QCOMPARE(widget->mapTo(client, QPoint(0, 0)), geometry.topLeft());
        QVERIFY(widget->width() >= geometry.width() && widget->height() >= geometry.height());
    } else
        QCOMPARE(QRect(widget->mapTo(client, QPoint(0, 0)), widget->size()), geometry);
}

void TestMainWindow::issuerLabelsEndAtTheGrid()
{
    for (int issuer = 0; issuer < catalogue::IssuerCount; ++issuer) {
        const auto& info = catalogue::issuers[issuer];
        auto* label = m_form->findChild<QLabel*>(u"Label%1"_s.arg(info.labelNumber));
        QVERIFY(label);
        QCOMPARE(label->text(), QString::fromUtf8(info.name.data(), qsizetype(info.name.size())));
        QCOMPARE(label->x() + label->width(), 81);
        // The whole name is visible.
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
        // Level with its own issuer's boxes.
        const QCheckBox* box = m_form->checkBox(catalogue::slotOf(issuer, 0));
        const int boxMiddle = box->mapTo(m_form->centralWidget(), box->rect().center()).y();
        QVERIFY2(std::abs(label->geometry().center().y() - boxMiddle) <= 3, qPrintable(label->text()));
    }
}

void TestMainWindow::hints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::newRow("BitBtn1") << u"BitBtn1"_s << u"Voir les €uros de l'Allemagne"_s;
    QTest::newRow("BitBtn7 keeps its wording") << u"BitBtn7"_s << u"Voir les €uros de le Grèce"_s;
    QTest::newRow("BitBtn11") << u"BitBtn11"_s << u"Voir les €uros des Pays-Bas"_s;
    QTest::newRow("BitBtn12") << u"BitBtn12"_s << u"Voir les €uros du Portugal"_s;
    QTest::newRow("BitBtn13 none") << u"BitBtn13"_s << QString();
    QTest::newRow("BitBtn14 none") << u"BitBtn14"_s << QString();
    QTest::newRow("BitBtn15 none") << u"BitBtn15"_s << QString();
    QTest::newRow("BitBtn16 none") << u"BitBtn16"_s << QString();
    QTest::newRow("Button1") << u"Button1"_s << u"Quitter ?"_s;
    QTest::newRow("Button2") << u"Button2"_s << u"Ouvrir une collection éxistante"_s;
    QTest::newRow("Button3") << u"Button3"_s << u"Voir les €uros des 12 pays"_s;
    QTest::newRow("CheckBox120") << u"CheckBox120"_s << u"1 Centime d' € Monegasques"_s;
    QTest::newRow("CheckBox34") << u"CheckBox34"_s << u"1 € Finlandai"_s;
    QTest::newRow("GroupBox1 none") << u"GroupBox1"_s << QString();
}

void TestMainWindow::hints()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    auto* widget = m_form->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->toolTip(), hint);
}

void TestMainWindow::boxesNamedForScreenReaders()
{
    const auto hintOf = [](int slot) { return QString::fromStdString(catalogue::coinHint(slot)); };
    // A screen reader that connects after start-up hears the coins' names.
    QAccessible::setActive(true);
    const auto inactive = qScopeGuard([] { QAccessible::setActive(false); });
    for (int slot : { 1, 34, 120, 128 }) {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(m_form->checkBox(slot));
        QVERIFY(box);
        QCOMPARE(box->text(QAccessible::Name), hintOf(slot));
    }
    // Each issuer's row of boxes carries the issuer's name.
    QCOMPARE(m_form->checkBox(120)->parentWidget()->accessibleName(), u"Monaco"_s);
    QCOMPARE(m_form->checkBox(1)->parentWidget()->accessibleName(), u"Allemagne"_s);
    // Named once; a later reader finds the same names.
    QAccessible::setActive(false);
    QAccessible::setActive(true);
    QCOMPARE(m_form->checkBox(120)->accessibleName(), hintOf(120));
}

void TestMainWindow::menuItems_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("Fichier1") << u"Fichier1"_s
                              << QStringList { u"&Ouvrir"_s, u"&Sauvegarder"_s, u"L&es €uros"_s, u"&Imprimer"_s,
                                     u"&Quitter"_s };
    QTest::newRow("Imprimer1") << u"Imprimer1"_s << QStringList { u"Tous les €uros"_s, u"Mes €uros"_s };
    QTest::newRow("Aide1") << u"Aide1"_s << QStringList { u"A Propos"_s };
}

void TestMainWindow::menuItems()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    auto* widget = m_form->findChild<QMenu*>(menu);
    QVERIFY(widget);
    QStringList texts;
    for (const QAction* action : widget->actions()) {
        QVERIFY(action->isEnabled() && action->isVisible());
        QVERIFY(action->shortcut().isEmpty());
        texts.append(action->text());
    }
    QCOMPARE(texts, items);
    const QStringList bar { u"&Fichier"_s, u"&?"_s };
    QStringList barTexts;
    for (const QAction* action : m_form->menuBar()->actions())
        barTexts.append(action->text());
    QCOMPARE(barTexts, bar);
}

void TestMainWindow::tabWalksGridThenButtons()
{
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    m_form->checkBox(1)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), m_form->checkBox(1));

    QStringList expected;
    for (int row = 0; row < catalogue::IssuerCount; ++row) {
        const int issuer = catalogue::issuerAtRow(row);
        for (int denomination = 0; denomination < catalogue::DenominationCount; ++denomination)
            expected.append(u"CheckBox%1"_s.arg(catalogue::slotOf(issuer, denomination)));
    }
    expected << u"Button1"_s << u"Button2"_s;
    for (int n = 1; n <= 12; ++n)
        expected << u"BitBtn%1"_s.arg(n);
    expected << u"Button3"_s << u"BitBtn13"_s << u"BitBtn14"_s << u"BitBtn15"_s << u"BitBtn16"_s << u"CheckBox1"_s;

    QStringList walked { QApplication::focusWidget()->objectName() };
    for (qsizetype step = 1; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(walked, expected);
}

void TestMainWindow::arrowsFollowTheTabChain_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("forward");
    QTest::newRow("Right") << int(Qt::Key_Right) << true;
    QTest::newRow("Down") << int(Qt::Key_Down) << true;
    QTest::newRow("Left") << int(Qt::Key_Left) << false;
    QTest::newRow("Up") << int(Qt::Key_Up) << false;
}

// As on any lone check box: the arrows step along the tab chain, never across the grid by position.
void TestMainWindow::arrowsFollowTheTabChain()
{
    QFETCH(int, key);
    QFETCH(bool, forward);
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    // Espagne's 50 cents: in the middle of the grid, with boxes all around it.
    QCheckBox* start = m_form->checkBox(catalogue::slotOf(3, 2));
    start->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), start);
    QTest::keyClick(start, forward ? Qt::Key_Tab : Qt::Key_Backtab);
    QWidget* byTab = QApplication::focusWidget();
    QVERIFY(byTab != start);
    start->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), start);
    QTest::keyClick(start, Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), byTab);
    QVERIFY(!start->isChecked());
}

void TestMainWindow::richEditNeverShows()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QTextEdit* edit = m_form->richEdit();
    QCOMPARE(edit->objectName(), u"RichEdit1"_s);
    QVERIFY(!edit->isVisible());
    QCOMPARE(edit->font().pixelSize(), 19);
    QCOMPARE(edit->geometry(), QRect(8, 488, 25, 25));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
