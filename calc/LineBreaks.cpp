#include "LineBreaks.h"

namespace {
std::string replacedLineBreaks(std::string_view text, std::string_view replacement)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += replacement;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
} // namespace

std::string withLineFeeds(std::string_view text)
{
    return replacedLineBreaks(text, "\n");
}

std::string withBlanksForLineBreaks(std::string_view text)
{
    return replacedLineBreaks(text, " ");
}
