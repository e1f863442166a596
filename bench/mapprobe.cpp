// Starts a program on the X display and watches it from outside:
//
//   mapprobe [--settle MS] [--timeout MS] [--title TEXT] PROGRAM [ARGUMENT...]
//
// prints, on one line, the milliseconds from just before exec to the first top-level window
// mapped on the display, the peak resident memory (VmHWM) read once the window has been up and
// idle for the settle time (500 ms unless told), and the ru_maxrss that wait4 reports after the
// program is ended:
//
//   map_ms=41.27 vmhwm_kb=52344 maxrss_kb=52344
//
// The display must have no window manager and no other client mapping windows: every map of a
// child of the root window is taken as the program's. Exits non-zero, with a message, when the
// program ends or the timeout (10 s) passes before a window is mapped.
//
// With --title, only a top-level window whose title (_NET_WM_NAME or WM_NAME) is exactly TEXT
// counts, override-redirect or not, from the moment it is both mapped and so named: Wine with no
// window manager maps the frames it draws itself as override-redirect windows, and the program
// it runs is not alone in making windows.

#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <unordered_set>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "mapprobe: %s\n", what);
    std::exit(2);
}

long statusKiB(pid_t pid, const std::string &field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.compare(0, field.size() + 1, field + ":") == 0)
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    }
    return -1;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    if (!reply)
        fail("cannot intern an atom");
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

// Under Wine the program's window is known by its title only: Wine's own processes make
// top-level windows of their own on the same display.
struct TitleFilter {
    std::string text;
    xcb_atom_t netWmName;

    std::optional<std::string> property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name) const
    {
        // A window that is already gone gives no reply, and so no title.
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
                connection, xcb_get_property(connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
        if (!reply)
            return std::nullopt;
        std::optional<std::string> value;
        if (reply->type != XCB_NONE)
            value.emplace(static_cast<const char *>(xcb_get_property_value(reply)),
                          std::size_t(xcb_get_property_value_length(reply)));
        std::free(reply);
        return value;
    }

    bool matches(xcb_connection_t *connection, xcb_window_t window) const
    {
        return property(connection, window, netWmName) == text
                || property(connection, window, XCB_ATOM_WM_NAME) == text;
    }
};

// Waits for the first top-level window mapped, or for `deadline`, and tells when it came.
// Without a title, only a window that is not override-redirect counts: menus and tooltips map
// themselves that way, and are not the program's main window. With one, a window mapped under
// another name is watched until it takes the wanted one or is unmapped.
std::optional<Clock::time_point> waitForTopLevelMap(xcb_connection_t *connection, xcb_window_t root, pid_t child,
                                                    Clock::time_point deadline, const TitleFilter *title)
{
    pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
    std::unordered_set<xcb_window_t> mappedUnnamed;
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const Clock::time_point arrived = Clock::now();
            const int type = event->response_type & 0x7f;
            bool found = false;
            if (type == XCB_MAP_NOTIFY && reinterpret_cast<xcb_map_notify_event_t *>(event)->event == root) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (!title) {
                    found = !map->override_redirect;
                } else {
                    // Selected before the title is read, so that no renaming in between is missed.
                    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
                    xcb_change_window_attributes(connection, map->window, XCB_CW_EVENT_MASK, &mask);
                    found = title->matches(connection, map->window);
                    if (!found)
                        mappedUnnamed.insert(map->window);
                }
            } else if (title && type == XCB_UNMAP_NOTIFY
                       && reinterpret_cast<xcb_unmap_notify_event_t *>(event)->event == root) {
                mappedUnnamed.erase(reinterpret_cast<xcb_unmap_notify_event_t *>(event)->window);
            } else if (title && type == XCB_PROPERTY_NOTIFY) {
                const auto *change = reinterpret_cast<xcb_property_notify_event_t *>(event);
                found = mappedUnnamed.count(change->window)
                        && (change->atom == title->netWmName || change->atom == XCB_ATOM_WM_NAME)
                        && title->matches(connection, change->window);
            }
            std::free(event);
            if (found)
                return arrived;
        }
        if (xcb_connection_has_error(connection))
            fail("lost the X connection");
        siginfo_t ended{};
        if (waitid(P_PID, id_t(child), &ended, WEXITED | WNOHANG | WNOWAIT) == 0 && ended.si_pid == child)
            fail("the program ended before mapping a window");
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        // Wakes at least every 50 ms to notice a program that died without mapping anything.
        poll(&watched, 1, int(std::min<long>(left.count(), 50)));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    int settleMs = 500;
    int timeoutMs = 10000;
    const char *wantedTitle = nullptr;
    int first = 1;
    for (; first + 1 < argc && std::strncmp(argv[first], "--", 2) == 0; first += 2) {
        if (std::strcmp(argv[first], "--settle") == 0)
            settleMs = std::atoi(argv[first + 1]);
        else if (std::strcmp(argv[first], "--timeout") == 0)
            timeoutMs = std::atoi(argv[first + 1]);
        else if (std::strcmp(argv[first], "--title") == 0)
            wantedTitle = argv[first + 1];
        else
            fail("unknown option");
    }
    if (first >= argc)
        fail("usage: mapprobe [--settle MS] [--timeout MS] [--title TEXT] PROGRAM [ARGUMENT...]");

    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection))
        fail("cannot open the display named by DISPLAY");
    // The program must not inherit our connection.
    fcntl(xcb_get_file_descriptor(connection), F_SETFD, FD_CLOEXEC);

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    std::optional<TitleFilter> title;
    if (wantedTitle)
        title = TitleFilter{wantedTitle, atom(connection, "_NET_WM_NAME")};

    // The selection must be in force before the program can map anything: the checked request
    // makes a round trip, so the server has applied it when the reply comes back.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (xcb_generic_error_t *error = xcb_request_check(
                connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        fail("cannot watch the root window");
    }

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0)
        fail("fork failed");
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror("mapprobe: exec");
        _exit(127);
    }

    const std::optional<Clock::time_point> mapped = waitForTopLevelMap(
            connection, root, child, start + std::chrono::milliseconds(timeoutMs), title ? &*title : nullptr);
    if (!mapped) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        fail("no top-level window mapped before the timeout");
    }
    const double mapMs = std::chrono::duration<double, std::milli>(*mapped - start).count();

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long vmhwm = statusKiB(child, "VmHWM");

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    xcb_disconnect(connection);

    std::printf("map_ms=%.2f vmhwm_kb=%ld maxrss_kb=%ld\n", mapMs, vmhwm, usage.ru_maxrss);
    return 0;
}
