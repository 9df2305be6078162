#pragma once

#include <string>
#include <string_view>

// Project files are Windows-1252 text when every character fits that code page (the
// report's ² and ³ are then one byte each), and UTF-8 with a byte-order mark otherwise.

// Encodes UTF-8 text for a project file.
std::string encodeProjectText(std::string_view utf8);

// Decodes a project file's bytes to UTF-8: UTF-8 when it starts with a byte-order mark or
// is valid UTF-8 throughout, Windows-1252 otherwise.
std::string decodeProjectText(std::string_view bytes);

bool isValidUtf8(std::string_view text);
