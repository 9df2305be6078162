#pragma once

#include "ProjectFile.h"

#include <string>

// Opening and saving project files on disk.

// Reads and decodes the file, then the project. Fails without a message box when the file
// does not exist or cannot be read.
ProjectReadResult OpenDataFile(const std::string &path, ProjectDocument &document);

struct SaveResult
{
    bool ok = false;
    std::string error; // why, for logs and the command line
};

// Writes the document to a temporary file beside the target and renames it into place once
// it is completely written, so a failed save leaves the previous file as it was.
SaveResult SaveDataFile(const std::string &path, const ProjectDocument &document);
