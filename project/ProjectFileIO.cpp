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

ProjectReadResult readProjectBytes(std::string_view bytes, ProjectDocument &document)
{
    if (const ProjectReadResult size = checkProjectFileSize(bytes.size()); !size.ok())
        return size;
    return ReadProjectFile(decodeProjectText(bytes), document);
}

ProjectReadResult checkProjectFileSize(std::uintmax_t size)
{
    if (size > MaxProjectFileSize)
        return {ProjectReadResult::Status::Failed, "the file is too large for a project file"};
    return {ProjectReadResult::Status::Ok, {}};
}

SaveResult projectFileBytes(const ProjectDocument &document, std::string &bytes)
{
    // A field holding a line break would end its line early: the file would not read back.
    const std::string broken = FieldWithLineBreak(document);
    if (!broken.empty())
        return {false, "the field " + broken + " holds a line break"};
    bytes = encodeProjectText(WriteProjectFile(document));
    return {true, {}};
}

std::string openFailureMessage(const ProjectReadResult &read, const std::string &shownPath)
{
    // The format message is the program's own; any other failure says why.
    if (read.status == ProjectReadResult::Status::InvalidFormat)
        return InvalidFormatMessage;
    return std::string("Cannot open the file:") + LineBreak + shownPath + LineBreak + read.reason;
}

ProjectReadResult openProjectFile(const std::string &path, ProjectDocument &document)
{
    if (!FileExists(path))
        return {ProjectReadResult::Status::Failed, "the file does not exist"};
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return {ProjectReadResult::Status::Failed, "the file is too large for a project file"};
    if (const ProjectReadResult allowed = checkProjectFileSize(size); !allowed.ok())
        return allowed;
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return {ProjectReadResult::Status::Failed, "the file cannot be opened for reading"};
    std::string bytes(static_cast<std::size_t>(size), '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad())
        return {ProjectReadResult::Status::Failed, "the file cannot be read"};
    return readProjectBytes(bytes, document);
}

SaveResult saveProjectFile(const std::string &path, const ProjectDocument &document)
{
    std::string bytes;
    if (const SaveResult encoded = projectFileBytes(document, bytes); !encoded.ok)
        return encoded;
    return saveFileBytes(path, bytes);
}
