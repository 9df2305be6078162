#include "ProjectFileIO.h"

#include "FileExists.h"
#include "LineBreaks.h"
#include "TextEncoding.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
// Far beyond any real project; keeps a wrong file from being read whole into memory.
constexpr std::uintmax_t MaxProjectFileSize = 64 * 1024 * 1024;
} // namespace

Result<ProjectDocument> readProjectBytes(std::string_view bytes)
{
    if (const Result<void> size = checkProjectFileSize(bytes.size()); !size)
        return size.failure();
    // Text after a byte-order mark is UTF-8; bytes that are not would be changed silently by
    // any reading of them.
    if (bytes.starts_with(ByteOrderMark)) {
        if (const std::size_t line = firstInvalidUtf8Line(bytes.substr(ByteOrderMark.size())))
            return Failure{"line " + std::to_string(line) + " is not valid UTF-8"};
    }
    return ReadProjectFile(decodeProjectText(bytes));
}

Result<void> checkProjectFileSize(std::uintmax_t size)
{
    if (size > MaxProjectFileSize)
        return Failure{"the file is too large for a project file"};
    return {};
}

Result<std::string> projectFileBytes(const ProjectDocument &document)
{
    // A field holding a line break would end its line early: the file would not read back.
    const std::string broken = FieldWithLineBreak(document);
    if (!broken.empty())
        return Failure{"the field " + broken + " holds a line break"};
    // One the window would cut on reading.
    const std::string tooLong = FieldTooLong(document);
    if (!tooLong.empty())
        return Failure{"the field " + tooLong + " is longer than " +
                       std::to_string(MaxInputLength) + " characters"};
    return encodeProjectText(WriteProjectFile(document));
}

std::string openFailureMessage(const Result<ProjectDocument> &read, const std::string &shownPath)
{
    // The format message is the program's own; the name below it says which file it means.
    // Any other failure says why.
    if (isInvalidFormat(read))
        return std::string(InvalidFormatMessage) + LineBreak + shownPath;
    return std::string("Cannot open the file:") + LineBreak + shownPath + LineBreak + read.reason();
}

namespace {
// Why a path that is not an ordinary file cannot be opened as one.
Failure notAFile(const std::string &path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error.value() == ELOOP)
        return {"too many levels of symbolic links"};
    if (fs::is_directory(status))
        return {"the file is a folder"};
    if (fs::exists(status))
        return {"the file is not an ordinary file"};
    return {"the file does not exist"};
}

std::uint64_t bytesHash(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

Result<std::string> readFileBytes(const std::string &path)
{
    if (!FileExists(path))
        return notAFile(path);
    std::error_code error;
    const auto size = fs::file_size(path, error);
    if (error)
        return Failure{"the file is too large for a project file"};
    if (const Result<void> allowed = checkProjectFileSize(size); !allowed)
        return allowed.failure();
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return Failure{"the file cannot be opened for reading"};
    std::string bytes(static_cast<std::size_t>(size), '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad())
        return Failure{"the file cannot be read"};
    return bytes;
}
} // namespace

FileStamp stampOfBytes(std::string_view bytes)
{
    return {bytes.size(), bytesHash(bytes)};
}

std::optional<FileStamp> stampOfFile(const std::string &path)
{
    const Result<std::string> bytes = readFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return stampOfBytes(*bytes);
}

Result<ProjectDocument> openProjectFile(const std::string &path, FileStamp *stamp)
{
    const Result<std::string> bytes = readFileBytes(path);
    if (!bytes)
        return bytes.failure();
    if (stamp)
        *stamp = stampOfBytes(*bytes);
    return readProjectBytes(*bytes);
}

Result<void> saveProjectFile(const std::string &path, const ProjectDocument &document)
{
    const Result<std::string> bytes = projectFileBytes(document);
    if (!bytes)
        return bytes.failure();
    return saveFileBytes(path, *bytes);
}
