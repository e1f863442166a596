#include "Form1.h"
#include "application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Through X shared memory, each repaint that overlaps the one before waits for the X server:
    // a round trip and two thread wake-ups for each character the about window types. The windows
    // are small enough to send their pixels through the connection, which needs no wait.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    chooseWindowSystem();
    QApplication app(argc, argv);
    setUpApplication();
    Form1 window;
    iconOnceDrawn(&window);
    window.show();
    return QApplication::exec();
}
