// tessivane-calc as a user runs it: on a terminal, through a pipe, in a locale's environment.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

namespace {
struct ProgramRun
{
    int status = -1;
    std::string out;
};

std::vector<char *> pointers(std::vector<std::string> &texts)
{
    std::vector<char *> list;
    for (std::string &text : texts)
        list.push_back(text.data());
    list.push_back(nullptr);
    return list;
}

std::string readAll(int fd)
{
    std::string out;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0)
            out.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR)
            break; // a pty reports EIO once the program has closed it
    }
    return out;
}

int waitFor(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs the program with only the given environment, its standard output on a pipe or on a
// terminal (a pseudo-terminal in raw mode, so the bytes arrive as written).
ProgramRun runProgram(std::vector<std::string> args, std::vector<std::string> environment,
                      bool terminal)
{
    args.insert(args.begin(), TESSIVANE_CALC);
    auto argv = pointers(args);
    auto envp = pointers(environment);
    ProgramRun run;
    int fd = -1;
    pid_t pid = -1;
    if (terminal) {
        termios raw{};
        cfmakeraw(&raw);
        pid = forkpty(&fd, nullptr, &raw, nullptr);
        if (pid == 0) {
            execve(argv[0], argv.data(), envp.data());
            _exit(127);
        }
    } else {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0)
            return run;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
            pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);
        fd = pipeEnds[0];
    }
    if (pid < 0)
        return run;
    run.out = readAll(fd);
    close(fd);
    run.status = waitFor(pid);
    return run;
}

const std::string DataDir = SHIPPED_DATA_DIR;
const std::string Example = std::string(EXAMPLES_DIR) + "/rectangular-array.tvc";

std::string withName(const std::string &name)
{
    std::string text = test::readFile(Example);
    const std::string old = "Maple Street detention bed";
    return text.replace(text.find(old), old.size(), name);
}
// The report with a comma in the chamber table's storage column (the rows between the
// table's dashes and the next empty line).
std::string withCommaStorage(std::string report)
{
    const std::string dashes = "\t--------\t--------\n";
    std::size_t row = report.find(dashes) + dashes.size();
    for (std::size_t end; (end = report.find('\n', row)) != row; row = end + 1) {
        const std::size_t point = report.find('.', report.rfind('\t', end));
        if (point < end)
            report[point] = ',';
    }
    return report;
}
} // namespace

TEST(ProgramOutput, ControlCharactersAreShownEscapedOnATerminalOnly)
{
    test::TempDir dir;
    const std::string path = dir.file("p.tvc");
    test::writeFile(path, withName("Bed\x1B]0;owned\x07\x1B[2J\x7F"));
    const std::vector<std::string> args = {"--data-dir", DataDir, path};

    const ProgramRun terminal = runProgram(args, {"LANG=C"}, true);
    ASSERT_EQ(terminal.status, 0) << terminal.out;
    EXPECT_NE(terminal.out.find("\tProject Name = Bed^[]0;owned^G^[[2J^?\n"), std::string::npos)
        << terminal.out;
    EXPECT_EQ(terminal.out.find_first_of("\x1B\x07\x7F\r"), std::string::npos);

    const ProgramRun piped = runProgram(args, {"LANG=C"}, false);
    ASSERT_EQ(piped.status, 0);
    EXPECT_NE(piped.out.find("\tProject Name = Bed\x1B]0;owned\x07\x1B[2J\x7F\n"),
              std::string::npos);
    // Apart from the name, a terminal gets exactly what a pipe gets.
    std::string shown = piped.out;
    const std::string raw = "\x1B]0;owned\x07\x1B[2J\x7F";
    shown.replace(shown.find(raw), raw.size(), "^[]0;owned^G^[[2J^?");
    EXPECT_EQ(terminal.out, shown);
}

TEST(ProgramOutput, ReportUsesTheLocalesDecimalSeparatorJsonAndCsvDoNot)
{
    test::TempDir dir;
    const std::string path = dir.file("p.tvc");
    test::writeFile(path, test::readFile(Example));
    const std::vector<std::string> report = {"--data-dir", DataDir, path};

    const ProgramRun c = runProgram(report, {"LANG=C"}, false);
    const ProgramRun german = runProgram(report, {"LANG=de_DE.UTF-8"}, false);
    ASSERT_EQ(german.status, 0);
    EXPECT_NE(german.out.find("\t1\t1,41\n"), std::string::npos) << german.out;
    // Only the chamber storage column follows the locale; every other number keeps ".".
    EXPECT_EQ(german.out, withCommaStorage(c.out));

    // LC_ALL before LC_NUMERIC before LANG, as the window's toolkit reads them.
    EXPECT_EQ(runProgram(report, {"LC_NUMERIC=C", "LANG=de_DE.UTF-8"}, false).out, c.out);
    EXPECT_EQ(runProgram(report, {"LC_ALL=de_DE.UTF-8", "LC_NUMERIC=C"}, false).out, german.out);
    EXPECT_EQ(runProgram(report, {"LC_ALL=", "LC_NUMERIC=de_DE.UTF-8", "LANG=C"}, false).out,
              german.out);

    for (const char *format : {"json", "csv"}) {
        const std::vector<std::string> args = {"--format", format, "--data-dir", DataDir, path};
        EXPECT_EQ(runProgram(args, {"LC_ALL=de_DE.UTF-8"}, false).out,
                  runProgram(args, {"LANG=C"}, false).out)
            << format;
    }

    // The report that --save writes is the one the window would save: with the comma.
    ASSERT_EQ(
        runProgram({"--save", "--data-dir", DataDir, path}, {"LANG=de_DE.UTF-8"}, false).status, 0);
    const std::string saved = test::readFile(path);
    EXPECT_NE(saved.find("\t1\t1,41\r\n"), std::string::npos);
}
