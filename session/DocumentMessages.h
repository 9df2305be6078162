#pragma once

#include <string>

// The texts of the document commands, word for word as users know them, shared by the window,
// the page and tessivane-calc. Line breaks are CR LF.
namespace DocumentMessages {
inline constexpr const char *UnsavedQuestion =
    "Data has changed. Do you want to save the current data?";
inline constexpr const char *SaveFailed = "Error saving file:";   // File > Save
inline constexpr const char *SaveAsFailed = "Error Saving File:"; // File > Save As

// The first line, the file's name, then the reason the save failed on a line of its own
// (left out when there is none).
std::string saveFailure(const char *firstLine, const std::string &fileName,
                        const std::string &reason);
} // namespace DocumentMessages
