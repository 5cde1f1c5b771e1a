// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/OwnedReport.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;
using numislot::collection::Ownership;
namespace printing = numislot::printing;
Q_DECLARE_METATYPE(numislot::collection::Ownership)

namespace {

template <size_t N> QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, qsizetype(N - 1));
}

// Every expected text below is Windows-1252: 0x80 is the euro sign, 0xE8 (\350) and 0xE9 (\351) the
// accented e's, in octal where a letter follows.
const QByteArray designedCaption = bytes("Numislot par QVT\r\n\r\n");

const QByteArray emptyLines = bytes("             Allemagne :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             Autriche :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             Belgique :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             Espagne :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             Finlande :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             France :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             Gr\350ce :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             Irlande :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             Italie :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             Luxembourg :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             Monaco :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             Pays-Bas :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             Portugal :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             San Marin :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             Slov\351nie :              -- -- -- -- -- -- -- -- \r\n\r\n"
                                    "             Vatican :              -- -- -- -- -- -- -- -- \r\n\r\n");

const QByteArray completeLines = bytes(
    "             Allemagne :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             Autriche :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             Belgique :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             Espagne :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             Finlande :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             France :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             Gr\350ce :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             Irlande :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             Italie :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             Luxembourg :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             Monaco :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             Pays-Bas :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             Portugal :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             San Marin :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             Slov\351nie :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n"
    "             Vatican :              2\x80  1\x80  50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  1c\x80\r\n\r\n");

const QByteArray footer = bytes("R\351alis\xE9 par QVT - contact : numislot@example.org");

QByteArray countLine(const char* count)
{
    return bytes("Je poss\350de donc ") + count + bytes(" \x80uros sur 128\r\n\r\n");
}

// The empty report with one issuer line (0-based report position) replaced.
QByteArray withLine(int position, const QByteArray& line)
{
    QList<QByteArray> lines = emptyLines.split('\n');
    lines[2 * position] = line + '\r';
    return lines.join('\n');
}

Ownership owning(std::initializer_list<int> owned)
{
    Ownership ownership {};
    for (const int slot : owned)
        ownership[slot - 1] = true;
    return ownership;
}

Ownership complete()
{
    Ownership ownership;
    ownership.fill(true);
    return ownership;
}

} // namespace

class TestOwnedReport : public QObject
{
    Q_OBJECT

private slots:
    void wholeReport_data();
    void wholeReport();
    void lineLengths();
    void caption_data();
    void caption();
    void lineBreaks();
    void writeTruncates();
    void unwritablePath_data();
    void unwritablePath();
    void plantedAtTheName_data();
    void plantedAtTheName();
};

void TestOwnedReport::wholeReport_data()
{
    QTest::addColumn<Ownership>("ownership");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QByteArray>("issuerLines");
    QTest::addColumn<QByteArray>("countLine");

    QTest::newRow("empty collection") << Ownership {} << u"0"_s << emptyLines << countLine("0");
    QTest::newRow("complete collection") << complete() << u"128"_s << completeLines << countLine("128");
    // Allemagne: 2, 1 euro, 20, 2 and 1 cent; Autriche nothing.
    QTest::newRow("Allemagne and Autriche")
        << owning({ 1, 2, 4, 7, 8 }) << u"5"_s
        << withLine(0, bytes("             Allemagne :              2\x80  1\x80  -- 20c\x80  -- -- 2c\x80  1c\x80"))
        << countLine("5");
    QTest::newRow("Monaco 2 euro, slot 113")
        << owning({ 113 }) << u"1"_s
        << withLine(10, bytes("             Monaco :              2\x80  -- -- -- -- -- -- -- ")) << countLine("1");
    QTest::newRow("Vatican 2 euro, slot 105")
        << owning({ 105 }) << u"1"_s
        << withLine(15, bytes("             Vatican :              2\x80  -- -- -- -- -- -- -- ")) << countLine("1");
    QTest::newRow("Slovenie 2 euro, slot 121")
        << owning({ 121 }) << u"1"_s
        << withLine(14, bytes("             Slov\351nie :              2\x80  -- -- -- -- -- -- -- "))
        << countLine("1");
    QTest::newRow("Pays-Bas 1 cent, slot 88")
        << owning({ 88 }) << u"1"_s
        << withLine(11, bytes("             Pays-Bas :              -- -- -- -- -- -- -- 1c\x80")) << countLine("1");
    QTest::newRow("each middle mark, Belgique")
        << owning({ 19, 20, 21, 22, 23 }) << u"5"_s
        << withLine(
               2, bytes("             Belgique :              -- -- 50c\x80  20c\x80  10c\x80  5c\x80  2c\x80  -- "))
        << countLine("5");
    // The count is the label's text, not a count of the ticks.
    QTest::newRow("count taken from the label") << Ownership {} << u"17"_s << emptyLines << countLine("17");
    QTest::newRow("empty label") << Ownership {} << QString() << emptyLines << countLine("");
}

