#include "TerminalText.h"

#include <cstdio>

std::string escapedForTerminal(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte == '\t' || byte == '\n') {
            out += static_cast<char>(byte);
        } else if (byte < 0x20 || byte == 0x7F) {
            out += '^';
            out += static_cast<char>(byte ^ 0x40);
        } else if (byte == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            // U+0080..U+009F, which terminals may also take as controls.
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X",
                          static_cast<unsigned>(static_cast<unsigned char>(utf8[++i])));
            out += escape;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}
