#pragma once

#include <string>
#include <string_view>

// Project files are Windows-1252 text when every character fits that code page (the
// report's ² and ³ are then one byte each), and UTF-8 with a byte-order mark otherwise.

inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Encodes UTF-8 text for a project file.
std::string encodeProjectText(std::string_view utf8);

// Decodes a project file's bytes to UTF-8: UTF-8 when they start with a byte-order mark,
// Windows-1252 otherwise, even when the bytes would also read as UTF-8 (C3 A9 is "Ã©").
std::string decodeProjectText(std::string_view bytes);

bool isValidUtf8(std::string_view text);

// The 1-based number of the first line (ended by CR LF, LF or a lone CR) that is not valid
// UTF-8; 0 when the whole text is.
std::size_t firstInvalidUtf8Line(std::string_view text);

// The length of valid UTF-8 text in UTF-16 code units, the measure of the window's and the
// page's text boxes.
std::size_t utf8UnitCount(std::string_view utf8);

// The length of the valid UTF-8 sequence the text starts with; 0 when it does not start with
// one (malformed, overlong, a surrogate or beyond U+10FFFF).
std::size_t utf8SequenceLength(std::string_view text);
