#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

// What a Qt Widgets program costs before doing anything of its own: a fixed-size window as large
// as the calculator's, whose menu bar holds one menu. The calculator's start-up is measured
// against it.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Plus"));
    window.setFixedSize(476, 276 + window.menuBar()->sizeHint().height());
    window.show();
    return QApplication::exec();
}
