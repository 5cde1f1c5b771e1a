// SPDX-License-Identifier: GPL-3.0-or-later
// Each catalogue page and the owned-coins report printed to a PDF file at 1200 dpi, and the report's
// other two steps on their own: writing its file and loading that into the hidden text box.
// Run one benchmark per process (--benchmark_filter) to read its own peak memory.

#include "forms/CataloguePage.h"
#include "forms/ReportPrinting.h"
#include "forms/Unit16.h"
#include "forms/Unit6.h"
#include "forms/Unit7.h"
#include "printing/OwnedReport.h"
#include "toolkit/Environment.h"
#include "toolkit/Services.h"

#include <QApplication>
#include <QPrinter>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextEdit>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using namespace numislot;

namespace {

struct Pages
{
    toolkit::SystemServices services;
    TForm16 gallery;
    TForm7 page2;
    TForm6 page1 { services };
    Pages()
    {
        page1.setPages(&page2, &gallery);
        page1.FillCataloguePages();
    }
};

QTemporaryDir* outputDir = nullptr;

void configure(QPrinter& printer)
{
    printer.setResolution(1200);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(outputDir->filePath(u"out.pdf"_s));
    printer.setPageSize(QPageSize(QPageSize::A4));
}

void reportPeak(benchmark::State& state)
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = double(usage.ru_maxrss) / 1024.0;
}

void printPage(benchmark::State& state, int number)
{
    static Pages pages;
    const QWidget& page = number == 1 ? static_cast<const QWidget&>(pages.page1) : pages.page2;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        configure(printer);
        benchmark::DoNotOptimize(printCataloguePages(printer, { &page }));
    }
    reportPeak(state);
}

void BM_CataloguePage1(benchmark::State& state)
{
    printPage(state, 1);
}
void BM_CataloguePage2(benchmark::State& state)
{
    printPage(state, 2);
}

// A collection of 43 coins spread over every issuer.
QByteArray sampleReport()
{
    collection::Ownership owned {};
    for (int slot = 1; slot <= 128; slot += 3)
        owned[slot - 1] = true;
    return printing::ownedReport(owned, u"Numislot par QVT"_s, u"43"_s);
}

void BM_ReportWrite(benchmark::State& state)
{
    const QString path = outputDir->filePath(u"NumislotImprim.txt"_s);
    for (auto _ : state) {
        // Built and written, as the print command does each time.
        if (!printing::writeOwnedReport(path, sampleReport())) {
            state.SkipWithError("report not written");
            return;
        }
    }
}

void BM_ReportLoad(benchmark::State& state)
{
    const QString path = outputDir->filePath(u"NumislotImprim.txt"_s);
    if (!printing::writeOwnedReport(path, sampleReport())) {
        state.SkipWithError("report not written");
        return;
    }
    QTextEdit richEdit;
    richEdit.setFont(toolkit::formFont(19));
    for (auto _ : state)
        benchmark::DoNotOptimize(loadReportFile(richEdit, path));
    if (!richEdit.toPlainText().startsWith(u"Numislot par QVT"_s))
        state.SkipWithError("report not loaded");
}

void BM_OwnedReport(benchmark::State& state)
{
    QStringDecoder decoder("windows-1252");
    const QString text = QString(decoder(sampleReport())).replace(u"\r\n"_s, u"\n"_s);
    const QFont font = toolkit::formFont(19);
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        configure(printer);
        benchmark::DoNotOptimize(printReportText(printer, text, font));
    }
    reportPeak(state);
}

BENCHMARK(BM_CataloguePage1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CataloguePage2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReportLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OwnedReport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    toolkit::installFontSubstitutes();
    QApplication application(argc, argv);
    QTemporaryDir dir;
    outputDir = &dir;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
