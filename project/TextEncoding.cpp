#include "TextEncoding.h"

#include <array>
#include <cstdint>
#include <optional>

namespace {

// Code points of the bytes 0x80..0x9F. The five unassigned bytes map to the C1 controls of
// the same value, so that every byte survives a round trip.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<unsigned char> toWindows1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at pos; nullopt when it is malformed, overlong or a surrogate.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t &pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + static_cast<std::size_t>(length) > text.size())
        return std::nullopt;
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + static_cast<std::size_t>(i));
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    pos += static_cast<std::size_t>(length);
    return c;
}
} // namespace

bool isValidUtf8(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!nextCodePoint(text, pos))
            return false;
    }
    return true;
}

std::size_t firstInvalidUtf8Line(std::string_view text)
{
    std::size_t line = 1;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '\n' || (c == '\r' && (pos + 1 == text.size() || text[pos + 1] != '\n')))
            ++line;
        if (!nextCodePoint(text, pos))
            return line;
    }
    return 0;
}

std::size_t utf8UnitCount(std::string_view utf8)
{
    // Lead bytes count one unit, four-byte sequences two (a surrogate pair); continuation
    // bytes none.
    std::size_t units = 0;
    for (const char ch : utf8) {
        const auto b = static_cast<unsigned char>(ch);
        units += (b & 0xC0) != 0x80;
        units += b >= 0xF0;
    }
    return units;
}

std::size_t utf8SequenceLength(std::string_view text)
{
    std::size_t pos = 0;
    return !text.empty() && nextCodePoint(text, pos) ? pos : 0;
}

std::string encodeProjectText(std::string_view utf8)
{
    std::string single;
    single.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto c = nextCodePoint(utf8, pos);
        const auto byte = c ? toWindows1252(*c) : std::nullopt;
        if (!byte)
            return std::string(ByteOrderMark) + std::string(utf8);
        single += static_cast<char>(*byte);
    }
    return single;
}

std::string decodeProjectText(std::string_view bytes)
{
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        return std::string(bytes.substr(ByteOrderMark.size()));
    std::string utf8;
    utf8.reserve(bytes.size() + bytes.size() / 4);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(utf8, b >= 0x80 && b < 0xA0 ? HighControls[b - 0x80] : char32_t(b));
    }
    return utf8;
}
