#include "forms/Unit2.h"
#include "toolkit/Placement.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using namespace numislot;
using namespace Qt::StringLiterals;

// The save prompt, shown for real and answered by its buttons, keys and close box.
class TestSavePrompt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layout();
    void answers_data();
    void answers();
    void closeBoxCancels();
    void escapeDoesNotAnswer();
    void tabOrder();
    void centredOnTheMainWindow();

private:
    // Runs the prompt and performs `act` once it is up; returns its modal result.
    int runPrompt(const std::function<void(TForm2&)>& act);

    QMainWindow m_main;
    TForm2* m_prompt = nullptr;
};

void TestSavePrompt::initTestCase()
{
    m_main.resize(690, 545);
    m_main.move(100, 80);
    m_main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_main));
    toolkit::setMainWindow(&m_main);
    m_prompt = new TForm2(&m_main);
}

int TestSavePrompt::runPrompt(const std::function<void(TForm2&)>& act)
{
    QTimer::singleShot(0, m_prompt, [this, act] {
        QVERIFY(m_prompt->isVisible());
        m_prompt->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_prompt));
        act(*m_prompt);
    });
    // A prompt the action failed to answer must not hang the test.
    QTimer::singleShot(5000, m_prompt, [this] {
        if (m_prompt->isVisible())
            m_prompt->done(-1);
    });
    const int result = m_prompt->showModal();
    return result;
}

void TestSavePrompt::layout()
{
    // As it first appears: the question is measured then.
    m_prompt->show();
    const auto hide = qScopeGuard([this] { m_prompt->hide(); });
    QVERIFY(QTest::qWaitForWindowExposed(m_prompt));
    QCOMPARE(m_prompt->windowTitle(), u"Sauvegarder ?"_s);
    QCOMPARE(m_prompt->size(), QSize(271, 115));
    auto* label = m_prompt->findChild<QLabel*>(u"Label1"_s);
    QCOMPARE(label->text(), u"Voulez vous sauvegarder la collection en cours ?"_s);
    // At least its designed width, and wide enough for the whole question inside the window.
    QCOMPARE(label->pos(), QPoint(16, 15));
    QVERIFY(label->width() >= 232);
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    QVERIFY(label->geometry().right() < m_prompt->width());
    const QStringList captions{u"&Oui"_s, u"&Non"_s, u"&Annuler"_s};
    const int lefts[] = {16, 99, 182};
    for (int n = 0; n < 3; ++n) {
        auto* button = m_prompt->findChild<QPushButton*>(u"Button%1"_s.arg(n + 1));
        QCOMPARE(button->text(), captions[n]);
        QCOMPARE(button->geometry(), QRect(lefts[n], 47, 65, 25));
        QVERIFY(!button->isDefault());
    }
}

void TestSavePrompt::answers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("click Oui") << u"Button1"_s << 0 << 1;
    QTest::newRow("click Non") << u"Button2"_s << 0 << 3;
    QTest::newRow("click Annuler") << u"Button3"_s << 0 << 2;
    QTest::newRow("Alt+O") << QString() << int(Qt::Key_O) << 1;
    QTest::newRow("Alt+N") << QString() << int(Qt::Key_N) << 3;
    QTest::newRow("Alt+A") << QString() << int(Qt::Key_A) << 2;
}

void TestSavePrompt::answers()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, result);
    const int answer = runPrompt([&](TForm2& prompt) {
        if (!button.isEmpty())
            QTest::mouseClick(prompt.findChild<QPushButton*>(button), Qt::LeftButton);
        else
            QTest::keyClick(&prompt, Qt::Key(key), Qt::AltModifier);
    });
    QCOMPARE(answer, result);
    QVERIFY(!m_prompt->isVisible());
}

void TestSavePrompt::closeBoxCancels()
{
    QCOMPARE(runPrompt([](TForm2& prompt) { prompt.close(); }), 2);
    QVERIFY(!m_prompt->isVisible());
}

void TestSavePrompt::escapeDoesNotAnswer()
{
    bool stillOpen = false;
    const int answer = runPrompt([&](TForm2& prompt) {
        QTest::keyClick(&prompt, Qt::Key_Escape);
        stillOpen = prompt.isVisible();
        QTest::mouseClick(prompt.findChild<QPushButton*>(u"Button2"_s), Qt::LeftButton);
    });
    QVERIFY(stillOpen);
    QCOMPARE(answer, 3);
}

void TestSavePrompt::tabOrder()
{
    QStringList order;
    runPrompt([&](TForm2& prompt) {
        prompt.findChild<QPushButton*>(u"Button1"_s)->setFocus();
        order << QApplication::focusWidget()->objectName();
        for (int step = 0; step < 3; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        // Enter presses the focused button.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    });
    QCOMPARE(order, (QStringList{u"Button1"_s, u"Button2"_s, u"Button3"_s, u"Button1"_s}));
}

void TestSavePrompt::centredOnTheMainWindow()
{
    m_main.move(40, 30);
    QPoint shownAt;
    runPrompt([&](TForm2& prompt) {
        shownAt = prompt.frameGeometry().topLeft();
        prompt.close();
    });
    const QRect main = m_main.frameGeometry();
    const QSize outer = m_prompt->frameGeometry().size();
    QCOMPARE(shownAt, QPoint(main.left() + (main.width() - outer.width()) / 2,
                             main.top() + (main.height() - outer.height()) / 2));
}

QTEST_MAIN(TestSavePrompt)
#include "tst_saveprompt.moc"
