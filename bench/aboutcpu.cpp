// The processor time the about window costs, in the calculator as the program runs it:
//
//   aboutcpu MODE [--phase SECONDS] [--server PID]
//
//   shown         the about window is opened through the calculator's menu action and stays on
//                 screen;
//   hidden        it is opened, then hidden at once with its button, and its text goes on typing;
//   none          the calculator alone, the about window never opened: what the rest costs;
//   plain-shown,  instead of the about window, a plain text box of the same size and font, to
//   plain-hidden  which a timer of the same pace appends the same text one character a tick in
//                 the cheapest way Qt has, and does nothing once it is all in: the least that
//                 showing such typing costs on this machine, to hold the about window against.
//
// Two phases of the same wall time (10 s unless told) are measured: "typing", from the opening
// on, and "complete", from a second after the typing is over (the about window's timer has
// stopped; the plain box has all the text). For each it prints the process's user+system time
// as a share of one core; its wake-ups a second, the voluntary context switches of all its
// threads (summed from /proc/self/task/*/status) less the one that ends the phase, and those of
// the GUI thread alone; and, given the X server's process id, the server's share of one core,
// since each repaint also costs the server the drawing:
//
//   typing wall_s=10.000 cpu_s=0.0421 cpu_pct=0.42 user_pct=0.25 system_pct=0.17
//          wakeups_per_s=20.0 main_wakeups_per_s=20.0 server_pct=0.31   (on one line)

#include "Form1.h"
#include "Form2.h"
#include "qtstrings.h"
#include "application.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Clock = std::chrono::steady_clock;

namespace {

struct Sample
{
    Clock::time_point wall;
    double user = 0;      // this process, seconds
    double system = 0;    // this process in the kernel, seconds
    double serverCpu = 0; // the X server, seconds
    long long switches = 0;     // voluntary context switches, all threads
    long long mainSwitches = 0; // those of the GUI thread
};

double seconds(const timeval &time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

double otherCpuSeconds(pid_t pid)
{
    if (pid <= 0)
        return 0;
    std::ifstream statFile("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(statFile, line);
    // The command name may hold blanks: fields are counted from the parenthesis that closes it.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int number = 3; number <= 15 && fields >> field; ++number) {
        if (number == 14)
            utime = std::stoull(field);
        else if (number == 15)
            stime = std::stoull(field);
    }
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

long long voluntarySwitches(const std::string &task)
{
    std::ifstream status("/proc/self/task/" + task + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
            return std::stoll(line.substr(line.find(':') + 1));
    }
    return 0;
}

Sample sample(pid_t server)
{
    // The same utime and stime that /proc/self/stat holds, but in microseconds rather than ticks.
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    Sample now{Clock::now(), seconds(usage.ru_utime), seconds(usage.ru_stime), otherCpuSeconds(server)};
    // Each thread that sleeps and is woken counts a voluntary switch: /proc/self/status holds
    // only the GUI thread's, not those of the thread Qt reads the X connection with.
    const QStringList tasks = QDir(u"/proc/self/task"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &task : tasks)
        now.switches += voluntarySwitches(task.toStdString());
    now.mainSwitches = voluntarySwitches(std::to_string(getpid()));
    return now;
}

void report(const char *phase, const Sample &from, const Sample &to)
{
    const double wall = std::chrono::duration<double>(to.wall - from.wall).count();
    const double user = to.user - from.user;
    const double system = to.system - from.system;
    // The phase ends with a timer that wakes the GUI thread once: that wake is the measuring's.
    const double wakeups = double(to.switches - from.switches - 1) / wall;
    const double mainWakeups = double(to.mainSwitches - from.mainSwitches - 1) / wall;
    std::printf("%s wall_s=%.3f cpu_s=%.4f cpu_pct=%.2f user_pct=%.2f system_pct=%.2f wakeups_per_s=%.1f"
                " main_wakeups_per_s=%.1f server_pct=%.2f\n",
                phase, wall, user + system, 100 * (user + system) / wall, 100 * user / wall,
                100 * system / wall, wakeups, mainWakeups, 100 * (to.serverCpu - from.serverCpu) / wall);
    std::fflush(stdout);
}

Form2 *aboutWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *about = qobject_cast<Form2 *>(widget))
            return about;
    }
    return nullptr;
}

