// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Unit2.h"
#include "support/ModalAnswer.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <functional>

using namespace numislot;
using namespace Qt::StringLiterals;

namespace {

// A main window and its save prompt, built afresh for each case.
class Program
{
public:
    Program()
    {
        main.resize(690, 545);
        main.move(100, 80);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        prompt = new TForm2(&main);
    }

    QPushButton* button(int number) const { return prompt->findChild<QPushButton*>(u"Button%1"_s.arg(number)); }

    // Runs the prompt and performs `act` once it is up and active; returns its modal result.
    int run(const std::function<void(TForm2&)>& act)
    {
        actInNextModal(prompt, [this, act] { act(*prompt); });
        return prompt->showModal();
    }

    QMainWindow main;
    TForm2* prompt = nullptr;
};

// Presses keys where the user's keys go: into the control that has the focus.
void press(const QList<QKeyCombination>& keys)
{
    for (const QKeyCombination key : keys) {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }
}

} // namespace

// The save prompt, shown for real and answered by its buttons and keys (Escape, the close box and
// where it opens: tst_modalwindows).
class TestSavePrompt : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void answers_data();
    void answers();
    void opensOnOuiWithItsFocusFrame();
    void noHiddenDefault_data();
    void noHiddenDefault();
};

void TestSavePrompt::layout()
{
    Program program;
    TForm2& prompt = *program.prompt;
    // As it first appears: the question is measured then.
    prompt.show();
    QVERIFY(QTest::qWaitForWindowExposed(&prompt));
    QCOMPARE(prompt.windowTitle(), u"Sauvegarder ?"_s);
    auto* label = prompt.findChild<QLabel*>(u"Label1"_s);
    QCOMPARE(label->text(), u"Voulez vous sauvegarder la collection en cours ?"_s);
    // At least its designed width, and wide enough for the whole question inside the window.
    QCOMPARE(label->pos(), QPoint(16, 15));
    QVERIFY(label->width() >= 232);
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    QVERIFY(label->geometry().right() < prompt.width());
    const QStringList captions { u"&Oui"_s, u"&Non"_s, u"&Annuler"_s };
    const int lefts[] = { 16, 99, 182 };
    for (int n = 0; n < 3; ++n) {
        QPushButton* button = program.button(n + 1);
        QCOMPARE(button->text(), captions[n]);
        QCOMPARE(button->geometry(), QRect(lefts[n], 47, 65, 25));
    }
    // 271 x 115 is the size with the frame, as the gallery's is.
    QCOMPARE(prompt.frameGeometry().size(), QSize(271, 115));
}

void TestSavePrompt::answers_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<int>("result");
    using K = QList<QKeyCombination>;
    const auto alt = [](Qt::Key key) { return QKeyCombination(Qt::AltModifier, key); };
    QTest::newRow("click Oui") << 1 << K {} << 1;
    QTest::newRow("click Non") << 2 << K {} << 3;
    QTest::newRow("click Annuler") << 3 << K {} << 2;
    QTest::newRow("Alt+O") << 0 << K { alt(Qt::Key_O) } << 1;
    QTest::newRow("Alt+N") << 0 << K { alt(Qt::Key_N) } << 3;
    QTest::newRow("Alt+A") << 0 << K { alt(Qt::Key_A) } << 2;
    QTest::newRow("O alone") << 0 << K { Qt::Key_O } << 1;
    QTest::newRow("N alone") << 0 << K { Qt::Key_N } << 3;
    QTest::newRow("A alone") << 0 << K { Qt::Key_A } << 2;
    // The focus starts on "&Oui"; Tab goes Oui, Non, Annuler and round again.
    QTest::newRow("Return on Oui") << 0 << K { Qt::Key_Return } << 1;
    QTest::newRow("keypad Enter on Non") << 0 << K { Qt::Key_Tab, QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter) }
                                         << 3;
    QTest::newRow("Space on Annuler") << 0 << K { Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space } << 2;
    QTest::newRow("Return after Tab wraps to Oui")
        << 0 << K { Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return } << 1;
}

void TestSavePrompt::answers()
{
    QFETCH(int, clicked);
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(int, result);
    Program program;
    const int answer = program.run([&](TForm2&) {
        if (clicked)
            QTest::mouseClick(program.button(clicked), Qt::LeftButton);
        press(keys);
    });
    QCOMPARE(answer, result);
    QVERIFY(!program.prompt->isVisible());
}

// Every time it opens, "&Oui" has the focus, and shows it as a keyboard user sees a focus frame.
void TestSavePrompt::opensOnOuiWithItsFocusFrame()
{
    Program program;
    QPushButton* oui = program.button(1);
    QImage opened;
    QImage elsewhere;
    QImage tabbedBack;
    const int first = program.run([&](TForm2&) {
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(oui));
        opened = oui->grab().toImage();
        press({ Qt::Key_Tab });
        elsewhere = oui->grab().toImage();
        press({ QKeyCombination(Qt::ShiftModifier, Qt::Key_Backtab) });
        tabbedBack = oui->grab().toImage();
        // Left with the focus on "&Annuler".
        press({ Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space });
    });
    QCOMPARE(first, 2);
    QVERIFY(opened != elsewhere);
    QCOMPARE(opened, tabbedBack);

    QWidget* focused = nullptr;
    QCOMPARE(program.run([&](TForm2&) {
        focused = QApplication::focusWidget();
        press({ Qt::Key_Return });
    }),
        1);
    QCOMPARE(focused, static_cast<QWidget*>(oui));
}

void TestSavePrompt::noHiddenDefault_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("focused");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("left Oui, Return on Annuler") << 0 << 3 << QKeyCombination(Qt::Key_Return) << 2;
    QTest::newRow("left Non, Return on Oui") << 1 << 1 << QKeyCombination(Qt::Key_Return) << 1;
    QTest::newRow("left Annuler, keypad Enter on Non")
        << 2 << 2 << QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter) << 3;
}

// Wherever the focus goes, no button becomes the prompt's default: once the focus has left the buttons
// Return answers nothing, and it answers with the button that has the focus again.
void TestSavePrompt::noHiddenDefault()
{
    QFETCH(int, tabs);
    QFETCH(int, focused);
    QFETCH(QKeyCombination, key);
    QFETCH(int, result);
    Program program;
    QStringList defaults;
    bool openAfterReturn = false;
    const auto noteDefaults = [&](const QString& when) {
        for (int n = 1; n <= 3; ++n) {
            if (program.button(n)->isDefault())
                defaults << program.button(n)->text() + u" "_s + when;
        }
    };
    const int answer = program.run([&](TForm2& prompt) {
        noteDefaults(u"on opening"_s);
        for (int n = 0; n < tabs; ++n)
            press({ Qt::Key_Tab });
        noteDefaults(u"after Tab"_s);
        QApplication::focusWidget()->clearFocus();
        noteDefaults(u"with the focus gone"_s);
        QTest::keyClick(&prompt, key.key(), key.keyboardModifiers());
        openAfterReturn = prompt.isVisible();
        program.button(focused)->setFocus(Qt::OtherFocusReason);
        noteDefaults(u"with the focus back"_s);
        press({ key });
    });
    QVERIFY2(defaults.isEmpty(), qPrintable(defaults.join(u", "_s)));
    QVERIFY(openAfterReturn);
    QCOMPARE(answer, result);
}

QTEST_MAIN(TestSavePrompt)
#include "tst_saveprompt.moc"
