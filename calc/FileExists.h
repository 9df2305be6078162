#pragma once

#include <string>

// True when the path, used as given, names an existing ordinary file (not a folder or a
// device; on Windows not a hidden or system file). Never throws. The file system's answer
// comes from the platform layer.
bool FileExists(const std::string &path);
