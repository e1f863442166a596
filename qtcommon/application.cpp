#include "application.h"

#include "appinfo.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QScreen>
#include <QWidget>

using namespace Qt::StringLiterals;

void setUpApplication()
{
    QApplication::setApplicationName(QString::fromUtf8(appinfo::name));
    QApplication::setApplicationVersion(QString::fromUtf8(appinfo::version));
    // Lets the desktop match the windows to the installed entry and its icon.
    QApplication::setDesktopFileName(QString::fromUtf8(appinfo::id));

    QIcon icon;
    for (const int size : {16, 32, 48, 64, 96, 128})
        icon.addFile(u":/icon-%1.png"_s.arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    // The windows are drawn for Tahoma, which few desktops outside Windows have. The face
    // fontconfig puts in its place, DejaVu Sans, is too wide for several captions; Liberation
    // Sans, of the same size and weight, keeps every caption whole.
    QFont::insertSubstitution(u"Tahoma"_s, u"Liberation Sans"_s);
}

void makeFixedWindow(QWidget *window, QPoint clientOrigin)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // The geometry, unlike move(), places the client area: the window frame comes around it.
    // The origin is on the primary screen, wherever that lies among the desktop's screens.
    const QPoint screenOrigin = QGuiApplication::primaryScreen()->geometry().topLeft();
    window->setGeometry(QRect(screenOrigin + clientOrigin, window->size()));
}
