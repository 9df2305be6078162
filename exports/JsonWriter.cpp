#include "JsonWriter.h"

#include "ShortestText.h"
#include "TextEncoding.h"

#include <cassert>

std::string JsonWriter::quoted(std::string_view text)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    out.reserve(text.size() + 2);
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (c < 0x20) {
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 0xF];
            ++i;
        } else if (c == 0xC2 && i + 1 < text.size() &&
                   (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80) {
            // U+0080..U+009F: valid JSON raw, but a terminal may take them as controls.
            const auto code = static_cast<unsigned char>(text[i + 1]);
            out += "\\u00";
            out += hex[code >> 4];
            out += hex[code & 0xF];
            i += 2;
        } else {
            const std::size_t length = utf8SequenceLength(text.substr(i));
            if (length == 0) {
                out += "\xEF\xBF\xBD";
                ++i;
            } else {
                out.append(text.substr(i, length));
                i += length;
            }
        }
    }
    out += '"';
    return out;
}

void JsonWriter::newLine()
{
    m_text += '\n';
    m_text.append(2 * m_levels.size(), ' ');
}

void JsonWriter::beforeValue()
{
    if (m_keyWritten) {
        m_keyWritten = false;
        return;
    }
    assert(m_levels.empty() ? m_text.empty() : !m_levels.back().isObject);
    if (m_levels.empty())
        return;
    if (!m_levels.back().empty)
        m_text += ',';
    m_levels.back().empty = false;
    newLine();
}

JsonWriter &JsonWriter::key(std::string_view name)
{
    assert(!m_levels.empty() && m_levels.back().isObject && !m_keyWritten);
    if (!m_levels.back().empty)
        m_text += ',';
    m_levels.back().empty = false;
    newLine();
    m_text += quoted(name);
    m_text += ": ";
    m_keyWritten = true;
    return *this;
}

void JsonWriter::scalar(std::string_view literal)
{
    beforeValue();
    m_text += literal;
    if (m_levels.empty())
        m_text += '\n';
}

void JsonWriter::open(char bracket, bool isObject)
{
    beforeValue();
    m_text += bracket;
    m_levels.push_back({isObject, true});
}

void JsonWriter::close(char bracket)
{
    assert(!m_levels.empty() && !m_keyWritten);
    const bool empty = m_levels.back().empty;
    m_levels.pop_back();
    if (!empty)
        newLine();
    m_text += bracket;
    if (m_levels.empty())
        m_text += '\n';
}

void JsonWriter::beginObject()
{
    open('{', true);
}

void JsonWriter::endObject()
{
    assert(!m_levels.empty() && m_levels.back().isObject);
    close('}');
}

void JsonWriter::beginArray()
{
    open('[', false);
}

void JsonWriter::endArray()
{
    assert(!m_levels.empty() && !m_levels.back().isObject);
    close(']');
}

void JsonWriter::value(std::string_view text)
{
    scalar(quoted(text));
}

void JsonWriter::value(bool flag)
{
    scalar(flag ? "true" : "false");
}

void JsonWriter::value(int number)
{
    scalar(std::to_string(number));
}

void JsonWriter::value(float number)
{
    scalar(shortestText(number).value_or("null"));
}

void JsonWriter::value(double number)
{
    scalar(shortestText(number).value_or("null"));
}

void JsonWriter::null()
{
    scalar("null");
}
