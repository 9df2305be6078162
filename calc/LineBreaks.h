#pragma once

#include <string>
#include <string_view>

// The line break of every text the program writes: the report, the clipboard texts, project
// files, message texts.
inline constexpr const char *LineBreak = "\r\n";

// The text with each CR LF as a lone LF, as a terminal or a text widget ends its lines.
std::string withLineFeeds(std::string_view text);
// The text with each CR LF as one blank, for a message that must stay on one line.
std::string withBlanksForLineBreaks(std::string_view text);
