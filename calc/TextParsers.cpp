#include "TextParsers.h"

#include "NumberConversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
} // namespace

std::string Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

bool IsIntegerText(std::string_view text)
{
    const std::string t = Trimmed(text);
    std::size_t i = 0;
    if (!t.empty() && (t[0] == '+' || t[0] == '-'))
        i = 1;
    if (i >= t.size())
        return false;
    for (; i < t.size(); ++i) {
        if (!isDigit(t[i]))
            return false;
    }
    return true;
}

bool IsNumberText(std::string_view text)
{
    return !text.empty() && numbers::decimalNumberLength(text) == text.size();
}

ParseStatus parseWholeNumber(std::string_view text, long long &value)
{
    if (!IsIntegerText(text))
        return ParseStatus::NotANumber;
    std::string t = Trimmed(text);
    if (t[0] == '+')
        t.erase(0, 1);
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = t[0] == '-' ? std::numeric_limits<long long>::min()
                            : std::numeric_limits<long long>::max();
        return ParseStatus::OutOfRange;
    }
    return ParseStatus::Ok;
}

ParseStatus parseInt16(std::string_view text, int16_t &value)
{
    long long wide = 0;
    const ParseStatus status = parseWholeNumber(text, wide);
    if (status == ParseStatus::NotANumber)
        return status;
    if (status == ParseStatus::OutOfRange || wide < std::numeric_limits<int16_t>::min() ||
        wide > std::numeric_limits<int16_t>::max())
        return ParseStatus::OutOfRange;
    value = static_cast<int16_t>(wide);
    return ParseStatus::Ok;
}

ParseStatus parseInt16Item(std::string_view text, int16_t &value)
{
    if (!IsNumberText(text))
        return ParseStatus::NotANumber;
    // Decided on the decimal digits themselves, so that no rounding can make a fraction
    // whole: value = digits * 10^scale.
    const bool negative = text[0] == '-';
    std::string digits;
    long long scale = 0;
    std::size_t i = text[0] == '+' || text[0] == '-' ? 1 : 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        digits += text[i];
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            digits += text[i];
            --scale;
        }
    }
    if (i < text.size()) { // exponent; far beyond any 16-bit value once it passes 99999
        const bool negativeExponent = text[i + 1] == '-';
        i += text[i + 1] == '+' || text[i + 1] == '-' ? 2 : 1;
        long long exponent = 0;
        for (; i < text.size(); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 99999LL);
        scale += negativeExponent ? -exponent : exponent;
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
        ++scale;
    }
    if (digits.empty()) {
        value = 0;
        return ParseStatus::Ok;
    }
    if (scale < 0)
        return ParseStatus::NotANumber;
    if (static_cast<long long>(digits.size()) + scale > 5)
        return ParseStatus::OutOfRange;
    long long wide = 0;
    for (const char digit : digits)
        wide = wide * 10 + (digit - '0');
    for (long long k = 0; k < scale; ++k)
        wide *= 10;
    if (negative)
        wide = -wide;
    if (wide < std::numeric_limits<int16_t>::min() || wide > std::numeric_limits<int16_t>::max())
        return ParseStatus::OutOfRange;
    value = static_cast<int16_t>(wide);
    return ParseStatus::Ok;
}

namespace {
// The double nearest a decimal number text of at most 15 digits and a small power of ten,
// without the library's general (and slow) conversion: both the digits and the power of ten
// are exact doubles then, so one multiplication or division rounds correctly. Nothing for
// any other text.
std::optional<double> quickDouble(std::string_view text)
{
    static constexpr double PowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++i;
    std::uint64_t digits = 0;
    int count = 0;
    int scale = 0;
    int digitsRead = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++digitsRead) {
        if (count > 0 || text[i] != '0')
            ++count;
        digits = digits * 10 + std::uint64_t(text[i] - '0');
        if (count > 15)
            return std::nullopt;
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i, ++digitsRead) {
            if (count > 0 || text[i] != '0')
                ++count;
            digits = digits * 10 + std::uint64_t(text[i] - '0');
            --scale;
            if (count > 15)
                return std::nullopt;
        }
    }
    const bool anyDigit = digitsRead > 0;
    if (!anyDigit || i != text.size() || scale < -22)
        return std::nullopt;
    const double magnitude = static_cast<double>(digits) / PowersOfTen[-scale];
    return negative ? -magnitude : magnitude;
}
} // namespace

ParseStatus parseSingle(std::string_view text, float &value)
{
    if (const std::optional<double> quick = quickDouble(text)) {
        value = static_cast<float>(*quick);
        return ParseStatus::Ok;
    }
    const std::optional<double> wide = numbers::parseDecimal(text);
    if (!wide)
        return ParseStatus::NotANumber;
    // Values too small for a double are zero; too large ones do not fit a float either.
    const auto single = static_cast<float>(*wide);
    if (!std::isfinite(single))
        return ParseStatus::OutOfRange;
    value = single;
    return ParseStatus::Ok;
}

ParseStatus parseDouble(std::string_view text, double &value)
{
    if (const std::optional<double> quick = quickDouble(text)) {
        value = *quick;
        return ParseStatus::Ok;
    }
    const std::optional<double> wide = numbers::parseDecimal(text);
    if (!wide)
        return ParseStatus::NotANumber;
    if (!std::isfinite(*wide))
        return ParseStatus::OutOfRange;
    value = *wide;
    return ParseStatus::Ok;
}
