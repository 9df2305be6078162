// Saving over what is already on disk: links, read-only files, long names, owner and mode,
// and what a killed save leaves behind.
#include "FileSaver.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::vector<std::string> namesIn(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct stat statOf(const fs::path &path)
{
    struct stat info
    {
    };
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info;
}

} // namespace

TEST(FileSaver, SymbolicLinkStaysALinkAndItsTargetGetsTheContent)
{
    test::TempDir dir;
    fs::create_directory(dir.path() / "real");
    test::writeFile(dir.path() / "real/p.tvc", "old");
    fs::create_symlink("real/p.tvc", dir.path() / "link.tvc");
    fs::create_symlink("link.tvc", dir.path() / "link-to-link.tvc");

    const Result<void> saved = saveFileBytes(dir.file("link-to-link.tvc"), "new");
    ASSERT_TRUE(saved.ok()) << saved.reason();
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.tvc"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link-to-link.tvc"));
    EXPECT_EQ(test::readFile(dir.path() / "real/p.tvc"), "new");
    EXPECT_EQ(namesIn(dir.path() / "real"), std::vector<std::string>{"p.tvc"});

    // A link to a file not yet there creates it where the link points.
    fs::create_symlink("real/later.tvc", dir.path() / "dangling.tvc");
    ASSERT_TRUE(saveFileBytes(dir.file("dangling.tvc"), "created").ok());
    EXPECT_TRUE(fs::is_symlink(dir.path() / "dangling.tvc"));
    EXPECT_EQ(test::readFile(dir.path() / "real/later.tvc"), "created");

    fs::create_symlink("loop-b.tvc", dir.path() / "loop-a.tvc");
    fs::create_symlink("loop-a.tvc", dir.path() / "loop-b.tvc");
    const Result<void> loop = saveFileBytes(dir.file("loop-a.tvc"), "x");
    EXPECT_FALSE(loop.ok());
    EXPECT_EQ(loop.reason(), "too many levels of symbolic links");
}

TEST(FileSaver, FileWithSeveralNamesIsWrittenInPlace)
{
    test::TempDir dir;
    test::writeFile(dir.path() / "a.tvc", "old");
    std::error_code noLinks;
    fs::create_hard_link(dir.path() / "a.tvc", dir.path() / "b.tvc", noLinks);
    if (noLinks) // the WebAssembly build's file system under node
        GTEST_SKIP() << "no hard links here: " << noLinks.message();
    const auto inode = statOf(dir.path() / "a.tvc").st_ino;

    ASSERT_TRUE(saveFileBytes(dir.file("a.tvc"), "new content").ok());
    EXPECT_EQ(test::readFile(dir.path() / "b.tvc"), "new content");
    EXPECT_EQ(statOf(dir.path() / "a.tvc").st_ino, inode);
    EXPECT_EQ(fs::hard_link_count(dir.path() / "a.tvc"), 2u);
}

TEST(FileSaver, ReadOnlyFileIsRefusedAndUntouched)
{
    test::TempDir dir;
    const fs::path path = dir.path() / "locked.tvc";
    test::writeFile(path, "protected");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    // Refused for every user, root included: nobody may write a file without write bits.
    const Result<void> saved = saveFileBytes(path.string(), "new");
    EXPECT_FALSE(saved.ok());
    EXPECT_EQ(saved.reason(), "the file is read-only");
    EXPECT_EQ(test::readFile(path), "protected");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"locked.tvc"});
}

TEST(FileSaver, NameAtTheSystemLimitSavesAndALongerOneSaysWhy)
{
    test::TempDir dir;
    const std::string longest = std::string(251, 'n') + ".tvc";
    ASSERT_TRUE(saveFileBytes(dir.file(longest), "first").ok());
    const Result<void> again = saveFileBytes(dir.file(longest), "second");
    ASSERT_TRUE(again.ok()) << again.reason();
    EXPECT_EQ(test::readFile(dir.path() / longest), "second");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{longest});

    const Result<void> tooLong = saveFileBytes(dir.file("x" + longest), "third");
    EXPECT_FALSE(tooLong.ok());
    EXPECT_EQ(tooLong.reason(),
              "cannot create the file: " + std::string(std::strerror(ENAMETOOLONG)));
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{longest});
}

TEST(FileSaver, KeepsPermissionsOwnerAndGroup)
{
    test::TempDir dir;
    const fs::path path = dir.path() / "shared.tvc";
    test::writeFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0); // a user's file, saved by root
    }

    const auto before = statOf(path);
    ASSERT_TRUE(saveFileBytes(path.string(), "new").ok());
    const auto after = statOf(path);
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced, not rewritten";
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    if (!root)
        GTEST_SKIP() << "mode checked; keeping another user's ownership needs root";
}

// Needs a child process to kill (none under node).
#if GTEST_HAS_DEATH_TEST
namespace {
void saveWithFileSizeLimit(const std::string &path, const std::string &bytes)
{
    const rlimit limit{1024, 1024};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    (void)saveFileBytes(path, bytes); // killed halfway: there is no result to look at
    std::_Exit(0);
}
} // namespace

TEST(FileSaverDeathTest, TemporaryLeftByAKilledSaveGoesWithTheNextSave)
{
    test::TempDir dir;
    const fs::path path = dir.path() / "p.tvc";
    test::writeFile(path, "old");
    const std::string big(64 * 1024, 'x');
    // The file-size limit stops the save in the middle of writing its temporary file.
    EXPECT_EXIT(saveWithFileSizeLimit(path.string(), big), testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(test::readFile(path), "old");
    const auto leftover = namesIn(dir.path());
    ASSERT_EQ(leftover.size(), 2u);
    EXPECT_TRUE(leftover[0].starts_with(".~") && leftover[0].ends_with(".tmp")) << leftover[0];

    // Another file's save leaves it; the next save of this file removes it.
    ASSERT_TRUE(saveFileBytes(dir.file("other.tvc"), "other").ok());
    EXPECT_EQ(namesIn(dir.path()).size(), 3u);
    ASSERT_TRUE(saveFileBytes(path.string(), "new").ok());
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"other.tvc", "p.tvc"}));
    EXPECT_EQ(test::readFile(path), "new");
}
#endif
