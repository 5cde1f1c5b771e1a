#include "collection/CompletionRules.h"
#include "forms/Unit1.h"
#include "support/FakeServices.h"
#include "toolkit/Placement.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <memory>

using namespace numislot;
using namespace Qt::StringLiterals;

// The completion display follows every change of a coin box, whoever makes it.
class TestCompletion : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void eighthCoinMarksIssuer_data();
    void eighthCoinMarksIssuer();
    void changesByMouseAndKeyboard();
    void settingTheSameStateRunsNothing();
    void checkThenUncheckKeepsCountAndModifies();
    void fullCollection();
    void labelsStartInTheWindowColour();
    void refreshFollowsANewSystemPalette();

private:
    QLabel* label(int number) const { return m_form->findChild<QLabel*>(u"Label%1"_s.arg(number)); }
    QPushButton* button(int number) const { return m_form->findChild<QPushButton*>(u"BitBtn%1"_s.arg(number)); }
    QColor labelColour(int number) const { return label(number)->palette().color(QPalette::Window); }
    QColor buttonText(int number) const { return button(number)->palette().color(QPalette::ButtonText); }
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
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);

    for (int slot = firstSlot; slot < firstSlot + 7; ++slot)
        m_form->checkBox(slot)->setChecked(true);
    QCOMPARE(labelColour(labelNumber), buttonFace);
    QCOMPARE(buttonText(buttonNumber), QColor(Qt::black));

    m_form->checkBox(firstSlot + 7)->setChecked(true);
    QCOMPARE(labelColour(labelNumber), QColor(0x00, 0xFF, 0x00));
    QCOMPARE(buttonText(buttonNumber), QColor(0x00, 0x80, 0x00));
    QCOMPARE(count(), u"8"_s);
    // Only that issuer is marked.
    for (int other = 1; other <= 19; ++other) {
        if (other != labelNumber && label(other) && other != 16 && other != 17 && other != 18)
            QCOMPARE(labelColour(other), buttonFace);
    }

    m_form->checkBox(firstSlot + 3)->setChecked(false);
    QCOMPARE(labelColour(labelNumber), buttonFace);
    QCOMPARE(buttonText(buttonNumber), QColor(Qt::black));
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
    QVERIFY(!label(1)->autoFillBackground() || labelColour(1) == QApplication::palette().color(QPalette::Button));
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
        QCOMPARE(labelColour(issuer.labelNumber), QColor(0x00, 0xFF, 0x00));
        QCOMPARE(buttonText(issuer.buttonNumber), QColor(0x00, 0x80, 0x00));
    }
    // The count grows to the right but stays clear of " / 128".
    const auto* owned = m_form->findChild<QLabel*>(u"Label17"_s);
    const auto* total = m_form->findChild<QLabel*>(u"Label16"_s);
    QVERIFY(owned->geometry().right() < total->geometry().left() + owned->fontMetrics().horizontalAdvance(u' '));
}

void TestCompletion::labelsStartInTheWindowColour()
{
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (const auto& issuer : catalogue::issuers) {
        QVERIFY(label(issuer.labelNumber)->autoFillBackground());
        QCOMPARE(labelColour(issuer.labelNumber), buttonFace);
    }
}

// The button face is looked up when a label is coloured: after the desktop's colours change, the next
// refresh uses the new one even for labels whose mark did not change.
void TestCompletion::refreshFollowsANewSystemPalette()
{
    m_form->checkBox(1)->setChecked(true); // one refresh with the old colours
    const QPalette old = QApplication::palette();
    const auto restore = qScopeGuard([old] { QApplication::setPalette(old); });
    QPalette changed = old;
    changed.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(changed);

    m_form->checkBox(2)->setChecked(true);
    QCOMPARE(labelColour(catalogue::issuers[0].labelNumber), QColor(0x12, 0x34, 0x56));
    QCOMPARE(labelColour(catalogue::issuers[15].labelNumber), QColor(0x12, 0x34, 0x56));
    // The complete issuer keeps its own colour.
    for (int slot = 3; slot <= 8; ++slot)
        m_form->checkBox(slot)->setChecked(true);
    QCOMPARE(labelColour(catalogue::issuers[0].labelNumber), QColor(0x00, 0xFF, 0x00));
}

QTEST_MAIN(TestCompletion)
#include "tst_completion.moc"
