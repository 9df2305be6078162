#pragma once

#include <QString>

// What a test can make of the file system beyond plain files and folders; one source file per
// system (tests/ui/os).
namespace SpecialFiles {
// A FIFO at path; false where the system has none.
bool makeFifo(const QString &path);
// True where a file name is any bytes (POSIX), false where names are text (Windows).
bool namesAreBytes();
} // namespace SpecialFiles
