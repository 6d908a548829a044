#pragma once

// Every window test is compiled into one program, so the program links Qt
// Widgets and the windows once instead of once per test. This header comes
// first in each test's file (the build includes it), and turns the test's
// QTEST_MAIN into an entry of that program's table under the test class's
// name; the program runs the one test its first argument names, with
// everything after it for Qt Test. Its names carry the class's, as several
// tests may share one file in a unity build.
#include <QtTest>

using WindowTestRun = int (*)(int argc, char* argv[]);

bool addWindowTest(const char* name, WindowTestRun run);

#undef QTEST_MAIN
#define QTEST_MAIN(TestObject)                                                                                         \
    static int runWindowTest##TestObject(int argc, char* argv[])                                                       \
    {                                                                                                                  \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                                             \
        QTEST_MAIN_SETUP()                                                                                             \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }                                                                                                                  \
    static const bool windowTestAdded##TestObject = addWindowTest(#TestObject, runWindowTest##TestObject);
