#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text tests and conversions shared by the input checks and the file readers.

// The text with blanks removed at both ends.
std::string Trimmed(std::string_view text);

// True for an optionally signed, non-empty run of decimal digits (after trimming).
bool IsIntegerText(std::string_view text);

// True when the whole text is a decimal number: optional sign, digits with an optional
// "." (at least one digit), optional exponent. No locale, no blanks, no hex, no inf/nan.
bool IsNumberText(std::string_view text);

enum class ParseStatus
{
    Ok,
    NotANumber, // not integer text / not number text
    OutOfRange, // does not fit the type
};

// Integer text (trimmed) as a 16-bit signed integer.
ParseStatus parseInt16(std::string_view text, int16_t &value);
// A file's integer item: number text (exact, untrimmed) whose value is whole, in any form
// ("3", "3.0", "0.3E1"), as a 16-bit signed integer. A value with a fraction is NotANumber:
// rounding it would change what the file says.
ParseStatus parseInt16Item(std::string_view text, int16_t &value);
// Integer text (trimmed) as a wide integer, for range messages; NotANumber if not integer text.
ParseStatus parseWholeNumber(std::string_view text, long long &value);
// Number text (exact, untrimmed) as a single-precision float; OutOfRange when the value is
// beyond what a float holds (tiny values become zero as usual).
ParseStatus parseSingle(std::string_view text, float &value);
// Number text (exact, untrimmed) as a double; OutOfRange beyond what a double holds.
ParseStatus parseDouble(std::string_view text, double &value);
