#include "ItemReader.h"

#include "TextParsers.h"

void ItemReader::skipLineEnd()
{
    if (m_pos < m_text.size() && m_text[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == '\n')
        ++m_pos;
    ++m_line;
}

void ItemReader::skipBlanks()
{
    while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t'))
        ++m_pos;
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

bool ItemReader::readItem(std::string &item)
{
    std::string_view view;
    const bool read = nextItem(view);
    item.assign(view);
    return read;
}

bool ItemReader::nextItem(std::string_view &item)
{
    item = {};
    skipBlanks();
    while (m_skipEmptyLines && atLineEnd()) {
        skipLineEnd();
        skipBlanks();
    }
    if (atEnd() || atLineEnd())
        return false;
    const std::size_t start = m_pos;
    while (m_pos < m_text.size() && !atLineEnd() && m_text[m_pos] != ',' && m_text[m_pos] != ' ' &&
           m_text[m_pos] != '\t')
        ++m_pos;
    item = m_text.substr(start, m_pos - start);
    // The separator that ends the item is consumed with it.
    skipBlanks();
    if (m_pos < m_text.size() && m_text[m_pos] == ',')
        ++m_pos;
    else if (atLineEnd())
        skipLineEnd();
    return !item.empty();
}

bool ItemReader::readInt16Item(int16_t &value)
{
    std::string_view item;
    return nextItem(item) && parseInt16Item(item, value) == ParseStatus::Ok;
}

bool ItemReader::readSingleItem(float &value)
{
    std::string_view item;
    return nextItem(item) && parseSingle(item, value) == ParseStatus::Ok;
}
