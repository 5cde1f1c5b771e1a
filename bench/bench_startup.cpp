// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, as main() runs it, ending after the first frame of the main window:
// the clock is printed for bench/run and the event loop quits. The hook lives only in this executable.

#include "app/Forms.h"
#include "bench_startup_clock.h"
#include "forms/Unit1.h"
#include "toolkit/Services.h"

#include <QCoreApplication>

namespace {

// Runs inside the application's constructor, before any window exists.
void watchForm1()
{
    numislot::bench::quitAfterFirstPaint(
        *QCoreApplication::instance(), [] { return static_cast<QObject*>(numislot::Form1); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForm1)

int main(int argc, char** argv)
{
    numislot::toolkit::SystemServices services;
    return numislot::runApplication(argc, argv, services);
}
