// Time to open a project with a long saved report through the real window, with the Output
// tab showing and scrolled to the report's end: many empty lines (a project file's report is
// refused beyond 70000 lines or 2 MiB, so the largest case times the refusal), or one long
// line.
// Run with QT_QPA_PLATFORM=offscreen.
#include "ProjectFile.h"
#include "TextEncoding.h"
#include "UserDialogs.h"
#include "frmTessivaneMain.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

// A refused file's message box would wait for a click; here it is only counted.
class SilentDialogs : public UserDialogs
{
public:
    void showError(const QString &, const QString &) override { ++errors; }
    bool askYesNo(const QString &, const QString &) override { return false; }
    Answer askYesNoCancel(const QString &, const QString &) override { return Answer::Cancel; }
    QString askOpenFileName() override { return {}; }
    QString askSaveFileName(const QString &) override { return {}; }
    int errors = 0;
};

QString writeProject(const QTemporaryDir &dir, const std::string &report)
{
    ProjectDocument document;
    document.inputs.method = 1;
    document.inputs.projectName = "Line feeds";
    document.results.ResultsValid = true;
    document.results.EquivRows = 1;
    document.results.EquivStage = {100.0f};
    document.results.EquivArea = {50.0f};
    document.reportText = report;
    const QString path = dir.filePath(QStringLiteral("feeds.tvc"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    const std::string bytes = encodeProjectText(WriteProjectFile(document));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

void openAndShow(benchmark::State &state, const std::string &report, bool opens)
{
    QTemporaryDir dir;
    const QString path = writeProject(dir, report);
    SilentDialogs dialogs;
    frmTessivaneMain window(dialogs, dir.path());
    window.show();
    window.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    auto *view = window.findChild<QTextEdit *>(QStringLiteral("txtOut"));
    for (auto _ : state) {
        if (window.openFile(path) != opens)
            state.SkipWithError(opens ? "the project did not open" : "the project opened");
        // What the user does next: look at the end of the report.
        view->moveCursor(QTextCursor::End);
        view->ensureCursorVisible();
        view->viewport()->repaint();
        QCoreApplication::processEvents();
    }
}

void BM_OpenReportOfLineFeeds(benchmark::State &state)
{
    const auto lineFeeds = static_cast<std::size_t>(state.range(0)) * 1024;
    openAndShow(state, "[User Input]" + std::string(lineFeeds, '\n'), lineFeeds < 70000);
    state.SetLabel(std::to_string(state.range(0)) + " Ki line feeds");
}
BENCHMARK(BM_OpenReportOfLineFeeds)
    ->Arg(16)
    ->Arg(32)
    ->Arg(64)
    ->Arg(68)
    ->Arg(512)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_OpenReportOfOneLongLine(benchmark::State &state)
{
    // A report line holds at most an input (32767 characters) with its label: a longer one is
    // refused.
    const auto length = static_cast<std::size_t>(state.range(0));
    openAndShow(state, "[User Input]\r\n" + std::string(length, 'x'), length <= 33023);
    state.SetLabel(std::to_string(length) + " characters on one line");
}
BENCHMARK(BM_OpenReportOfOneLongLine)
    ->Arg(4096)
    ->Arg(33023)
    ->Arg(2088960)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// File > Save of the largest report a file may hold (2 MiB in lines of 1 KiB) over the file
// it was opened from.
void BM_SaveLargestReport(benchmark::State &state)
{
    std::string report;
    for (int i = 0; i < 2047; ++i)
        report += std::string(1022, 'x') + "\r\n";
    QTemporaryDir dir;
    const QString path = writeProject(dir, report);
    SilentDialogs dialogs;
    frmTessivaneMain window(dialogs, dir.path());
    window.show();
    if (!window.openFile(path))
        state.SkipWithError("the project did not open");
    auto *save = window.findChild<QAction *>(QStringLiteral("mnuFile_Save"));
    for (auto _ : state) {
        save->trigger();
    }
    if (dialogs.errors != 0)
        state.SkipWithError("the save failed");
}
BENCHMARK(BM_SaveLargestReport)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
