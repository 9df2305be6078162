#pragma once

#include "ProjectDocument.h"
#include "Result.h"

#include <string>
#include <string_view>

// The ".tvc" project file: "TVC_Ver01" (or "TVC_Ver02" with a design target), the method,
// that method's inputs as typed, the design target when there is one, the results flag and,
// when set, the result state and the report.

// The file's text (UTF-8, CR LF line ends), before encoding. Writers first check
// FieldWithLineBreak: such a document has no file form that reads back.
std::string WriteProjectFile(const ProjectDocument &document);

// The name of the first input the file would keep on a line of its own ("project name",
// "porosity", ...) that holds a CR or LF; empty when the document can be written.
std::string FieldWithLineBreak(const ProjectDocument &document);

// The most UTF-16 code units an input may hold: what the window's text boxes take. A file
// with a longer one is refused rather than cut, and none is written.
inline constexpr std::size_t MaxInputLength = 32767;

// The name of the first input the file would keep that is longer than MaxInputLength; empty
// when none is.
std::string FieldTooLong(const ProjectDocument &document);

// The reason given when the first line lacks "TVC_Ver": the window shows it as it stands.
// Any other reason says what is wrong and where, for the window's own message and the CLI.
inline constexpr const char *InvalidFormatMessage = "The selected file input format is invalid";

// Reads decoded (UTF-8) file text into a document.
Result<ProjectDocument> ReadProjectFile(std::string_view text);

// The read failed because the text is no project file at all.
template <typename T> bool isInvalidFormat(const Result<T> &read)
{
    return !read.ok() && read.kind() == FailureKind::NotAProject;
}
