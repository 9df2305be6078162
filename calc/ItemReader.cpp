#include "ItemReader.h"

#include "TextParsers.h"

namespace {
bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// The position after the blanks from pos on.
std::size_t afterBlanks(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    return pos;
}
} // namespace

void ItemReader::skipLineEnd()
{
    if (m_pos < m_text.size() && m_text[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == '\n')
        ++m_pos;
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
    item = {};
    const std::string_view text = m_text;
    m_pos = afterBlanks(text, m_pos);
    while (m_skipEmptyLines && m_pos < text.size() && isLineEnd(text[m_pos])) {
        skipLineEnd();
        m_pos = afterBlanks(text, m_pos);
    }
    if (m_pos >= text.size() || isLineEnd(text[m_pos]))
        return false;
    const std::size_t start = m_pos;
    std::size_t end = start;
    while (end < text.size() && text[end] != ',' && !isBlank(text[end]) && !isLineEnd(text[end]))
        ++end;
    item = text.substr(start, end - start);
    // The separator that ends the item is consumed with it.
    m_pos = afterBlanks(text, end);
    if (m_pos < text.size() && text[m_pos] == ',')
        ++m_pos;
    else if (m_pos < text.size() && isLineEnd(text[m_pos]))
        skipLineEnd();
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
