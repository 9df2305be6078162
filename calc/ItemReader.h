#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Sequential reader of line- and item-structured text, as used by the chamber data files
// and the project files. A line ends at CR LF, LF or a lone CR. An item is a run of
// characters ended by a comma, a blank or the end of its line; blanks around a comma are
// skipped, so "0, 0" is two items.
class ItemReader
{
public:
    explicit ItemReader(std::string_view text) : m_text(text) {}

    // Empty lines before an item are skipped only when this is set (chamber data files).
    void setSkipEmptyLines(bool skip) { m_skipEmptyLines = skip; }

    bool atEnd() const { return m_pos >= m_text.size(); }
    // 1-based number of the line the next read starts on, for messages.
    int lineNumber() const { return m_line; }

    bool readLine(std::string &line);
    // The next item, a view into the text. False (item empty) at the end of the text, at the
    // end of a line (unless empty lines are skipped) and for an empty item (",,").
    bool readItem(std::string_view &item);
    // A whole value in any numeric form ("3", "3.0"); a fraction or too big a value fails.
    bool readInt16Item(int16_t &value);
    bool readSingleItem(float &value);

private:
    bool atLineEnd() const
    {
        return m_pos < m_text.size() && (m_text[m_pos] == '\r' || m_text[m_pos] == '\n');
    }
    void skipLineEnd();

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
    bool m_skipEmptyLines = false;
};
