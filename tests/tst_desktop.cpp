// Both windows on a GNOME desktop, as tests/mutter/run.sh starts it: through X when the
// desktop also offers X, at their places in the desktop's own frames, and natively on Wayland
// alone. Where they are is asked of the X server, not of Qt.

#include "Form1.h"
#include "guitest.h"

#include <QAction>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

template<typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t *xConnection()
{
    return qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_window_t xRoot()
{
    return xcb_setup_roots_iterator(xcb_get_setup(xConnection())).data->root;
}

QPoint xOrigin(const QWidget &window)
{
    xcb_connection_t *x = xConnection();
    const Reply<xcb_translate_coordinates_reply_t> place(
            xcb_translate_coordinates_reply(
                    x, xcb_translate_coordinates(x, xcb_window_t(window.winId()), xRoot(), 0, 0), nullptr),
            &std::free);
    return place ? QPoint(place->dst_x, place->dst_y) : QPoint(-1, -1);
}

// A window the desktop has framed is no longer a child of the root.
bool xFramed(const QWidget &window)
{
    xcb_connection_t *x = xConnection();
    const Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(x, xcb_query_tree(x, xcb_window_t(window.winId())), nullptr), &std::free);
    return tree && tree->parent != xRoot();
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void start_windowSystem_xWhereTheDesktopOffersIt();
    void start_aboutToo_bothWindowsUpAtTheirPlaces();
};

void TestDesktop::start_windowSystem_xWhereTheDesktopOffersIt()
{
    QVERIFY(!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    const QString expected = qEnvironmentVariableIsEmpty("DISPLAY") ? u"wayland"_s : u"xcb"_s;
    QCOMPARE(QGuiApplication::platformName(), expected);
}

void TestDesktop::start_aboutToo_bothWindowsUpAtTheirPlaces()
{
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction *>(u"about"_s)->trigger();
    const QList<Form2 *> about = aboutWindows();
    QCOMPARE(about.size(), 1);
    QVERIFY(QTest::qWaitForWindowExposed(about.first()));
    if (QGuiApplication::platformName() != "xcb"_L1)
        return;

    const struct
    {
        QWidget *window;
        QWidget *client;
        QPoint place;
    } windows[] = {{&window, window.centralWidget(), {387, 190}}, {about.first(), about.first(), {454, 210}}};
    for (const auto &[shown, client, place] : windows) {
        QTRY_VERIFY2(xFramed(*shown), qPrintable(shown->objectName()));
        QTRY_COMPARE(xOrigin(*shown) + client->mapTo(shown, QPoint(0, 0)), place);
    }
}

GUI_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
