// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Unit1.h"
#include "support/FakeServices.h"
#include "support/Palettes.h"
#include "toolkit/Colours.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <memory>

using namespace numislot;
using namespace Qt::StringLiterals;

namespace {
const QColor Lime(0x00, 0xFF, 0x00);
const QColor DarkGreen(0x00, 0x80, 0x00);
const QColor LightGreen(0x90, 0xEE, 0x90);
const QColor Black(Qt::black);
} // namespace

// The completion display follows every change of a coin box, whoever makes it. The colours are
// checked under a desktop palette whose roles all differ (see support/Palettes.h).
class TestCompletion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setPalette(lightPalette()); }
    void init();
    void cleanup();
    void eighthCoinMarksIssuer_data();
    void eighthCoinMarksIssuer();
    void changesByMouseAndKeyboard();
    void settingTheSameStateRunsNothing();
    void checkThenUncheckKeepsCountAndModifies();
    void fullCollection();
    void labelsStartInTheWindowColour();
    void marksReadOnADarkButtonFace();
    void screenReadersHearWhatColoursShow();

private:
    QLabel* label(int number) const { return m_form->findChild<QLabel*>(u"Label%1"_s.arg(number)); }
    QPushButton* button(int number) const { return m_form->findChild<QPushButton*>(u"BitBtn%1"_s.arg(number)); }
    QColor labelColour(int number) const { return label(number)->palette().color(QPalette::Window); }
    QColor labelText(int number) const { return label(number)->palette().color(QPalette::WindowText); }
    QColor buttonText(int number) const { return button(number)->palette().color(QPalette::ButtonText); }
    // What the main window itself is painted in: the colour an incomplete issuer's label takes.
    QColor windowColour() const { return m_form->palette().color(QPalette::Window); }
    void completeIssuer(int firstSlot)
    {
        for (int slot = firstSlot; slot < firstSlot + 8; ++slot)
            m_form->checkBox(slot)->setChecked(true);
    }
    QString count() const { return m_form->findChild<QLabel*>(u"Label17"_s)->text(); }

    FakeServices m_services;
    std::unique_ptr<TForm1> m_form;
};

void TestCompletion::init()
{
    m_form = std::make_unique<TForm1>(m_services);
}

void TestCompletion::cleanup()
{
    m_form.reset();
}

void TestCompletion::eighthCoinMarksIssuer_data()
{
    QTest::addColumn<int>("firstSlot");
    QTest::addColumn<int>("labelNumber");
    QTest::addColumn<int>("buttonNumber");
    QTest::newRow("Allemagne") << 1 << 1 << 1;
    QTest::newRow("Pays-Bas") << 81 << 11 << 11;
    QTest::newRow("Vatican colours Label14") << 105 << 14 << 14;
    QTest::newRow("Monaco colours Label15") << 113 << 15 << 15;
    QTest::newRow("Slovenie colours Label19 and BitBtn16") << 121 << 19 << 16;
}

void TestCompletion::eighthCoinMarksIssuer()
{
    QFETCH(int, firstSlot);
    QFETCH(int, labelNumber);
    QFETCH(int, buttonNumber);
    const QColor windowText = m_form->palette().color(QPalette::WindowText);

    for (int slot = firstSlot; slot < firstSlot + 7; ++slot)
        m_form->checkBox(slot)->setChecked(true);
    QCOMPARE(labelColour(labelNumber), windowColour());
    QCOMPARE(labelText(labelNumber), windowText);
    QCOMPARE(buttonText(buttonNumber), Black);

    m_form->checkBox(firstSlot + 7)->setChecked(true);
    QCOMPARE(labelColour(labelNumber), Lime);
    QCOMPARE(labelText(labelNumber), Black);
    QCOMPARE(buttonText(buttonNumber), DarkGreen);
    QCOMPARE(count(), u"8"_s);
    // Only that issuer is marked.
    for (const auto& issuer : catalogue::issuers) {
        if (issuer.labelNumber != labelNumber) {
            QCOMPARE(labelColour(issuer.labelNumber), windowColour());
            QCOMPARE(buttonText(issuer.buttonNumber), Black);
        }
    }

    m_form->checkBox(firstSlot + 3)->setChecked(false);
    QCOMPARE(labelColour(labelNumber), windowColour());
    QCOMPARE(labelText(labelNumber), windowText);
    QCOMPARE(buttonText(buttonNumber), Black);
    QCOMPARE(count(), u"7"_s);
}

void TestCompletion::changesByMouseAndKeyboard()
{
    QCheckBox* box = m_form->checkBox(34);
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QVERIFY(box->isChecked());
    QCOMPARE(count(), u"1"_s);
    QVERIFY(m_form->state().isModified());

    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(!box->isChecked());
    QCOMPARE(count(), u"0"_s);
    QCOMPARE(m_form->state().ownedCount(), 0);
}

