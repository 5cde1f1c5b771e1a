// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a collection that changes all 128 boxes of the main window, with every box handler and the
// completion refresh running, as the Open command does it (the file dialog answered by a fake).

#include "forms/Unit1.h"
#include "support/FakeServices.h"
#include "toolkit/Environment.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

struct Files
{
    QTemporaryDir dir;
    QString all;
    QString none;

    Files()
    {
        all = dir.filePath(u"all.eur"_s);
        none = dir.filePath(u"none.eur"_s);
        write(all, '1');
        write(none, '0');
    }
    static void write(const QString& path, char mark)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(128, mark)) != 128)
            std::abort();
    }
};

bool load(numislot::TForm1& form, FakeServices& services, const QString& path)
{
    services.fileAnswers.push_back(path);
    return form.openDialog().execute(services, &form) && form.LoadCollection();
}

// One load: from none to all owned, or back; the count per iteration is one load of 128 changes.
void LoadChangingAll128(benchmark::State& state, bool paint)
{
    const Files files;
    FakeServices services;
    numislot::TForm1 form(services);
    form.show();
    QCoreApplication::processEvents();
    bool toAll = true;
    for (auto _ : state) {
        if (!load(form, services, toAll ? files.all : files.none)) {
            state.SkipWithError("load failed");
            return;
        }
        if (paint)
            QCoreApplication::processEvents(); // the repaint it scheduled
        toAll = !toAll;
    }
    if (form.state().ownedCount() != (toAll ? 0 : 128) || !services.messages.isEmpty())
        state.SkipWithError("the boxes did not follow the file");
}

void LoadAll128(benchmark::State& state)
{
    LoadChangingAll128(state, false);
}
void LoadAll128AndRepaint(benchmark::State& state)
{
    LoadChangingAll128(state, true);
}

} // namespace

BENCHMARK(LoadAll128)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadAll128AndRepaint)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    numislot::toolkit::installFontSubstitutes();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