void TestOwnedReport::wholeReport()
{
    QFETCH(Ownership, ownership);
    QFETCH(QString, count);
    QFETCH(QByteArray, issuerLines);
    QFETCH(QByteArray, countLine);
    QCOMPARE(printing::ownedReport(ownership, u"Numislot par QVT"_s, count),
        designedCaption + issuerLines + countLine + footer);
}

void TestOwnedReport::lineLengths()
{
    const QList<QByteArray> full = printing::ownedReport(complete(), u"x"_s, u"128"_s).split('\n');
    const QList<QByteArray> none = printing::ownedReport(Ownership {}, u"x"_s, u"0"_s).split('\n');
    // After the caption and its empty line, every other line is an issuer's; the '\r' stays on.
    QCOMPARE(full[6].left(22), QByteArray("             Belgique "));
    QCOMPARE(full[6].size(), 76 + 1);
    QCOMPARE(none[4].left(22), QByteArray("             Autriche "));
    QCOMPARE(none[4].size(), 61 + 1);
}

void TestOwnedReport::caption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("firstLine");

    QTest::newRow("after an open") << u"Numislot par QVT : /home/lea/pieces.eur"_s
                                   << bytes("Numislot par QVT : /home/lea/pieces.eur");
    QTest::newRow("accents in the path") << u"Numislot par QVT : /home/léa/Pièces €.eur"_s
                                         << bytes("Numislot par QVT : /home/l\351a/Pi\350ces \x80.eur");
    QTest::newRow("characters outside Windows-1252") << u"Numislot par QVT : /home/收藏/Ωmega.eur"_s
                                                     << bytes("Numislot par QVT : /home/??"
                                                              "/?mega.eur");
    QTest::newRow("a character beyond the BMP counts once")
        << u"Numislot par QVT : /tmp/\U0001F600.eur"_s << bytes("Numislot par QVT : /tmp/?.eur");
    QTest::newRow("a lone surrogate") << u"a"_s + QChar(0xD83D) + u"b"_s << bytes("a?b");
    QTest::newRow("a lone surrogate at the end") << u"ab"_s + QChar(0xDB00) << bytes("ab?");
    QTest::newRow("a lone low surrogate first") << QString(QChar(0xDC00)) + u"b"_s << bytes("?b");
    QTest::newRow("line breaks in a file name")
        << u"Numislot par QVT : /tmp/a\nb\r\nc.eur"_s << bytes("Numislot par QVT : /tmp/a?b??c.eur");
    QTest::newRow("empty caption") << QString() << QByteArray();
}

void TestOwnedReport::caption()
{
    QFETCH(QString, caption);
    QFETCH(QByteArray, firstLine);
    // Whatever the caption holds, everything after its line is untouched.
    QCOMPARE(printing::ownedReport(Ownership {}, caption, u"0"_s),
        firstLine + bytes("\r\n\r\n") + emptyLines + countLine("0") + footer);
}

void TestOwnedReport::lineBreaks()
{
    for (const QByteArray& report : { printing::ownedReport(Ownership {}, u"Numislot par QVT"_s, u"0"_s),
             printing::ownedReport(complete(), u"été\n"_s, u"1\r2"_s) }) {
        QVERIFY(report.endsWith(footer));
        QCOMPARE(report.count("\r\n"), 36); // 37 lines
        QCOMPARE(report.count('\n'), 36);
        QCOMPARE(report.count('\r'), 36);
    }
}

