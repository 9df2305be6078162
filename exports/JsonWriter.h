#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Writes one JSON document, pretty-printed with two-space indents, keys in the order they
// are written. Floats and doubles take their shortest exact text; a non-finite number is
// written as null. Text is expected as UTF-8; a byte that is not part of valid UTF-8 is
// written as U+FFFD so the document always stays valid.
class JsonWriter
{
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();

    // Names the next value; only inside an object.
    JsonWriter &key(std::string_view name);

    void value(std::string_view text);
    void value(const char *text) { value(std::string_view(text)); }
    void value(bool flag);
    void value(int number);
    void value(float number);
    void value(double number);
    void null();
    // A number, or null when there is none.
    template <typename Number> void value(const std::optional<Number> &number)
    {
        if (number)
            value(*number);
        else
            null();
    }

    // The document so far; complete (ending with a line break) once the outermost value is.
    const std::string &text() const { return m_text; }

    // The text as a JSON string literal, quotes included.
    static std::string quoted(std::string_view text);

private:
    struct Level
    {
        bool isObject = false;
        bool empty = true;
    };

    void beforeValue();
    void scalar(std::string_view literal);
    void open(char bracket, bool isObject);
    void close(char bracket);
    void newLine();

    std::string m_text;
    std::vector<Level> m_levels;
    bool m_keyWritten = false;
};
