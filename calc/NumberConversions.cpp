#include "NumberConversions.h"

#include <version>

// The library's own conversions where it has them; TESSIVANE_NUMBERS_FALLBACK builds the C
// library's instead, so that tests compare the two on every build.
#if defined(__cpp_lib_to_chars) && !defined(TESSIVANE_NUMBERS_FALLBACK)
#define TESSIVANE_NUMBERS_FROM_LIBRARY 1
#endif

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#ifndef TESSIVANE_NUMBERS_FROM_LIBRARY
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <type_traits>
#endif

namespace numbers {

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view text, std::size_t i)
{
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}
} // namespace

std::size_t decimalNumberLength(std::string_view text)
{
    std::size_t i = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const std::size_t whole = digitsFrom(text, i);
    std::size_t end = whole;
    if (end < text.size() && text[end] == '.')
        end = digitsFrom(text, end + 1);
    if (end - i == (end > whole ? 1 : 0)) // no digit at all
        return 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = digitsFrom(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return end;
}

#ifdef TESSIVANE_NUMBERS_FROM_LIBRARY

namespace {
// Where a number text's first significant digit stands (0 the units, 1 the tens, -1 the
// tenths), saturated; its sign tells an overflow from an underflow.
long long decimalOrder(std::string_view text)
{
    std::size_t i = text[0] == '+' || text[0] == '-' ? 1 : 0;
    long long order = 0;
    bool significant = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        significant = significant || text[i] != '0';
        order += significant ? 1 : 0;
    }
    --order;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            if (significant)
                continue;
            if (text[i] == '0')
                --order;
            else
                significant = true;
        }
    }
    if (i < text.size()) { // the exponent
        const bool negative = text[i + 1] == '-';
        i += text[i + 1] == '+' || text[i + 1] == '-' ? 2 : 1;
        long long exponent = 0;
        for (; i < text.size(); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000'000LL);
        order += negative ? -exponent : exponent;
    }
    return order;
}

template <typename... Format> std::string libraryText(double value, Format... format)
{
    char buffer[400]; // the largest double in plain notation with a few hundred decimals
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format...);
    return std::string(buffer, result.ec == std::errc() ? result.ptr : buffer);
}
} // namespace

std::string scientificText(double value, int precision)
{
    return libraryText(value, std::chars_format::scientific, precision);
}

std::string fixedPointText(double value, int decimals)
{
    return libraryText(value, std::chars_format::fixed, decimals);
}

std::string roundTripText(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string roundTripText(double value)
{
    return libraryText(value);
}

std::optional<double> parseDecimal(std::string_view text)
{
    if (text.empty() || decimalNumberLength(text) != text.size())
        return std::nullopt;
    const bool negative = text[0] == '-';
    if (text[0] == '+') // from_chars takes a minus sign only
        text.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = decimalOrder(text) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -value : value;
    }
    return value;
}

#else

