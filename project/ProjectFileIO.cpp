#include "ProjectFileIO.h"

#include "InputChecks.h"
#include "TextEncoding.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Far beyond any real project; keeps a wrong file from being read whole into memory.
constexpr std::uintmax_t MaxProjectFileSize = 64 * 1024 * 1024;

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

bool writeAll(int fd, const std::string &bytes)
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

ProjectReadResult OpenDataFile(const std::string &path, ProjectDocument &document)
{
    if (!FileExists(path))
        return {ProjectReadResult::Status::Failed, "the file does not exist"};
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > MaxProjectFileSize)
        return {ProjectReadResult::Status::Failed, "the file is too large for a project file"};
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return {ProjectReadResult::Status::Failed, "the file cannot be opened for reading"};
    std::string bytes(static_cast<std::size_t>(size), '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad())
        return {ProjectReadResult::Status::Failed, "the file cannot be read"};
    return ReadProjectFile(decodeProjectText(bytes), document);
}

SaveResult SaveDataFile(const std::string &path, const ProjectDocument &document)
{
    if (path.empty())
        return {false, "no file name"};
    const std::string bytes = encodeProjectText(WriteProjectFile(document));
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
