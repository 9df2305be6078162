#include "FileSaver.h"

#include "Platform.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {
constexpr int MaxLinkDepth = 40;
constexpr std::string_view TemporaryEnd = ".tmp";
constexpr std::size_t RandomLength = 6;

Failure failure(const std::string &what)
{
    return {what + ": " + std::strerror(errno)};
}

// The file a path finally names, following symbolic links in its last part.
Result<fs::path> resolveLinks(fs::path path)
{
    for (int depth = 0; depth < MaxLinkDepth; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            return path;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            return Failure{"cannot follow the symbolic link: " + ec.message()};
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return Failure{"too many levels of symbolic links"};
}

// Short and of fixed length, so that a file name at the system's limit still leaves room,
// and tied to the file's name, so that the next save of it finds what a killed one left.
std::string temporaryPrefix(const fs::path &target)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : target.filename().string()) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    std::array<char, 12> text{};
    std::snprintf(text.data(), text.size(), ".~%08x-", static_cast<unsigned>(hash));
    return text.data();
}

void removeLeftovers(const fs::path &target, const std::string &prefix)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::size_t length = prefix.size() + RandomLength + TemporaryEnd.size();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() == length && name.starts_with(prefix) && name.ends_with(TemporaryEnd) &&
            it->is_regular_file(ec))
            fs::remove(it->path(), ec);
    }
}

// Creates the temporary file; -1 (errno set) when the folder does not take one.
int createTemporary(const fs::path &target, const std::string &prefix, std::string &name)
{
    static constexpr std::string_view Letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::mt19937 random(device());
    std::uniform_int_distribution<std::size_t> pick(0, Letters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string leaf = prefix;
        for (std::size_t i = 0; i < RandomLength; ++i)
            leaf += Letters[pick(random)];
        leaf += TemporaryEnd;
        name = (target.parent_path() / leaf).string();
        const int fd = platform::createNewFile(name);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

Result<void> writeInPlace(const std::string &target, std::string_view bytes)
{
    const int fd = platform::openForRewrite(target);
    if (fd < 0)
        return failure("cannot open the file for writing");
    const bool written = platform::writeAll(fd, bytes) && platform::flushToDisk(fd);
    const int writeErrno = errno;
    if (!platform::closeFile(fd) || !written) {
        if (!written)
            errno = writeErrno;
        return failure("cannot write the file");
    }
    return {};
}

Result<void> writeAndReplace(const fs::path &target, bool exists, std::string_view bytes)
{
    const std::string prefix = temporaryPrefix(target);
    removeLeftovers(target, prefix);
    std::string temporary;
    const int fd = createTemporary(target, prefix, temporary);
    if (fd < 0) {
        // A folder closed to new files still lets the user write a file they may write.
        if (exists && (errno == EACCES || errno == EPERM))
            return writeInPlace(target.string(), bytes);
        return failure("cannot create a temporary file in its folder");
    }
    bool ok = platform::writeAll(fd, bytes) &&
              (!exists || platform::copyAccessFrom(fd, target.string())) &&
              platform::flushToDisk(fd);
    Result<void> result = ok ? Result<void>{} : failure("cannot write the temporary file");
    if (!platform::closeFile(fd) && ok) {
        ok = false;
        result = failure("cannot write the temporary file");
    }
    if (ok && !platform::replaceFile(temporary, target.string())) {
        ok = false;
        result = failure(exists ? "cannot replace the file" : "cannot create the file");
        // A sticky folder lets only a file's owner replace it, yet the user may write it.
        if (exists && errno == EPERM) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return writeInPlace(target.string(), bytes);
        }
    }
    if (!ok) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return result;
}
} // namespace

Result<void> saveFileBytes(const std::string &path, std::string_view bytes)
{
    if (path.empty())
        return Failure{"no file name"};
    const Result<fs::path> resolved = resolveLinks(path);
    if (!resolved)
        return resolved.failure();
    const fs::path &target = *resolved;

    const platform::FileFacts facts = platform::fileFacts(target.string());
    if (facts.exists && !facts.regular)
        return Failure{"not an ordinary file"};
    if (facts.exists && facts.readOnly)
        return Failure{"the file is read-only"};
    // Every name of a file with several must see the new content.
    if (facts.exists && facts.linkCount > 1)
        return writeInPlace(target.string(), bytes);
    return writeAndReplace(target, facts.exists, bytes);
}
