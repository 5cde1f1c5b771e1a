// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/FirstShow.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

using namespace numislot;

// Work held back until a window is first shown or printed.
class TestFirstShow : public QObject
{
    Q_OBJECT

private slots:
    void heldBackWorkFoundAmongOtherChildren()
    {
        // The window's first child is not the one holding the work: it must still be found, and run once.
        QWidget window;
        new QObject(&window);
        int runs = 0;
        (new toolkit::FirstShow(&window))->add([&runs] { ++runs; });
        toolkit::FirstShow::runFor(window);
        toolkit::FirstShow::runFor(window);
        QCOMPARE(runs, 1);
    }
};

QTEST_MAIN(TestFirstShow)
#include "tst_firstshow.moc"
