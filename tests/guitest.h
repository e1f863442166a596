#pragma once

#include "Form2.h"
#include "application.h"

#include <QApplication>
#include <QTest>

// A control of a window, by the name the window gives it.
template<typename T = QWidget>
T *child(const QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(QLatin1StringView(name));
    if (!widget)
        qFatal("%s has no control named %s", qPrintable(window.objectName()), name);
    return widget;
}

// The about windows that exist: one at most, whatever the user does.
inline QList<Form2 *> aboutWindows()
{
    QList<Form2 *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *about = qobject_cast<Form2 *>(widget))
            found.append(about);
    }
    return found;
}

// Like QTEST_MAIN, but the application is set up as the program sets itself up, and the
// desktop's locale is French whatever the machine running the tests says: the windows read
// and write numbers in it.
#define GUI_TEST_MAIN(TestClass)                     \
    int main(int argc, char *argv[])                 \
    {                                                \
        qputenv("LC_ALL", "fr_FR.UTF-8");            \
        chooseWindowSystem();                        \
        QApplication app(argc, argv);                \
        setUpApplication();                          \
        TestClass test;                              \
        return QTest::qExec(&test, argc, argv);      \
    }
