#include "Form1.h"
#include "application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    Form1 window;
    window.show();
    return QApplication::exec();
}
