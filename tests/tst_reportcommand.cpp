// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Forms.h"
#include "collection/ReportFile.h"
#include "forms/ReportPrinting.h"
#include "forms/Unit1.h"
#include "support/FakeServices.h"
#include "support/Files.h"
#include "support/TestMain.h"
#include "toolkit/Environment.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <memory>

using namespace Qt::StringLiterals;
using namespace numislot;

namespace {

// Every print dialog gets a printer aimed at a PDF file, confirmed or not, so a job that should not
// happen leaves a file behind.
class PdfServices : public FakeServices
{
public:
    QString pdfPath;
    bool runPrintDialog(QWidget* parent, QPrinter& printer) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return FakeServices::runPrintDialog(parent, printer);
    }
};

QString decoded(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder(bytes);
}

QString simplified(const QString& line)
{
    return line.simplified();
}

void triggerMenu(const QString& name)
{
    auto* action = Form1->findChild<QAction*>(name);
    QVERIFY(action);
    action->trigger();
}

} // namespace

// "Mes €uros" through the real main window: the file it writes, what it loads, when it prints.
class TestReportCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QFile::remove(collection::reportFilePath());
        QVERIFY(m_dir.isValid());
        m_services.pdfPath = m_dir.filePath(u"report.pdf"_s);
        QFile::remove(m_services.pdfPath);
        createForms(m_services);
    }
    void cleanup()
    {
        destroyForms();
        QFile::remove(collection::reportFilePath());
        QDir(collection::reportFilePath()).removeRecursively();
        m_services = PdfServices();
    }

    void captionAfterOpenIsTheFirstLine()
    {
        const QString path = m_dir.filePath(u"ma collection.eur"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(128, '0'));
        file.close();
        m_services.pdfPath = m_dir.filePath(u"report.pdf"_s);
        m_services.fileAnswers.push_back(path);
        triggerMenu(u"Charger1"_s);
        QCOMPARE(Form1->windowTitle(), u"Numislot par QVT : "_s + path);

        triggerMenu(u"Mesuros1"_s);
        const QStringList lines = decoded(readFileBytes(collection::reportFilePath())).split(u"\r\n"_s);
        QCOMPARE(lines.size(), 37);
        QCOMPARE(lines.first(), u"Numislot par QVT : "_s + path);
        QCOMPARE(Form1->richEdit()->toPlainText().split(u'\n').first(), lines.first());
    }

    void twoRunsLeaveOneReport()
    {
        triggerMenu(u"Mesuros1"_s);
        Form1->checkBox(113)->setChecked(true);
        triggerMenu(u"Mesuros1"_s);
        const QString text = decoded(readFileBytes(collection::reportFilePath()));
        QCOMPARE(text.count(u"Je possède donc"_s), 1);
        QVERIFY(text.contains(u"Je possède donc 1 €uros sur 128\r\n"_s));
        QCOMPARE(text.split(u"\r\n"_s).size(), 37);
        QCOMPARE(Form1->richEdit()->toPlainText(), QString(text).replace(u"\r\n"_s, u"\n"_s));
        QCOMPARE(m_services.printDialogs, 2);
    }

    void cancelledDialogLeavesTheFileAndPrintsNothing()
    {
        m_services.printAnswers = { false };
        triggerMenu(u"Mesuros1"_s);
        QCOMPARE(m_services.printDialogs, 1);
        const QByteArray bytes = readFileBytes(collection::reportFilePath());
        QVERIFY(bytes.startsWith("Numislot par QVT\r\n\r\n"));
        QVERIFY(bytes.contains("Je poss\xE8"
                               "de donc 0 \x80uros sur 128\r\n\r\n"));
        // Loaded as Windows-1252, one paragraph per line.
        const QStringList loaded = Form1->richEdit()->toPlainText().split(u'\n');
        QCOMPARE(loaded.size(), 37);
        QCOMPARE(loaded.at(34), u"Je possède donc 0 €uros sur 128"_s);
        QCOMPARE(loaded.at(14), u"             Grèce :              -- -- -- -- -- -- -- -- "_s);
        QVERIFY(!QFile::exists(m_services.pdfPath));
    }

    void unwritableReportEndsSilently()
    {
        // A directory in the report's place: not even root can create the file.
        QVERIFY(QDir().mkpath(collection::reportFilePath()));
        Form1->richEdit()->setPlainText(u"avant"_s);
        m_services.printAnswers = { true };
        triggerMenu(u"Mesuros1"_s);
        QCOMPARE(m_services.printDialogs, 0);
        QVERIFY(m_services.messages.isEmpty());
        QVERIFY(m_services.exceptions.isEmpty());
        QCOMPARE(Form1->richEdit()->toPlainText(), u"avant"_s);
        QVERIFY(!QFile::exists(m_services.pdfPath));
    }

