#pragma once

#include "FileSaver.h"
#include "ProjectFile.h"

#include <cstdint>
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

// Reads and decodes the file, then the project. Fails without a message box when the file
// does not exist or cannot be read.
Result<ProjectDocument> openProjectFile(const std::string &path);

// Writes the document the way saveFileBytes writes bytes: a failed save leaves the previous
// file as it was.
Result<void> saveProjectFile(const std::string &path, const ProjectDocument &document);