// Its timer stops once the text is complete, shown or hidden.
bool aboutTypingOver()
{
    Form2 *about = aboutWindow();
    return about && !about->findChild<QTimer *>(u"Timer1"_s)->isActive();
}

class PlainTyping : public QTextEdit
{
public:
    PlainTyping()
    {
        setReadOnly(true);
        setFixedSize(249, 137);
        QFont bold(u"Tahoma"_s);
        bold.setBold(true);
        bold.setPointSizeF(8.25);
        setFont(bold);
        QPalette colours = palette();
        colours.setColor(QPalette::Base, QColor(0x0b, 0x25, 0x45));
        colours.setColor(QPalette::Text, Qt::white);
        setPalette(colours);
        timer.setInterval(50);
        connect(&timer, &QTimer::timeout, this, &PlainTyping::tick);
    }

    void start() { timer.start(); }
    bool complete() const { return typed == text.size(); }

private:
    void tick()
    {
        if (complete())
            return;
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        end.insertText(text.mid(typed++, 1));
    }

    const QString text = qtText(design::aboutText).replace(u"\r\n"_s, u"\n"_s);
    qsizetype typed = 0;
    QTimer timer;
};

} // namespace

int main(int argc, char *argv[])
{
    // The calculator's process is set up as main() sets it up; the plain box's, as any Qt
    // program's is.
    const bool plainMode = argc > 1 && std::strncmp(argv[1], "plain", 5) == 0;
    if (!plainMode)
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString mode = arguments.value(1);
    const QStringList modes{u"shown"_s, u"hidden"_s, u"none"_s, u"plain-shown"_s, u"plain-hidden"_s};
    if (!modes.contains(mode)) {
        std::fprintf(stderr, "usage: aboutcpu shown|hidden|none|plain-shown|plain-hidden"
                             " [--phase SECONDS] [--server PID]\n");
        return 2;
    }
    const bool plain = mode.startsWith(u"plain"_s);
    auto option = [&arguments](const QString &name, const QString &byDefault) {
        const qsizetype at = arguments.indexOf(name);
        return at < 0 ? byDefault : arguments.value(at + 1);
    };
    const int phaseMs = int(1000 * option(u"--phase"_s, u"10"_s).toDouble());
    const pid_t server = pid_t(option(u"--server"_s, u"0"_s).toInt());
    if (phaseMs <= 0) {
        std::fprintf(stderr, "aboutcpu: the phase must last some time\n");
        return 2;
    }

    setUpApplication();
    Form1 calculator;
    calculator.show();
    PlainTyping plainBox;

    Sample typingStart;
    Sample completeStart;
    QTimer completion;
    completion.setInterval(100);

    auto measureComplete = [&] {
        completeStart = sample(server);
        QTimer::singleShot(phaseMs, Qt::PreciseTimer, &calculator, [&] {
            report("complete", completeStart, sample(server));
            QCoreApplication::quit();
        });
    };
    // Looked at only between the two phases, so that looking costs neither of them anything.
    QObject::connect(&completion, &QTimer::timeout, &calculator, [&] {
        if (mode == u"none"_s || (plain ? plainBox.complete() : aboutTypingOver())) {
            completion.stop();
            QTimer::singleShot(1000, &calculator, measureComplete);
        }
    });

    // The calculator is left a second to be up and idle before the about window opens.
    QTimer::singleShot(1000, &calculator, [&] {
        typingStart = sample(server);
        if (plain) {
            if (mode == u"plain-shown"_s)
                plainBox.show();
            plainBox.start();
        } else if (mode != u"none"_s) {
            calculator.findChild<QAction *>(u"about"_s)->trigger();
            if (mode == u"hidden"_s)
                aboutWindow()->findChild<QPushButton *>(u"Command1"_s)->click();
        }
        QTimer::singleShot(phaseMs, Qt::PreciseTimer, &calculator, [&] {
            report("typing", typingStart, sample(server));
            completion.start();
        });
    });

    return QApplication::exec();
}
