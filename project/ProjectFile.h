#pragma once

#include "ProjectDocument.h"

#include <string>
#include <string_view>

// The ".tvc" project file, version 01: "TVC_Ver01", the method, that method's inputs as
// typed, the results flag and, when set, the result state and the report.

// The file's text (UTF-8, CR LF line ends), before encoding. Writers first check
// FieldWithLineBreak: such a document has no file form that reads back.
std::string WriteProjectFile(const ProjectDocument &document);

// The name of the first input the file would keep on a line of its own ("project name",
// "porosity", ...) that holds a CR or LF; empty when the document can be written.
std::string FieldWithLineBreak(const ProjectDocument &document);

struct ProjectReadResult
{
    enum class Status
    {
        Ok,
        InvalidFormat, // the first line lacks "TVC_Ver": the window says so in a message box
        Failed,        // anything else: no message box, the reason is for logs and the CLI
    };
    Status status = Status::Failed;
    std::string reason;

    bool ok() const { return status == Status::Ok; }
};

inline constexpr const char *InvalidFormatMessage = "The selected file input format is invalid";

// Reads decoded (UTF-8) file text into the document. What a failed read already set stays
// set; the caller clears the document.
ProjectReadResult ReadProjectFile(std::string_view text, ProjectDocument &document);
