// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs several test classes in one executable, each built just before it runs and destroyed after,
// and gives a failing status when any of them failed.

#include <QTest>

template <typename Test> int runTestClass(int argc, char** argv)
{
    Test test;
    return QTest::qExec(&test, argc, argv);
}

template <typename... Tests> int runTestClasses(int argc, char** argv)
{
    int status = 0;
    ((status |= runTestClass<Tests>(argc, argv)), ...);
    return status;
}
