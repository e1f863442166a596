#include "application.h"

#include "appinfo.h"
#include "formbuilder.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QTimer>

using namespace Qt::StringLiterals;

void chooseWindowSystem()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")
        && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        // Qt tries the next in the list when one fails: an X server that has gone away leaves
        // the program on Wayland rather than ending it.
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}

void setUpApplication()
{
    QApplication::setApplicationName(QString::fromUtf8(appinfo::name));
    QApplication::setApplicationVersion(QString::fromUtf8(appinfo::version));
    // Lets the desktop match the windows to the installed entry and its icon.
    QApplication::setDesktopFileName(QString::fromUtf8(appinfo::id));

    // The windows are drawn for Tahoma, which few Linux desktops have. fontconfig's stand-in,
    // DejaVu Sans, is too wide for several captions; Liberation Sans keeps every caption whole.
    QFont::insertSubstitution(u"Tahoma"_s, u"Liberation Sans"_s);
}

void iconOnceDrawn(QWidget *window)
{
    // Posted, so that it comes after the frame the window is about to draw.
    beforeFirstFrame(window, [] {
        QTimer::singleShot(0, qApp, [] {
            QIcon icon;
            for (const int size : appinfo::iconSizes)
                icon.addFile(u":/icon-%1.png"_s.arg(size), QSize(size, size));
            QApplication::setWindowIcon(icon);
        });
    });
}
