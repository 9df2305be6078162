#pragma once

#include "ResultState.h"

#include <string>

// The texts the Edit > Copy to Clipboard commands put on the clipboard, built from a valid
// result: the stage vs area rows ("stage TAB area CR LF" each), the pond's length, width.
std::string StageAreaClipboardText(const ResultState &state);
std::string LengthClipboardText(const ResultState &state);
std::string WidthClipboardText(const ResultState &state);
