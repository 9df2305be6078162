#include "ProjectFileIO.h"

#include "LineBreaks.h"
#include "TextEncoding.h"
#include "TextParsers.h"

#include <filesystem>
#include <fstream>

namespace {
// Far beyond any real project; keeps a wrong file from being read whole into memory.
constexpr std::uintmax_t MaxProjectFileSize = 64 * 1024 * 1024;
} // namespace

Result<ProjectDocument> readProjectBytes(std::string_view bytes)
{
    if (const Result<void> size = checkProjectFileSize(bytes.size()); !size)
        return size.failure();
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
    return encodeProjectText(WriteProjectFile(document));
}

std::string openFailureMessage(const Result<ProjectDocument> &read, const std::string &shownPath)
{
    // The format message is the program's own; any other failure says why.
    if (isInvalidFormat(read))
        return InvalidFormatMessage;
    return std::string("Cannot open the file:") + LineBreak + shownPath + LineBreak + read.reason();
}

Result<ProjectDocument> openProjectFile(const std::string &path)
{
    if (!FileExists(path))
        return Failure{"the file does not exist"};
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
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
    return readProjectBytes(bytes);
}

Result<void> saveProjectFile(const std::string &path, const ProjectDocument &document)
{
    const Result<std::string> bytes = projectFileBytes(document);
    if (!bytes)
        return bytes.failure();
    return saveFileBytes(path, *bytes);
}