void TestOwnedReport::writeTruncates()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(u"NumislotImprim.txt"_s);
    const QByteArray longer
        = printing::ownedReport(complete(), u"Numislot par QVT : /a/very/long/path.eur"_s, u"128"_s);
    const QByteArray shorter = printing::ownedReport(Ownership {}, u"N"_s, u"0"_s);
    QVERIFY(longer.size() > shorter.size());
    QVERIFY(printing::writeOwnedReport(file, longer));
    QCOMPARE(readFileBytes(file), longer);
    QVERIFY(printing::writeOwnedReport(file, shorter));
    QCOMPARE(readFileBytes(file), shorter);
}

void TestOwnedReport::unwritablePath_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("under a missing directory") << u"absent/NumislotImprim.txt"_s;
    QTest::newRow("a directory") << u"folder"_s;
    QTest::newRow("empty path") << QString();
}

void TestOwnedReport::unwritablePath()
{
    QFETCH(QString, relative);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
    const QString target = relative.isEmpty() ? QString() : dir.filePath(relative);
    QVERIFY(!printing::writeOwnedReport(target, printing::ownedReport(Ownership {}, u"N"_s, u"0"_s)));
    QVERIFY(!QFileInfo::exists(dir.filePath(u"absent"_s)));
    QVERIFY(QFileInfo(dir.filePath(u"folder"_s)).isDir());
}

void TestOwnedReport::plantedAtTheName_data()
{
    QTest::addColumn<QString>("planted");
    QTest::newRow("link to a file") << u"link"_s;
    QTest::newRow("link to a missing file") << u"dangling"_s;
    QTest::newRow("named pipe") << u"pipe"_s;
    QTest::newRow("second name of a file") << u"hardlink"_s;
}

// Whatever was planted at the report's name, the report becomes a new regular file of its own and
// nothing else is written.
void TestOwnedReport::plantedAtTheName()
{
    QFETCH(QString, planted);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray report = QFile::encodeName(dir.filePath(u"NumislotImprim.txt"_s));
    const QByteArray other = QFile::encodeName(dir.filePath(u"other.eur"_s));
    const QByteArray kept = bytes("someone else's file");
    if (planted != u"dangling") {
        QFile file(QFile::decodeName(other));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(kept), kept.size());
    }
    if (planted == u"link" || planted == u"dangling")
        QCOMPARE(::symlink(other.constData(), report.constData()), 0);
    else if (planted == u"hardlink")
        QCOMPARE(::link(other.constData(), report.constData()), 0);
    else
        QCOMPARE(::mkfifo(report.constData(), 0600), 0);

    // Opening a pipe for writing waits for a reader: after a while the watchdog comes as one, so that
    // the case fails instead of hanging.
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool watchdogRead = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (finished.wait_for(lock, std::chrono::seconds(5), [&] { return done; }))
            return;
        const int reader = ::open(report.constData(), O_RDONLY | O_NONBLOCK);
        watchdogRead = reader >= 0;
        finished.wait(lock, [&] { return done; });
        if (reader >= 0)
            ::close(reader);
    });
    const QByteArray text = printing::ownedReport(Ownership {}, u"N"_s, u"0"_s);
    const bool written = printing::writeOwnedReport(QFile::decodeName(report), text);
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    finished.notify_all();
    watchdog.join();

    QVERIFY2(!watchdogRead, "the report waited on the pipe");
    QVERIFY(written);
    struct stat status = {};
    QCOMPARE(::lstat(report.constData(), &status), 0);
    QVERIFY(S_ISREG(status.st_mode));
    QCOMPARE(status.st_nlink, nlink_t(1));
    QCOMPARE(readFileBytes(QFile::decodeName(report)), text);
    if (planted == u"dangling")
        QVERIFY(!QFileInfo::exists(QFile::decodeName(other)));
    else
        QCOMPARE(readFileBytes(QFile::decodeName(other)), kept);
}

QTEST_GUILESS_MAIN(TestOwnedReport)
#include "tst_ownedreport.moc"
