#pragma once

#include "Result.h"

#include <string>
#include <string_view>

// Puts new bytes into a file so that it holds either its old or its new content, never a
// mix: they go to a temporary file beside it, which then takes the file's place. What the
// file system promised is kept: a read-only file is refused, a symbolic link stays a link
// and its target gets the content, the owner, group and permissions stay. A file with
// several names, or one in a folder the user may not create files in, is written in place.
// A temporary file left by a save that was killed is named after the file
// (".~XXXXXXXX-XXXXXX.tmp") and removed by the next save of that file. A failure's reason
// does not name the file.
Result<void> saveFileBytes(const std::string &path, std::string_view bytes);
