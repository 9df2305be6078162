#include "Platform.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

FileFacts fileFacts(const std::string &path)
{
    FileFacts facts;
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0)
        return facts;
    facts.exists = true;
    facts.regular = S_ISREG(info.st_mode);
    // A file without any write permission was protected on purpose, also against root.
    facts.readOnly = (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
    facts.linkCount = static_cast<unsigned long>(info.st_nlink);
    return facts;
}

bool isOrdinaryFile(const std::string &path)
{
    if (path.empty())
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

int createNewFile(const std::string &path)
{
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

int openForRewrite(const std::string &path)
{
    return ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOFOLLOW);
}

bool writeAll(int fd, std::string_view bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool flushToDisk(int fd)
{
    return ::fsync(fd) == 0;
}

bool closeFile(int fd)
{
    return ::close(fd) == 0;
}

bool copyAccessFrom(int fd, const std::string &original)
{
    struct stat info
    {
    };
    if (::stat(original.c_str(), &info) != 0)
        return true;
    // Only root may give a file away; a member of the file's group may still keep the group.
    if (::fchown(fd, info.st_uid, info.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), info.st_gid);
    // After fchown, which clears the set-id bits.
    return ::fchmod(fd, info.st_mode & 07777) == 0;
}

bool replaceFile(const std::string &from, const std::string &to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        return false;
    // The new name itself survives a power cut only once the folder is on disk too.
    const std::string folder = std::filesystem::path(to).parent_path().string();
    const int dir =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return true;
}

void useBinaryStandardOutput()
{
    // Text and binary are the same here.
}

bool standardOutputIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}

std::string programDirectory(const char *argv0)
{
    std::error_code error;
#ifndef __EMSCRIPTEN__
    // Under WebAssembly /proc is the machine's, whose process is node itself: the program is
    // where its host says (argv[0]).
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.parent_path().string();
#endif
    return std::filesystem::absolute(argv0 ? argv0 : ".", error).parent_path().string();
}

} // namespace platform
