// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection/ReportFile.h"
#include "printing/OwnedReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;
namespace printing = numislot::printing;

// Where the owned-coins report goes.
class TestReportFile : public QObject
{
    Q_OBJECT

private slots:
    void reportPath_data();
    void reportPath();
};

void TestReportFile::reportPath_data()
{
    QTest::addColumn<QString>("runtime");
    QTest::addColumn<bool>("usedAsGiven");
    QTest::newRow("private runtime directory") << u"private"_s << true;
    QTest::newRow("world-writable runtime directory") << u"shared"_s << false;
    QTest::newRow("runtime directory is a file") << u"file"_s << false;
    QTest::newRow("no runtime directory") << QString() << false;
}

// Another user must never be able to plant or read the report: whatever the environment says, it goes
// to a directory of the user's own that nobody else can enter, never straight into the temp directory.
void TestReportFile::reportPath()
{
    QFETCH(QString, runtime);
    QFETCH(bool, usedAsGiven);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString shared = scratch.filePath(u"tmp"_s);
    QVERIFY(QDir().mkdir(shared));
    QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    QVERIFY(QDir().mkdir(scratch.filePath(u"private"_s)));
    QVERIFY(QDir().mkdir(scratch.filePath(u"shared"_s)));
    QCOMPARE(::chmod(QFile::encodeName(scratch.filePath(u"private"_s)).constData(), 0700), 0);
    QCOMPARE(::chmod(QFile::encodeName(scratch.filePath(u"shared"_s)).constData(), 0777), 0);
    QVERIFY(printing::writeOwnedReport(scratch.filePath(u"file"_s), QByteArrayLiteral("x")));

    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedTemp = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] {
        for (const auto& [name, value] : { std::pair { "XDG_RUNTIME_DIR", savedRuntime }, { "TMPDIR", savedTemp } }) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    });
    qputenv("TMPDIR", QFile::encodeName(shared));
    if (runtime.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(scratch.filePath(runtime)));

    const QString report = numislot::collection::reportFilePath();
    if (usedAsGiven)
        QCOMPARE(report, QDir(scratch.filePath(runtime)).filePath(u"NumislotImprim.txt"_s));
    if (report.isEmpty())
        return; // no trusted place at all: the report is not written
    QCOMPARE(QFileInfo(report).fileName(), u"NumislotImprim.txt"_s);
    struct stat folder = {};
    QCOMPARE(::stat(QFile::encodeName(QFileInfo(report).path()).constData(), &folder), 0);
    QCOMPARE(folder.st_uid, ::geteuid());
    QVERIFY2((folder.st_mode & 0077) == 0, qPrintable(QFileInfo(report).path()));
    QVERIFY(printing::writeOwnedReport(report, QByteArrayLiteral("x")));
}

QTEST_GUILESS_MAIN(TestReportFile)
#include "tst_reportfile.moc"
