#pragma once

#include "FileSaver.h"
#include "ProjectFile.h"

#include <string>

// Opening and saving project files on disk.

// Reads and decodes the file, then the project. Fails without a message box when the file
// does not exist or cannot be read.
Result<ProjectDocument> openProjectFile(const std::string &path);

// Writes the document the way saveFileBytes writes bytes: a failed save leaves the previous
// file as it was.
Result<void> saveProjectFile(const std::string &path, const ProjectDocument &document);
