// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakeServices.h"
#include "toolkit/ExceptionDisplay.h"

#include <QPushButton>
#include <QTest>
#include <stdexcept>

using namespace numislot;
using namespace Qt::StringLiterals;

// An exception escaping an event handler is shown and the program carries on.
class TestExceptionDisplay : public QObject
{
    Q_OBJECT
public:
    explicit TestExceptionDisplay(FakeServices& services)
        : m_services(services)
    {
    }

private slots:
    void fullStopRule_data();
    void fullStopRule();
    void handlerExceptionIsShownAndEventsGoOn();

private:
    FakeServices& m_services;
};

void TestExceptionDisplay::fullStopRule_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter gets a full stop") << u"Erreur JPEG #42"_s << u"Erreur JPEG #42."_s;
    QTest::newRow("digit gets a full stop") << u"code 7"_s << u"code 7."_s;
    QTest::newRow("full stop stays single") << u"Fini."_s << u"Fini."_s;
    QTest::newRow("exclamation sorts before the full stop") << u"Attention !"_s << u"Attention !"_s;
    QTest::newRow("closing bracket sorts before it") << u"(voir)"_s << u"(voir)"_s;
    QTest::newRow("question mark sorts after it") << u"Quoi ?"_s << u"Quoi ?."_s;
    QTest::newRow("empty stays empty") << QString() << QString();
}

void TestExceptionDisplay::fullStopRule()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(toolkit::exceptionDisplayText(message), shown);
}

void TestExceptionDisplay::handlerExceptionIsShownAndEventsGoOn()
{
    QPushButton faulty(u"faulty"_s);
    int clicks = 0;
    connect(&faulty, &QPushButton::clicked, this, [&] {
        ++clicks;
        throw std::runtime_error("Erreur JPEG #53");
    });
    faulty.show();
    QVERIFY(QTest::qWaitForWindowExposed(&faulty));
    QTest::mouseClick(&faulty, Qt::LeftButton);
    QTest::mouseClick(&faulty, Qt::LeftButton);
    QCOMPARE(clicks, 2);
    QCOMPARE(m_services.exceptions, (QStringList { u"Erreur JPEG #53."_s, u"Erreur JPEG #53."_s }));
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    toolkit::Application application(argc, argv);
    FakeServices services;
    application.setServices(&services);
    TestExceptionDisplay test(services);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exceptiondisplay.moc"
