#pragma once

#include "application.h"

#include <QApplication>
#include <QTest>

// Like QTEST_MAIN, but the application is set up as the program sets itself up, and the
// desktop's locale is French whatever the machine running the tests says: the windows read
// and write numbers in it.
#define GUI_TEST_MAIN(TestClass)                     \
    int main(int argc, char *argv[])                 \
    {                                                \
        qputenv("LC_ALL", "fr_FR.UTF-8");            \
        QApplication app(argc, argv);                \
        setUpApplication();                          \
        TestClass test;                              \
        return QTest::qExec(&test, argc, argv);      \
    }
