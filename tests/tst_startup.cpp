// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Forms.h"
#include "forms/Unit1.h"
#include "forms/Unit5.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace numislot;
using namespace Qt::StringLiterals;

namespace {

// Runs `act` inside the splash's modal loop, right after the splash is shown.
class OnShown : public QObject
{
public:
    OnShown(QWidget* window, std::function<void()> act)
        : m_act(std::move(act))
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, this, m_act);
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_act;
};

} // namespace

// Start-up: the windows, the splash at the first activation, and its timer.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void createsEveryWindowHidden();
    void splashAtFirstActivationOnly();
    void splashLooksAsDesigned();
    void commandLineFileOpensAfterTheSplash();

private:
    FakeServices m_services;
};

void TestStartup::init()
{
    m_services = FakeServices();
    createForms(m_services);
}

void TestStartup::cleanup()
{
    destroyForms();
}

void TestStartup::createsEveryWindowHidden()
{
    QVERIFY(Form1 && Form2 && Form3 && Form4 && Form5 && Form6 && Form7 && Form16);
    for (const QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    // The splash timer runs from the window's creation, not from its show.
    QVERIFY(Form5->timer()->isActive());
    QCOMPARE(Form5->timer()->interval(), 4000);
}

void TestStartup::splashAtFirstActivationOnly()
{
    int splashShows = 0;
    bool mainBlocked = false;
    // Stands in for the timer's tick, so the test does not wait 4 s.
    auto tickWhenShown = [&] {
        QVERIFY(Form5->isVisible());
        ++splashShows;
        mainBlocked = QApplication::activeModalWidget() == Form5;
        Form5->Timer1Timer();
    };
    OnShown watcher(Form5, tickWhenShown);
    Form1->show();
    QTRY_COMPARE(splashShows, 1);
    QTRY_VERIFY(!Form5->isVisible());
    QVERIFY(mainBlocked);
    QVERIFY(Form1->isVisible());

    // Later activations and ticks show nothing.
    Form1->FormActivate();
    Form5->Timer1Timer();
    QVERIFY(!Form5->isVisible());
    QCOMPARE(splashShows, 1);
}

void TestStartup::splashLooksAsDesigned()
{
    QVERIFY(Form5->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(Form5->size(), QSize(445, 191));
    QCOMPARE(Form5->cursor().shape(), Qt::CrossCursor);
    QCOMPARE(Form5->palette().color(QPalette::Window), QColor(Qt::white));
    QPoint shownAt;
    OnShown watcher(Form5, [&] {
        QVERIFY(Form5->isVisible());
        shownAt = Form5->pos();
        Form5->Timer1Timer();
    });
    Form1->show();
    QTRY_VERIFY(!shownAt.isNull());
    const QRect main = Form1->frameGeometry();
    QCOMPARE(shownAt, QPoint(main.left() + (main.width() - 445) / 2, main.top() + (main.height() - 191) / 2));
}

void TestStartup::commandLineFileOpensAfterTheSplash()
{
    m_services.commandLine = { u"/nonexistent/collection.eur"_s };
    int messagesDuringSplash = -1;
    OnShown watcher(Form5, [&] {
        QVERIFY(Form5->isVisible());
        messagesDuringSplash = int(m_services.messages.size());
        Form5->Timer1Timer();
    });
    Form1->show();
    QTRY_COMPARE(m_services.messages.size(), 1);
    QCOMPARE(messagesDuringSplash, 0);
    QCOMPARE(m_services.messages.constFirst(), u"Impossible d'ouvrir le fichier"_s);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
