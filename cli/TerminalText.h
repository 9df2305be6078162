#pragma once

#include <string>
#include <string_view>

// Text for a terminal: a project's text fields may hold control characters read from a
// file, and a terminal would act on them (an ESC sequence can set the title or clear the
// screen). Every control character except TAB and LF is shown instead: C0 controls and
// DEL in caret notation (ESC as ^[, DEL as ^?), the C1 controls U+0080..U+009F as \u0080..\u009F.
std::string escapedForTerminal(std::string_view utf8);
