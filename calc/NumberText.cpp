#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string NumToText(float value)
{
    if (value == 0.0f || !std::isfinite(value))
        return value == 0.0f ? "0" : (std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf"));

    // Seven significant digits, correctly rounded from the float's exact value:
    // "d.dddddde+XX".
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(static_cast<double>(value)),
                      std::chars_format::scientific, 6);
    std::string digits;
    digits += buffer[0];
    digits.append(buffer + 2, 6);
    int exponent = 0;
    std::from_chars(buffer + 9 + (buffer[9] == '+' ? 1 : 0), result.ptr, exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int count = static_cast<int>(digits.size());

    std::string text = value < 0 ? "-" : "";
    const bool tooManyFractionDigits = exponent < 0 && (-exponent - 1 + count) > 7;
    if (exponent >= 7 || tooManyFractionDigits) {
        text += digits[0];
        if (count > 1)
            text += "." + digits.substr(1);
        char expText[16];
        std::snprintf(expText, sizeof expText, "E%c%02d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        return text + expText;
    }
    if (exponent < 0)
        return text + "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto integerDigits = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= integerDigits)
        return text + digits + std::string(integerDigits - digits.size(), '0');
    return text + digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

std::string TwoDecimalText(float value, char decimalSeparator)
{
    // A float times 100 is exact in a double, so halves are true halves and round up.
    const double magnitude = std::fabs(static_cast<double>(value));
    const double hundredths = magnitude * 100.0;
    const double rounded = magnitude >= 16777216.0 ? hundredths : std::floor(hundredths + 0.5);
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 0);
    std::string whole(buffer, result.ptr);
    if (whole.size() < 3)
        whole.insert(0, 3 - whole.size(), '0');
    const bool negative = value < 0 && rounded != 0.0;
    return (negative ? "-" : "") + whole.substr(0, whole.size() - 2) + decimalSeparator +
           whole.substr(whole.size() - 2);
}
