#include "FileSaver.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The save as it stood before links, owners and platforms were looked after; the full
// version replaces this file.
namespace {
std::string systemError(const std::string &what)
{
    return what + ": " + std::strerror(errno);
}

mode_t newFileMode(const std::string &path)
{
    struct stat existing
    {
    };
    if (::stat(path.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}
} // namespace

SaveResult saveFileBytes(const std::string &path, std::string_view bytes)
{
    if (path.empty())
        return {false, "no file name"};
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return {false, systemError("cannot create a file in the folder of " + path)};
    const mode_t mode = newFileMode(path);
    bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    std::string error = ok ? "" : systemError("cannot write " + temporary);
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = systemError("cannot write " + temporary);
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = systemError("cannot replace " + path);
    }
    if (!ok)
        ::unlink(temporary.c_str());
    return {ok, error};
}
