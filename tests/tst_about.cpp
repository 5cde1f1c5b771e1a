// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Unit3.h"
#include "support/FakeServices.h"
#include "support/TestMain.h"
#include "toolkit/Environment.h"
#include "toolkit/PictureCell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

using namespace Qt::StringLiterals;
using namespace numislot;

// Stands for the desktop's mail program and browser.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

// The two big buttons hand their link to the desktop and leave the window open.
class TestAboutLinks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(u"mailto"_s, &m_desktop, "open");
        QDesktopServices::setUrlHandler(u"https"_s, &m_desktop, "open");
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(u"mailto"_s);
        QDesktopServices::unsetUrlHandler(u"https"_s);
    }
    void init() { m_desktop.urls.clear(); }

    void buttonOpensItsLink_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QByteArray>("encoded");
        QTest::addRow("mail") << u"Button2"_s << u"mailto:numislot@example.org?subject=Numislot (-_-)"_s
                              << QByteArray("mailto:numislot@example.org?subject=Numislot%20(-_-)");
        QTest::addRow("forum") << u"Button3"_s << u"https://forum.example.org/phpbb2/viewforum.php?f=15"_s
                               << QByteArray("https://forum.example.org/phpbb2/viewforum.php?f=15");
    }
    void buttonOpensItsLink()
    {
        QFETCH(QString, button);
        QFETCH(QString, link);
        QFETCH(QByteArray, encoded);
        toolkit::SystemServices desktop;
        TForm3 form(desktop);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* push = form.findChild<QPushButton*>(button);
        QVERIFY(push);
        QTest::mouseClick(push, Qt::LeftButton);
        QCOMPARE(m_desktop.urls.size(), 1);
        QCOMPARE(m_desktop.urls.first().toString(), link);
        QCOMPARE(m_desktop.urls.first().toEncoded(), encoded);
        QVERIFY(form.isVisible());
        QCOMPARE(form.result(), 0);
        // Again: still open, one more call.
        QTest::mouseClick(push, Qt::LeftButton);
        QCOMPARE(m_desktop.urls.size(), 2);
        QVERIFY(form.isVisible());
    }

private:
    UrlRecorder m_desktop;
};

// "&OK" and Enter on it end the modal window (Escape and the close box: tst_modalwindows).
class TestAboutClosing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closes_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::addRow("OK clicked") << u"click"_s << 1;
        QTest::addRow("Enter on the focused OK") << u"enter"_s << 1;
        // The mail button must not have become the default: Return would write a mail.
        QTest::addRow("Return once the focus is gone, then OK") << u"focus gone"_s << 1;
    }
    void closes()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        FakeServices services;
        TForm3 form(services);
        QWidget* focused = nullptr;
        QStringList defaults;
        bool openAfterReturn = true;
        QTimer::singleShot(0, &form, [&] {
            focused = form.focusWidget();
            if (how == u"focus gone") {
                form.focusWidget()->clearFocus();
                QTest::keyClick(&form, Qt::Key_Return);
                openAfterReturn = form.isVisible();
                for (const QPushButton* button : form.findChildren<QPushButton*>()) {
                    if (button->isDefault())
                        defaults << button->objectName();
                }
            }
            if (how == u"click" || how == u"focus gone")
                QTest::mouseClick(form.findChild<QPushButton*>(u"Button1"_s), Qt::LeftButton);
            else
                QTest::keyClick(form.focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(form.showModal(), result);
        QVERIFY(!form.isVisible());
        QCOMPARE(focused, form.findChild<QPushButton*>(u"Button1"_s));
        QVERIFY(services.openedUrls.isEmpty());
        QVERIFY2(defaults.isEmpty(), qPrintable(defaults.join(u", "_s)));
        QVERIFY(openAfterReturn);
    }

    void contents()
    {
        FakeServices services;
        TForm3 form(services);
        // As it first appears: its captions are measured then.
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), u"A Propos"_s);
        QCOMPARE(form.findChild<QPushButton*>(u"Button1"_s)->text(), u"&OK"_s);
        QCOMPARE(form.findChild<QPushButton*>(u"Button3"_s)->text(), u"Forum Numislot"_s);
        auto* version = form.findChild<QLabel*>(u"Label3"_s);
        QCOMPARE(version->text(), u"Numislot, V 3.25.07 RC1"_s);
        QVERIFY(version->font().bold());
        QCOMPARE(form.findChild<QLabel*>(u"Label1"_s)->text(), u"Pour tout renseignements :"_s);
        const auto* logo = form.findChild<toolkit::PictureCell*>(u"Image1"_s);
        QCOMPARE(logo->geometry(), QRect(39, 3, 208, 46));
        QCOMPARE(logo->picture().size(), QSize(208, 46));
        // No text runs out of its control or the window.
        for (const QString& name : { u"Label1"_s, u"Label3"_s }) {
            const QLabel* label = form.findChild<QLabel*>(name);
            QVERIFY(label->width() >= label->sizeHint().width());
            QVERIFY(form.rect().contains(label->geometry()));
        }
        for (const QString& name : { u"Button2"_s, u"Button3"_s }) {
            const QPushButton* button = form.findChild<QPushButton*>(name);
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 8);
        }
    }
};

int main(int argc, char** argv)
{
    toolkit::installFontSubstitutes();
    QApplication application(argc, argv);
    return runTestClasses<TestAboutLinks, TestAboutClosing>(argc, argv);
}

#include "tst_about.moc"
