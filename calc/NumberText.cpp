#include "NumberText.h"

#include "NumberConversions.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {
void appendExponent(std::string &text, int exponent)
{
    const int magnitude = exponent < 0 ? -exponent : exponent;
    text += 'E';
    text += exponent < 0 ? '-' : '+';
    if (magnitude >= 100)
        text += static_cast<char>('0' + magnitude / 100);
    text += static_cast<char>('0' + magnitude / 10 % 10);
    text += static_cast<char>('0' + magnitude % 10);
}

// Seven significant digits, correctly rounded from the float's exact value; the exponent of the
// first. Always 7 digits, trailing zeros included.
void exactDigits(float magnitude, char (&digits)[7], int &exponent)
{
    const std::string text = numbers::scientificText(double(magnitude), 6); // "d.dddddde+XX"
    digits[0] = text[0];
    for (int i = 0; i < 6; ++i)
        digits[i + 1] = text[i + 2];
    const char *first = text.data() + 9 + (text[9] == '+' ? 1 : 0);
    std::from_chars(first, text.data() + text.size(), exponent);
}

// The same, quickly, in double arithmetic: magnitude * 10^k is one correctly rounded product
// (or quotient) of two exact doubles, off by less than 1E-9 below 10^7, so it rounds to the
// right 7 digits unless it lies that close to a half; then, and beyond 10^22, false.
bool quickDigits(float magnitude, char (&digits)[7], int &exponent)
{
    static constexpr double PowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::uint32_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const auto biased = static_cast<int>((bits >> 23) & 0xFF);
    if (biased == 0)
        return false; // subnormal
    // floor(log10(2) * the binary exponent): the decimal one or one less; the loop corrects it.
    int decimal = ((biased - 127) * 78913) >> 18;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 6 - decimal;
        if (k > 22 || k < -22)
            return false;
        const double scaled =
            k >= 0 ? double(magnitude) * PowersOfTen[k] : double(magnitude) / PowersOfTen[-k];
        if (!(scaled < 1e9))
            return false;
        auto rounded = static_cast<std::uint32_t>(scaled); // whole part: scaled is positive
        const double fraction = scaled - rounded;
        if (std::fabs(fraction - 0.5) < 1e-6)
            return false;
        rounded += fraction > 0.5 ? 1u : 0u;
        if (rounded > 10000000) {
            ++decimal;
            continue;
        }
        if (rounded < 1000000) {
            --decimal;
            continue;
        }
        if (rounded == 10000000) { // rounded up into the next decade
            rounded = 1000000;
            ++decimal;
        }
        for (int i = 6; i >= 0; --i, rounded /= 10)
            digits[i] = static_cast<char>('0' + rounded % 10);
        exponent = decimal;
        return true;
    }
    return false;
}
} // namespace

void appendNumText(std::string &text, float value)
{
    if (value == 0.0f || !std::isfinite(value)) {
        text += value == 0.0f ? "0" : (std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf"));
        return;
    }

    char digits[7];
    int exponent = 0;
    const float magnitude = std::fabs(value);
    if (!quickDigits(magnitude, digits, exponent))
        exactDigits(magnitude, digits, exponent);
    int count = 7;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    if (value < 0)
        text += '-';
    const bool tooManyFractionDigits = exponent < 0 && (-exponent - 1 + count) > 7;
    if (exponent >= 7 || tooManyFractionDigits) {
        text += digits[0];
        if (count > 1) {
            text += '.';
            text.append(digits + 1, static_cast<std::size_t>(count - 1));
        }
        appendExponent(text, exponent);
        return;
    }
    if (exponent < 0) {
        text += '.';
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text.append(digits, static_cast<std::size_t>(count));
        return;
    }
    const int integerDigits = exponent + 1;
    if (count <= integerDigits) {
        text.append(digits, static_cast<std::size_t>(count));
        text.append(static_cast<std::size_t>(integerDigits - count), '0');
        return;
    }
    text.append(digits, static_cast<std::size_t>(integerDigits));
    text += '.';
    text.append(digits + integerDigits, static_cast<std::size_t>(count - integerDigits));
}

std::string NumToText(float value)
{
    std::string text;
    appendNumText(text, value);
    return text;
}

void appendTwoDecimalText(std::string &text, float value, char decimalSeparator)
{
    // A float times 100 is exact in a double, so halves are true halves and round up.
    const double magnitude = std::fabs(static_cast<double>(value));
    const double hundredths = magnitude * 100.0;
    const double rounded = magnitude >= 16777216.0 ? hundredths : std::floor(hundredths + 0.5);
    // Hundredths below 2^53 are whole numbers an integer holds exactly.
    std::string digits;
    if (rounded < 9007199254740992.0) {
        char buffer[24];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint64_t>(rounded));
        digits.assign(buffer, result.ptr);
    } else {
        digits = numbers::fixedPointText(rounded, 0);
    }
    // At least three digits: "5" hundredths is 0.05.
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    if (value < 0 && rounded != 0.0)
        text += '-';
    text.append(digits, 0, digits.size() - 2);
    text += decimalSeparator;
    text.append(digits, digits.size() - 2, 2);
}

std::string TwoDecimalText(float value, char decimalSeparator)
{
    std::string text;
    appendTwoDecimalText(text, value, decimalSeparator);
    return text;
}
