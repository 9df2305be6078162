#include "ItemReader.h"

#include "TextParsers.h"

#include <array>
#include <cstdint>

namespace {
// What ends an item or a line, looked up by byte: the reader visits every byte of a file once.
enum CharClass : std::uint8_t
{
    Blank = 1,
    LineEnd = 2,
    Comma = 4,
};

constexpr std::array<std::uint8_t, 256> CharClasses = [] {
    std::array<std::uint8_t, 256> classes{};
    classes[' '] = classes['\t'] = Blank;
    classes['\r'] = classes['\n'] = LineEnd;
    classes[','] = Comma;
    return classes;
}();

bool is(char c, std::uint8_t classes)
{
    return (CharClasses[static_cast<unsigned char>(c)] & classes) != 0;
}

const char *afterBlanks(const char *p, const char *end)
{
    while (p < end && is(*p, Blank))
        ++p;
    return p;
}

// Past one line end: CR LF, LF or a lone CR.
const char *afterLineEnd(const char *p, const char *end)
{
    if (p < end && *p == '\r')
        ++p;
    if (p < end && *p == '\n')
        ++p;
    return p;
}
} // namespace

void ItemReader::skipLineEnd()
{
    m_pos = static_cast<std::size_t>(
        afterLineEnd(m_text.data() + m_pos, m_text.data() + m_text.size()) - m_text.data());
    ++m_line;
}

bool ItemReader::readLine(std::string &line)
{
    line.clear();
    if (atEnd())
        return false;
    const std::size_t start = m_pos;
    while (m_pos < m_text.size() && !atLineEnd())
        ++m_pos;
    line.assign(m_text.substr(start, m_pos - start));
    if (atLineEnd())
        skipLineEnd();
    return true;
}

bool ItemReader::readItem(std::string_view &item)
{
    const char *const begin = m_text.data();
    const char *const end = begin + m_text.size();
    const char *p = afterBlanks(begin + m_pos, end);
    while (m_skipEmptyLines && p < end && is(*p, LineEnd)) {
        p = afterBlanks(afterLineEnd(p, end), end);
        ++m_line;
    }
    const char *const start = p;
    while (p < end && !is(*p, Blank | LineEnd | Comma))
        ++p;
    item = std::string_view(start, static_cast<std::size_t>(p - start));
    if (start < end && !is(*start, LineEnd)) {
        // The separator that ends the item is consumed with it.
        p = afterBlanks(p, end);
        if (p < end && *p == ',') {
            ++p;
        } else if (p < end && is(*p, LineEnd)) {
            p = afterLineEnd(p, end);
            ++m_line;
        }
    }
    m_pos = static_cast<std::size_t>(p - begin);
    return !item.empty();
}

bool ItemReader::readInt16Item(int16_t &value)
{
    std::string_view item;
    return readItem(item) && parseInt16Item(item, value) == ParseStatus::Ok;
}

bool ItemReader::readSingleItem(float &value)
{
    std::string_view item;
    return readItem(item) && parseSingle(item, value) == ParseStatus::Ok;
}
