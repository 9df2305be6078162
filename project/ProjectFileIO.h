#pragma once

#include "FileSaver.h"
#include "ProjectFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Opening and saving project files, on disk or as bytes in memory (the browser edition).

// Reads a project from the bytes of its file: decodes them, then reads the document.
Result<ProjectDocument> readProjectBytes(std::string_view bytes);

// Whether a file of this size may be read as a project at all; the reason when not.
Result<void> checkProjectFileSize(std::uintmax_t size);

// The bytes of the document's file. Fails, with the reason, when the document has no file
// form that reads back.
Result<std::string> projectFileBytes(const ProjectDocument &document);

// What the window says when a file cannot be opened: the format message, or the file's name
// as the user knows it and the reason.
std::string openFailureMessage(const Result<ProjectDocument> &read, const std::string &shownPath);

// What a file held when it was read or written, to tell whether another program changed it
// since. The bytes decide: a file rewritten with the same bytes has not changed for its
// user, and a clock too coarse could hide a change of the same size.
struct FileStamp
{
    std::uintmax_t size = 0;
    std::uint64_t hash = 0;
    bool operator==(const FileStamp &) const = default;
};
FileStamp stampOfBytes(std::string_view bytes);
// The stamp of the file's bytes now; nullopt when it cannot be read.
std::optional<FileStamp> stampOfFile(const std::string &path);

// Reads and decodes the file, then the project; fills `stamp` for the bytes read. Fails
// without a message box when the file does not exist or cannot be read.
Result<ProjectDocument> openProjectFile(const std::string &path, FileStamp *stamp = nullptr);

// Writes the document the way saveFileBytes writes bytes: a failed save leaves the previous
// file as it was.
Result<void> saveProjectFile(const std::string &path, const ProjectDocument &document);
