#include "Platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <sys/stat.h>
#include <vector>
#include <windows.h>

// File names are in the system code page, as for the standard library's own file streams.
namespace platform {

namespace {
void setErrnoFromLastError()
{
    switch (::GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        errno = ENOENT;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        errno = EACCES;
        break;
    case ERROR_FILENAME_EXCED_RANGE:
        errno = ENAMETOOLONG;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        errno = ENOSPC;
        break;
    default:
        errno = EIO;
        break;
    }
}

// Windows drops blanks and dots at the end of every part of a name, so "a.dat " would open
// "a.dat"; such a name does not name a file of its own.
bool hasNameTheSystemAlters(const std::string &path)
{
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = path.size();
        const std::string_view part(path.data() + start, end - start);
        if (!part.empty() && part != "." && part != ".." &&
            (part.back() == ' ' || part.back() == '.'))
            return true;
        start = end + 1;
    }
    return false;
}
} // namespace

FileFacts fileFacts(const std::string &path)
{
    FileFacts facts;
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return facts;
    facts.exists = true;
    facts.regular = (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    facts.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    const HANDLE file =
        ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        BY_HANDLE_FILE_INFORMATION info{};
        if (::GetFileInformationByHandle(file, &info))
            facts.linkCount = info.nNumberOfLinks;
        ::CloseHandle(file);
    }
    return facts;
}

bool isOrdinaryFile(const std::string &path)
{
    if (path.empty() || hasNameTheSystemAlters(path))
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

int createNewFile(const std::string &path)
{
    return ::_open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                   _S_IREAD | _S_IWRITE);
}

int openForRewrite(const std::string &path)
{
    return ::_open(path.c_str(), _O_WRONLY | _O_TRUNC | _O_BINARY | _O_NOINHERIT);
}

bool writeAll(int fd, std::string_view bytes)
{
    constexpr std::size_t Chunk = 1u << 20;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const auto size = static_cast<unsigned>(std::min(Chunk, bytes.size() - written));
        const int n = ::_write(fd, bytes.data() + written, size);
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
    return ::_commit(fd) == 0;
}

bool closeFile(int fd)
{
    return ::_close(fd) == 0;
}

bool copyAccessFrom(int, const std::string &)
{
    // Access lists come from the folder; a read-only file is never replaced.
    return true;
}

bool replaceFile(const std::string &from, const std::string &to)
{
    if (::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    setErrnoFromLastError();
    return false;
}

void useBinaryStandardOutput()
{
    std::fflush(stdout);
    ::_setmode(::_fileno(stdout), _O_BINARY);
}

bool standardOutputIsTerminal()
{
    return ::_isatty(::_fileno(stdout)) != 0;
}

std::string programDirectory(const char *argv0)
{
    std::vector<char> name(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            break;
        if (length < name.size())
            return std::filesystem::path(std::string(name.data(), length)).parent_path().string();
        name.resize(name.size() * 2);
    }
    std::error_code error;
    return std::filesystem::absolute(argv0 ? argv0 : ".", error).parent_path().string();
}

} // namespace platform
