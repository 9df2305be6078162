// tessivane-calc as a user runs it: on a terminal, through a pipe, in a locale's environment.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {
// The program's standard output, on a pipe or on a terminal (a pseudo-terminal in raw mode,
// so the bytes arrive as written), run with only the given environment.
std::string output(std::vector<std::string> args, std::vector<std::string> environment,
                   bool terminal = false)
{
    args.insert(args.begin(), TESSIVANE_CALC);
    std::vector<char *> argv, envp;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    for (std::string &variable : environment)
        envp.push_back(variable.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);

    int fd = -1;
    int ends[2] = {-1, -1};
    termios raw{};
    cfmakeraw(&raw);
    const pid_t pid = terminal          ? forkpty(&fd, nullptr, &raw, nullptr)
                      : pipe(ends) == 0 ? fork()
                                        : -1;
    if (pid == 0) {
        if (!terminal)
            dup2(ends[1], STDOUT_FILENO);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    if (!terminal) {
        close(ends[1]);
        fd = ends[0];
    }
    std::string out;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) // a pty ends with EIO
        out.append(buffer, static_cast<std::size_t>(n));
    close(fd);
    int status = -1;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;
    return out;
}

const std::string DataDir = SHIPPED_DATA_DIR;
const std::string Example = std::string(EXAMPLES_DIR) + "/rectangular-array.tvc";
} // namespace

TEST(ProgramOutput, ControlCharactersAreShownEscapedOnATerminalOnly)
{
    test::TempDir dir;
    const std::string path = dir.file("p.tvc");
    std::string project = test::readFile(Example);
    const std::string raw = "\x1B]0;owned\x07\x1B[2J\x7F\xC2\x9B";
    project.replace(project.find("Maple"), 5, raw);
    test::writeFile(path, "\xEF\xBB\xBF" + project);

    const std::string piped = output({"--data-dir", DataDir, path}, {"LANG=C"});
    const std::string shown = output({"--data-dir", DataDir, path}, {"LANG=C"}, true);
    ASSERT_NE(piped.find("\tProject Name = " + raw + " Street"), std::string::npos) << piped;
    // A terminal gets the same text with the controls made visible, and no control at all.
    std::string expected = piped;
    expected.replace(expected.find(raw), raw.size(), "^[]0;owned^G^[[2J^?\\u009B");
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(shown.find_first_of("\x1B\x07\x7F\r"), std::string::npos);
}

TEST(ProgramOutput, ReportUsesTheLocalesDecimalSeparatorJsonAndCsvDoNot)
{
    test::TempDir dir;
    const std::string path = dir.file("p.tvc");
    test::writeFile(path, test::readFile(Example));
    const std::vector<std::string> report = {"--data-dir", DataDir, path};

    const std::string point = output(report, {"LANG=C"});
    const std::string comma = output(report, {"LANG=de_DE.UTF-8"});
    // Only the chamber storage column (two decimals, between the table's dashes and the next
    // empty line) follows the locale.
    std::string expected = point;
    const std::string dashes = "\t--------\t--------\n";
    for (std::size_t row = expected.find(dashes) + dashes.size(), end;
         (end = expected.find('\n', row)) != row; row = end + 1)
        expected[expected.rfind('.', end)] = ',';
    EXPECT_EQ(comma, expected);
    EXPECT_NE(comma.find("\t1\t1,41\n"), std::string::npos);

    // LC_ALL before LC_NUMERIC before LANG, as the window's toolkit reads them.
    EXPECT_EQ(output(report, {"LC_NUMERIC=C", "LANG=de_DE.UTF-8"}), point);
    EXPECT_EQ(output(report, {"LC_ALL=de_DE.UTF-8", "LC_NUMERIC=C"}), comma);
    EXPECT_EQ(output(report, {"LC_ALL=", "LC_NUMERIC=de_DE.UTF-8", "LANG=C"}), comma);

    for (const char *format : {"json", "csv"}) {
        const std::vector<std::string> args = {"--format", format, "--data-dir", DataDir, path};
        EXPECT_EQ(output(args, {"LC_ALL=de_DE.UTF-8"}), output(args, {"LANG=C"})) << format;
    }
    // The report that --save writes is the one the window would save: with the comma.
    output({"--save", "--data-dir", DataDir, path}, {"LANG=de_DE.UTF-8"});
    EXPECT_NE(test::readFile(path).find("\t1\t1,41\r\n\t2\t2,80\r\n"), std::string::npos);
}
