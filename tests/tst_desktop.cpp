// Both windows on a GNOME desktop, as tests/mutter/run.sh starts it: through X when the
// desktop also offers X, at their places in the desktop's own frames, and natively on Wayland
// alone. Where they are is asked of the X server, not of Qt.

#include "Form1.h"
#include "guitest.h"

#include <QAction>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
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

// What the desktop lets the user do to the window, by the names it gives.
QStringList xAllowedActions(const QWidget &window)
{
    xcb_connection_t *x = xConnection();
    auto atom = [x](const char *name) {
        const Reply<xcb_intern_atom_reply_t> reply(
                xcb_intern_atom_reply(x, xcb_intern_atom(x, false, uint16_t(strlen(name)), name), nullptr),
                &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    };
    const Reply<xcb_get_property_reply_t> property(
            xcb_get_property_reply(x,
                                   xcb_get_property(x, false, xcb_window_t(window.winId()),
                                                    atom("_NET_WM_ALLOWED_ACTIONS"), XCB_ATOM_ATOM, 0, 64),
                                   nullptr),
            &std::free);
    QStringList names;
    if (!property)
        return names;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(property.get()));
    for (int i = 0; i < xcb_get_property_value_length(property.get()) / 4; ++i) {
        const Reply<xcb_get_atom_name_reply_t> name(
                xcb_get_atom_name_reply(x, xcb_get_atom_name(x, atoms[i]), nullptr), &std::free);
        if (name)
            names.append(QString::fromLatin1(xcb_get_atom_name_name(name.get()),
                                             xcb_get_atom_name_name_length(name.get())));
    }
    return names;
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
        const QStringList allowed = xAllowedActions(*shown);
        QVERIFY2(allowed.contains("_NET_WM_ACTION_CLOSE"_L1), qPrintable(allowed.join(' ')));
        for (const char *action : {"_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ",
                                   "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_RESIZE"})
            QVERIFY2(!allowed.contains(QLatin1StringView(action)), action);
    }
}

GUI_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