private:
    QTemporaryDir m_dir;
    PdfServices m_services;
};

// The report on paper: every line, in order, on as many pages as the paper needs.
class TestReportPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        createForms(m_services);
        QFile::remove(m_pdf);
    }
    void cleanup()
    {
        destroyForms();
        m_services = FakeServices();
    }

    void printsAllLines_data()
    {
        QTest::addColumn<QPageSize>("paper");
        QTest::addColumn<bool>("onePage");
        QTest::addRow("A4, one page") << QPageSize(QPageSize::A4) << true;
        QTest::addRow("wide short paper, several pages")
            << QPageSize(QSizeF(254, 90), QPageSize::Millimeter, u"strip"_s) << false;
    }
    void printsAllLines()
    {
        QFETCH(QPageSize, paper);
        QFETCH(bool, onePage);
        for (int slot : { 1, 2, 4, 7, 8, 121, 128 })
            Form1->checkBox(slot)->setChecked(true);
        QRectF printable;
        m_services.printAnswers = { true };
        m_services.preparePrinter = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_pdf);
            printer.setPageSize(paper);
            printable = printer.pageRect(QPrinter::Point);
        };
        triggerMenu(u"Mesuros1"_s);
        QVERIFY(QFile::exists(m_pdf));

        const QString info = runCommand(u"pdfinfo"_s, { m_pdf });
        static const QRegularExpression pageCount(u"Pages: +([0-9]+)"_s);
        const int pages = pageCount.match(info).captured(1).toInt();
        QVERIFY2(onePage ? pages == 1 : pages > 1, qPrintable(info));

        const QStringList expected = decoded(readFileBytes(collection::reportFilePath())).split(u"\r\n"_s);
        QCOMPARE(expected.size(), 37);
        // On one page every line keeps its place, empty ones too; page breaks add blank lines of their own.
        const auto shown = [onePage](const QStringList& lines) {
            QStringList kept;
            for (const QString& line : lines) {
                if (onePage || !line.trimmed().isEmpty())
                    kept.append(simplified(line));
            }
            while (!kept.isEmpty() && kept.last().isEmpty())
                kept.removeLast();
            return kept;
        };
        const QString printed = runCommand(u"pdftotext"_s, { u"-layout"_s, m_pdf, u"-"_s });
        QCOMPARE(shown(printed.split(u'\n')), shown(expected));

        // The text starts at the printable area's corner: no margin of the program's own.
        const QString boxes
            = runCommand(u"pdftotext"_s, { u"-bbox"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, m_pdf, u"-"_s });
        static const QRegularExpression firstWord(uR"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)")re"_s);
        const QRegularExpressionMatch match = firstWord.match(boxes);
        QVERIFY(match.hasMatch());
        QVERIFY2(qAbs(match.captured(1).toDouble() - printable.left()) < 3, qPrintable(match.captured(1)));
        QVERIFY2(qAbs(match.captured(2).toDouble() - printable.top()) < 6, qPrintable(match.captured(2)));
    }

private:
    FakeServices m_services;
    QTemporaryDir m_dir;
    QString m_pdf = m_dir.filePath(u"report.pdf"_s);
};

int main(int argc, char** argv)
{
    // The report goes to the user's runtime directory; tests get their own.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    toolkit::installFontSubstitutes();
    QApplication application(argc, argv);
    return runTestClasses<TestReportCommand, TestReportPrint>(argc, argv);
}

#include "tst_reportcommand.moc"