namespace {
// The C library reads and writes numbers in the program's numeric locale; these texts always
// have ".", so the calling thread uses the "C" locale while one is converted.
class CNumericLocale
{
public:
    CNumericLocale() : previous(uselocale(cLocale())) {}
    ~CNumericLocale() { uselocale(previous); }
    CNumericLocale(const CNumericLocale &) = delete;
    CNumericLocale &operator=(const CNumericLocale &) = delete;

private:
    static locale_t cLocale()
    {
        static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
        return locale ? locale : LC_GLOBAL_LOCALE;
    }
    locale_t previous;
};

std::string printed(const char *format, int precision, double value)
{
    const CNumericLocale c;
    char buffer[400];
    const int length = std::snprintf(buffer, sizeof buffer, format, precision, value);
    if (length < int(sizeof buffer))
        return std::string(buffer, std::size_t(length < 0 ? 0 : length));
    std::string text(std::size_t(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, precision, value);
    text.pop_back();
    return text;
}

template <typename Number> Number readBack(const std::string &text)
{
    const CNumericLocale c;
    if constexpr (std::is_same_v<Number, float>)
        return std::strtof(text.c_str(), nullptr);
    else
        return std::strtod(text.c_str(), nullptr);
}

// A decimal of `count` digits: digits * 10^(exponent - count + 1).
struct Decimal
{
    std::uint64_t digits = 0;
    int count = 0;
    int exponent = 0;

    std::string text() const
    {
        return std::to_string(digits) + 'e' + std::to_string(exponent - count + 1);
    }
    // The next decimal of as many digits towards zero or away from it.
    Decimal next(bool up) const
    {
        Decimal next = *this;
        std::uint64_t power = 1;
        for (int i = 1; i < count; ++i)
            power *= 10;
        if (up && ++next.digits == power * 10) {
            next.digits = power;
            ++next.exponent;
        } else if (!up && --next.digits < power) {
            next.digits = power * 10 - 1;
            --next.exponent;
        }
        return next;
    }
};

// The correctly rounded decimal of `count` digits, from printf's "d.ddde+XX".
Decimal roundedDecimal(double magnitude, int count)
{
    const std::string text = printed("%.*e", count - 1, magnitude);
    Decimal decimal;
    decimal.count = count;
    std::size_t i = 0;
    for (; text[i] != 'e'; ++i) {
        if (isDigit(text[i]))
            decimal.digits = decimal.digits * 10 + std::uint64_t(text[i] - '0');
    }
    decimal.exponent = std::atoi(text.c_str() + i + 1);
    return decimal;
}

// As the library's shortest form: the fewest digits that read back to the value, the nearest
// such decimal (printf rounds to nearest, and on the far side of it only its neighbour can
// still read back where the value's rounding interval is lopsided), laid out plain or
// scientific, whichever is shorter.
template <typename Number> std::string shortestText(Number value)
{
    if (value == 0)
        return std::signbit(value) ? "-0" : "0";
    const Number magnitude = std::fabs(value);
    // The decimal of `count` digits that reads back to the value, if any. Once one does, every
    // longer count has one too, so the shortest is found by halving the range of counts.
    const auto readingBack = [magnitude](int count) -> std::optional<Decimal> {
        const Decimal nearest = roundedDecimal(double(magnitude), count);
        const std::string text = nearest.text();
        if (readBack<Number>(text) == magnitude)
            return nearest;
        const Decimal other = nearest.next(readBack<double>(text) < double(magnitude));
        if (readBack<Number>(other.text()) == magnitude)
            return other;
        return std::nullopt;
    };
    int fewest = 1;
    int most = std::numeric_limits<Number>::max_digits10;
    Decimal found = *readingBack(most);
    while (fewest < most) {
        const int middle = (fewest + most) / 2;
        if (const std::optional<Decimal> decimal = readingBack(middle)) {
            found = *decimal;
            most = middle;
        } else {
            fewest = middle + 1;
        }
    }
    std::string digits = std::to_string(found.digits);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int count = int(digits.size());
    const int exponent = found.exponent;

    const int exponentDigits = std::abs(exponent) >= 100 ? 3 : 2;
    const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + exponentDigits;
    const int plainLength = exponent >= count - 1 ? exponent + 1
                            : exponent >= 0       ? count + 1
                                                  : count + 1 - exponent;
    std::string text = value < 0 ? "-" : "";
    if (plainLength > scientificLength) {
        text += digits[0];
        if (count > 1)
            text += '.' + digits.substr(1);
        text += exponent < 0 ? "e-" : "e+";
        const std::string exponentText = std::to_string(std::abs(exponent));
        text += std::string(std::size_t(exponentDigits) - exponentText.size(), '0') + exponentText;
    } else if (exponent >= count - 1) {
        text += printed("%.*f", 0, double(magnitude)); // a whole number, exactly
    } else if (exponent >= 0) {
        text += digits.substr(0, std::size_t(exponent) + 1) + '.' +
                digits.substr(std::size_t(exponent) + 1);
    } else {
        text += "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    }
    return text;
}
} // namespace

std::string scientificText(double value, int precision)
{
    return printed("%.*e", precision, value);
}

std::string fixedPointText(double value, int decimals)
{
    return printed("%.*f", decimals, value);
}

std::string roundTripText(float value)
{
    return shortestText(value);
}

std::string roundTripText(double value)
{
    return shortestText(value);
}

std::optional<double> parseDecimal(std::string_view text)
{
    if (text.empty() || decimalNumberLength(text) != text.size())
        return std::nullopt;
    // strtod rounds correctly and gives an infinity or a zero out of range, as wanted here.
    return readBack<double>(std::string(text));
}

#endif

} // namespace numbers