void TestCompletion::settingTheSameStateRunsNothing()
{
    m_form->checkBox(5)->setChecked(false);
    QVERIFY(!m_form->state().isModified());
    QCOMPARE(m_form->state().ownedCount(), 0);
    // The display was never refreshed: the count keeps its design text.
    QCOMPARE(count(), u"0"_s);
    QCOMPARE(buttonText(1), m_form->palette().color(QPalette::ButtonText));
}

void TestCompletion::checkThenUncheckKeepsCountAndModifies()
{
    m_form->checkBox(77)->setChecked(true);
    m_form->checkBox(77)->setChecked(false);
    QCOMPARE(m_form->state().ownedCount(), 0);
    QVERIFY(m_form->state().isModified());
    QCOMPARE(count(), u"0"_s);
}

void TestCompletion::fullCollection()
{
    for (int slot = 1; slot <= 128; ++slot)
        m_form->checkBox(slot)->setChecked(true);
    QCOMPARE(count(), u"128"_s);
    for (const auto& issuer : catalogue::issuers) {
        QCOMPARE(labelColour(issuer.labelNumber), Lime);
        QCOMPARE(buttonText(issuer.buttonNumber), DarkGreen);
    }
    // The count grows to the right but stays clear of " / 128".
    const auto* owned = m_form->findChild<QLabel*>(u"Label17"_s);
    const auto* total = m_form->findChild<QLabel*>(u"Label16"_s);
    QVERIFY(owned->geometry().right() < total->geometry().left() + owned->fontMetrics().horizontalAdvance(u' '));
}

void TestCompletion::labelsStartInTheWindowColour()
{
    for (const auto& issuer : catalogue::issuers) {
        QVERIFY(label(issuer.labelNumber)->autoFillBackground());
        QCOMPARE(labelColour(issuer.labelNumber), windowColour());
    }
}

// On a dark button face the designed dark green and black would not read: light green and the theme's
// button text do, and the labels keep the window's own colours, at 4.5:1 or better.
void TestCompletion::marksReadOnADarkButtonFace()
{
    const ScopedPalette desktop(darkPalette());
    m_form = std::make_unique<TForm1>(m_services);
    completeIssuer(41); // France
    m_form->checkBox(1)->setChecked(true);

    const auto& france = catalogue::issuers[5];
    const auto& allemagne = catalogue::issuers[0];
    QCOMPARE(buttonText(france.buttonNumber), LightGreen);
    QCOMPARE(buttonText(allemagne.buttonNumber), darkPalette().color(QPalette::ButtonText));
    QCOMPARE(labelColour(allemagne.labelNumber), darkPalette().color(QPalette::Window));
    QCOMPARE(labelText(allemagne.labelNumber), darkPalette().color(QPalette::WindowText));
    QCOMPARE(labelText(france.labelNumber), Black);

    const QColor face = darkPalette().color(QPalette::Button);
    for (const auto& issuer : { france, allemagne }) {
        QVERIFY(toolkit::contrastRatio(buttonText(issuer.buttonNumber), face) >= 4.5);
        QVERIFY(toolkit::contrastRatio(labelText(issuer.labelNumber), labelColour(issuer.labelNumber)) >= 4.5);
    }
}

// Which issuers are complete, and the count, reach a screen reader, whether it connected before or
// after the changes. Each change of the count renames the box, which is what a reader announces.
void TestCompletion::screenReadersHearWhatColoursShow()
{
    completeIssuer(41);
    const auto inactive = qScopeGuard([] { QAccessible::setActive(false); });
    QAccessible::setActive(true);
    const auto& france = catalogue::issuers[5];
    QCOMPARE(label(france.labelNumber)->accessibleName(), u"France complet"_s);
    QCOMPARE(button(france.buttonNumber)->accessibleName(), u"France complet"_s);
    QCOMPARE(label(catalogue::issuers[0].labelNumber)->accessibleName(), u"Allemagne"_s);
    auto* status = m_form->findChild<QGroupBox*>(u"GroupBox2"_s);
    QCOMPARE(status->accessibleName(), u"8 / 128 pièces"_s);

    m_form->checkBox(44)->setChecked(false);
    QCOMPARE(status->accessibleName(), u"7 / 128 pièces"_s);
    QCOMPARE(button(france.buttonNumber)->accessibleName(), u"France"_s);
    QCOMPARE(label(france.labelNumber)->accessibleName(), u"France"_s);
}

QTEST_MAIN(TestCompletion)
#include "tst_completion.moc"
