// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Forms.h"
#include "catalogue/Catalogue.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "forms/Unit4.h"
#include "support/FakeServices.h"
#include "support/ModalAnswer.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;
using namespace numislot;

// The modal windows as start-up creates and links them, each opened the way the program opens it:
// Escape answers none of them, the close box cancels every one, and each opens centred over the main
// window wherever that was moved.
class TestModalWindows : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        createForms(m_services);
        // No splash at the main window's first activation: it would hold every case for 4 s.
        Form1->setLinks({ Form2, Form3, Form4, nullptr, Form6, Form7, Form16 });
        Form1->move(100, 80);
        Form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
    }
    void cleanup()
    {
        destroyForms();
        m_services = FakeServices();
    }

    void escapeAnswersNothing_data();
    void escapeAnswersNothing();
    void closeBoxCancels_data();
    void closeBoxCancels();
    void centredOverTheMainWindowWhereverItMoved_data();
    void centredOverTheMainWindowWhereverItMoved();

private:
    toolkit::ModalForm* window(const QString& name) const;
    int open(const QString& name, const std::function<void(toolkit::ModalForm&)>& act);

    FakeServices m_services;
};

toolkit::ModalForm* TestModalWindows::window(const QString& name) const
{
    if (name == u"save prompt")
        return Form2;
    if (name == u"About")
        return Form3;
    return Form4;
}

// Opens the window as the program does and runs `act` once it is up and active; returns its modal result.
int TestModalWindows::open(const QString& name, const std::function<void(toolkit::ModalForm&)>& act)
{
    toolkit::ModalForm* form = window(name);
    actInNextModal(form, [form, act] { act(*form); });
    if (name == u"save prompt") {
        form->showModal();
    } else if (name == u"About") {
        Form1->findChild<QAction*>(u"APropos1"_s)->trigger();
    } else {
        const int button = catalogue::issuers[catalogue::Slovenia].buttonNumber;
        QTest::mouseClick(Form1->findChild<QPushButton*>(u"BitBtn%1"_s.arg(button)), Qt::LeftButton);
    }
    return form->result();
}

void TestModalWindows::escapeAnswersNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("answer"); // the button clicked once Escape was seen to do nothing
    QTest::addColumn<int>("result");
    QTest::newRow("save prompt") << u"save prompt"_s << u"Button2"_s << 3;
    QTest::newRow("About") << u"About"_s << u"Button1"_s << 1;
    QTest::newRow("detail window") << u"detail window"_s << u"Button1"_s << 1;
}

void TestModalWindows::escapeAnswersNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, answer);
    QFETCH(int, result);
    bool stillOpen = false;
    const int answered = open(name, [&](toolkit::ModalForm& form) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        QTest::keyClick(focused, Qt::Key_Escape);
        stillOpen = form.isVisible();
        QTest::mouseClick(form.findChild<QPushButton*>(answer), Qt::LeftButton);
    });
    QVERIFY(stillOpen);
    QCOMPARE(answered, result);
}

void TestModalWindows::closeBoxCancels_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : { "save prompt", "About", "detail window" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestModalWindows::closeBoxCancels()
{
    QFETCH(QString, name);
    QCOMPARE(open(name, [](toolkit::ModalForm& form) { form.close(); }), 2);
    QVERIFY(!window(name)->isVisible());
    QVERIFY(m_services.openedUrls.isEmpty());
}

void TestModalWindows::centredOverTheMainWindowWhereverItMoved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("mainAt");
    QTest::newRow("save prompt") << u"save prompt"_s << QPoint(40, 30);
    QTest::newRow("About") << u"About"_s << QPoint(40, 30);
    QTest::newRow("detail window, left") << u"detail window"_s << QPoint(10, 20);
    QTest::newRow("detail window, right") << u"detail window"_s << QPoint(400, 160);
    QTest::newRow("detail window, partly off the screen") << u"detail window"_s << QPoint(-200, 300);
}

void TestModalWindows::centredOverTheMainWindowWhereverItMoved()
{
    QFETCH(QString, name);
    QFETCH(QPoint, mainAt);
    // Shown once where the main window first was, then again after it moved.
    open(name, [](toolkit::ModalForm& form) { form.close(); });
    Form1->move(mainAt);
    QTRY_COMPARE(Form1->pos(), mainAt);
    QRect shown;
    open(name, [&](toolkit::ModalForm& form) {
        shown = form.frameGeometry();
        form.close();
    });
    const QRect main = Form1->frameGeometry();
    QCOMPARE(shown.left(), main.left() + (main.width() - shown.width()) / 2);
    QCOMPARE(shown.top(), main.top() + (main.height() - shown.height()) / 2);
}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    TestModalWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_modalwindows.moc"
