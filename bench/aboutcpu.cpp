// The processor time the about window costs, in the calculator as the program runs it:
//
//   aboutcpu shown|hidden|none [--phase SECONDS] [--server PID]
//
//   shown   the about window is opened through the calculator's menu action and stays on screen;
//   hidden  it is opened, then hidden at once with its button, and its text goes on typing;
//   none    the calculator alone, the about window never opened: what the rest costs.
//
// Two phases of the same wall time (10 s unless told) are measured: "typing", from the opening
// on, and "complete", from a second after the whole text is in the box. For each it prints the
// process's user+system time as a share of one core, and, given the X server's process id, the
// server's share too, since each repaint also costs the server the drawing:
//
//   typing wall_s=10.000 cpu_s=0.0421 cpu_pct=0.42 server_pct=0.31

#include "Form1.h"
#include "Form2.h"
#include "application.h"

#include <QApplication>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include <chrono>
#include <cstdio>
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
    double cpu = 0;       // this process, seconds
    double serverCpu = 0; // the X server, seconds
};

double processCpuSeconds()
{
    // The same utime+stime that /proc/self/stat holds, but in microseconds rather than ticks.
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
            + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
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

Sample sample(pid_t server)
{
    return {Clock::now(), processCpuSeconds(), otherCpuSeconds(server)};
}

void report(const char *phase, const Sample &from, const Sample &to)
{
    const double wall = std::chrono::duration<double>(to.wall - from.wall).count();
    const double cpu = to.cpu - from.cpu;
    std::printf("%s wall_s=%.3f cpu_s=%.4f cpu_pct=%.2f server_pct=%.2f\n", phase, wall, cpu,
                100 * cpu / wall, 100 * (to.serverCpu - from.serverCpu) / wall);
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

bool textComplete()
{
    Form2 *about = aboutWindow();
    if (!about)
        return false;
    const QString lastLine = Form2::aboutText.section(u'\n', -1);
    return about->findChild<QTextEdit *>(u"rtf"_s)->toPlainText().endsWith(lastLine + u'|');
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString mode = arguments.value(1);
    if (mode != u"shown"_s && mode != u"hidden"_s && mode != u"none"_s) {
        std::fprintf(stderr, "usage: aboutcpu shown|hidden|none [--phase SECONDS] [--server PID]\n");
        return 2;
    }
    const int phaseMs = int(1000 * arguments.value(arguments.indexOf(u"--phase"_s) + 1, u"10"_s).toDouble());
    const pid_t server = arguments.contains(u"--server"_s)
            ? pid_t(arguments.value(arguments.indexOf(u"--server"_s) + 1).toInt())
            : 0;

    setUpApplication();
    Form1 calculator;
    calculator.show();

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
        if (mode == u"none"_s || textComplete()) {
            completion.stop();
            QTimer::singleShot(1000, &calculator, measureComplete);
        }
    });

    // The calculator is left a second to be up and idle before the about window opens.
    QTimer::singleShot(1000, &calculator, [&] {
        typingStart = sample(server);
        if (mode != u"none"_s) {
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
