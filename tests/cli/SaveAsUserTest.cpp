// tessivane-calc --save run as an ordinary user, where permissions decide: as root (CI) the
// program runs as "nobody" through setpriv; as any other user it runs as that user.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
const std::string Project =
    "TVC_Ver01\r\n1\r\nWorked example\r\n0\r\n10\r\n1000\r\n6\r\n6\r\n40\r\n"
    "100\r\n0\r\n0\r\n";
constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534;
constexpr gid_t Users = 100;

bool isRoot()
{
    return ::geteuid() == 0;
}

struct Outcome
{
    int status = -1;
    std::string err;
};

// Runs tessivane-calc --save on the project; `group` is a supplementary group of the user.
Outcome saveAsUser(const test::TempDir &work, const fs::path &project, gid_t group = NoGroup)
{
    std::vector<std::string> args;
    if (isRoot())
        args = {"/usr/bin/setpriv", "--reuid=" + std::to_string(Nobody),
                "--regid=" + std::to_string(NoGroup), "--groups=" + std::to_string(group), "--"};
    for (const std::string &arg :
         {std::string(TESSIVANE_CALC_EXE), std::string("--save"), std::string("--data-dir"),
          (work.path() / "data").string(), project.string()})
        args.push_back(arg);
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    const fs::path errFile = work.path() / "stderr.txt";
    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open("/dev/null", O_WRONLY);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(err, STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    Outcome outcome;
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.err = test::readFile(errFile);
    fs::remove(errFile);
    return outcome;
}

// A working folder with the chamber data the project needs, readable by everyone.
void prepare(const test::TempDir &work)
{
    fs::create_directory(work.path() / "data");
    fs::copy(std::string(CALC_TEST_DATA) + "/worked-bed", work.path() / "data");
    ::chmod(work.path().c_str(), 0755);
}

ino_t inodeOf(const fs::path &path)
{
    struct stat info
    {
    };
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

class SaveAsUser : public testing::Test
{
protected:
    void SetUp() override
    {
        if (isRoot() && !fs::exists("/usr/bin/setpriv"))
            GTEST_SKIP() << "running as root without setpriv: cannot test as an ordinary user";
        prepare(work);
        folder = work.path() / "projects";
        fs::create_directory(folder);
        project = folder / "p.tvc";
        test::writeFile(project, Project);
    }

    test::TempDir work;
    fs::path folder;
    fs::path project;
};
} // namespace

TEST_F(SaveAsUser, FileTheUserMayNotWriteIsRefusedEvenInAnOpenFolder)
{
    if (!isRoot())
        GTEST_SKIP() << "needs root to give the file to another user";
    ::chmod(folder.c_str(), 0777);
    ::chmod(project.c_str(), 0644);
    const Outcome outcome = saveAsUser(work, project);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "tessivane-calc: Error saving file: " + project.string() +
                               ": the file is read-only\n");
    EXPECT_EQ(test::readFile(project), Project);
}

TEST_F(SaveAsUser, WritableFileInAClosedFolderIsWrittenInPlace)
{
    ::chmod(project.c_str(), 0666);
    ::chmod(folder.c_str(), 0555);
    const ino_t inode = inodeOf(project);
    const Outcome outcome = saveAsUser(work, project);
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    const std::string saved = test::readFile(project);
    EXPECT_NE(saved.find("[VELDO Equivalent Stage vs Area]"), std::string::npos) << saved;
    EXPECT_EQ(inodeOf(project), inode);
}

TEST_F(SaveAsUser, GroupOfASharedFileIsKept)
{
    if (!isRoot())
        GTEST_SKIP() << "needs root to set up a file of a group shared with another user";
    ::chmod(folder.c_str(), 0777);
    ASSERT_EQ(::chown(project.c_str(), 0, Users), 0);
    ::chmod(project.c_str(), 0664);
    const Outcome outcome = saveAsUser(work, project, Users);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    struct stat info
    {
    };
    ASSERT_EQ(::stat(project.c_str(), &info), 0);
    EXPECT_EQ(info.st_gid, Users);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
    EXPECT_NE(test::readFile(project).find("[VELDO Equivalent Stage vs Area]"), std::string::npos);
}

TEST_F(SaveAsUser, WritableFileOfAnotherUserInAStickyFolderIsWrittenInPlace)
{
    if (!isRoot())
        GTEST_SKIP() << "needs root to give the folder and the file to another user";
    // Like /tmp: everyone may create files, only a file's owner may replace it.
    ::chmod(folder.c_str(), 01777);
    ::chmod(project.c_str(), 0666);
    const ino_t inode = inodeOf(project);
    const Outcome outcome = saveAsUser(work, project);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(test::readFile(project).find("[VELDO Equivalent Stage vs Area]"), std::string::npos);
    EXPECT_EQ(inodeOf(project), inode);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}
