// Start-up figure of the calculator: the time from process start until the main window's load
// has finished, as the splash sees it (the splash's deliberate wait is not included).
//
//   StartupBenchmark [--runs N]     runs N fresh processes (default 15) and prints the figures
//   StartupBenchmark --child        one measurement, printed as "<since start> <since main>" ms
//
// "Since start" counts from the kernel's start time of the process (10 ms steps), so it
// includes loading the shared libraries; "since main" is exact and starts at main().
#include "QtUserDialogs.h"
#include "frmTessivaneMain.h"
#include "frmTessivaneSignOn.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>
#include <vector>

namespace {

// Milliseconds the process had already run when this is called, from /proc/self/stat.
double millisecondsSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Field 22 is the start time; count from the ')' that ends the command name.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int startTimeField = 22 - 3;
    if (fields.size() <= startTimeField)
        return -1;
    const double ticksPerSecond = double(sysconf(_SC_CLK_TCK));
    const double startSeconds = fields.at(startTimeField).toDouble() / ticksPerSecond;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowSeconds = double(now.tv_sec) + double(now.tv_nsec) / 1e9;
    return (nowSeconds - startSeconds) * 1000.0;
}

QWidget *createMainWindow()
{
    static QtUserDialogs dialogs;
    return new frmTessivaneMain(dialogs, QCoreApplication::applicationDirPath());
}

int measureOnce(int argc, char **argv, double beforeMain, const QElapsedTimer &sinceMain)
{
    QApplication app(argc, argv);
    double loadedSinceMain = -1;
    auto *splash = new frmTessivaneSignOn(QCoreApplication::applicationDirPath(), &createMainWindow,
                                          60 * 60 * 1000);
    QObject::connect(splash, &frmTessivaneSignOn::mainWindowLoaded, [&](QWidget *mainWindow) {
        loadedSinceMain = double(sinceMain.nsecsElapsed()) / 1e6;
        delete mainWindow;
        QCoreApplication::quit();
    });
    splash->show();
    app.exec();
    delete splash;
    if (loadedSinceMain < 0)
        return 1;
    std::printf("%.2f %.2f\n", beforeMain + loadedSinceMain, loadedSinceMain);
    return 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int runMany(int runs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("DISPLAY")) &&
        !environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    std::vector<double> sinceStart;
    std::vector<double> sinceMain;
    QTextStream out(stdout);
    out << "Measuring the main window's start-up in " << runs << " fresh processes ("
        << environment.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"))
        << " platform)...\n";
    out.flush();
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            out << "Run " << run + 1 << " failed: " << child.readAllStandardError() << '\n';
            return 1;
        }
        const QList<QByteArray> values = child.readAllStandardOutput().trimmed().split(' ');
        if (values.size() != 2) {
            out << "Run " << run + 1 << " printed no measurement\n";
            return 1;
        }
        sinceStart.push_back(values[0].toDouble());
        sinceMain.push_back(values[1].toDouble());
    }
    const auto [minStart, maxStart] = std::minmax_element(sinceStart.begin(), sinceStart.end());
    out << Qt::fixed;
    out.setRealNumberPrecision(1);
    out << "Process start to main window loaded: median " << median(sinceStart) << " ms (min "
        << *minStart << ", max " << *maxStart << ")\n";
    out << "main() to main window loaded:        median " << median(sinceMain) << " ms\n";
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    const double beforeMain = millisecondsSinceProcessStart();

    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (arguments.contains(QStringLiteral("--child")))
        return measureOnce(argc, argv, beforeMain, sinceMain);

    int runs = 15;
    const qsizetype runsAt = arguments.indexOf(QStringLiteral("--runs"));
    if (runsAt >= 0 && runsAt + 1 < arguments.size())
        runs = std::clamp(arguments.at(runsAt + 1).toInt(), 1, 1000);
    QCoreApplication app(argc, argv);
    return runMany(runs);
}
