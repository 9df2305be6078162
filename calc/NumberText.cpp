#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string NumToText(float value)
{
    if (value == 0.0f || !std::isfinite(value))
        return value == 0.0f ? "0" : (std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf"));

    // Seven significant digits, correctly rounded from the float's exact value.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6e", std::fabs(static_cast<double>(value)));
    std::string digits;
    digits += buffer[0];
    digits.append(buffer + 2, 6);
    const int exponent = std::atoi(buffer + 9);
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
    // The float's exact decimal expansion, so that only true halves round up.
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "%.160f", std::fabs(static_cast<double>(value)));
    std::string exact(buffer);
    const auto point = exact.find('.');
    std::string whole = exact.substr(0, point) + exact.substr(point + 1, 2);
    if (exact[point + 3] >= '5') {
        int i = static_cast<int>(whole.size()) - 1;
        while (i >= 0 && whole[static_cast<std::size_t>(i)] == '9')
            whole[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            whole.insert(0, "1");
        else
            ++whole[static_cast<std::size_t>(i)];
    }
    const bool negative = value < 0 && whole.find_first_not_of('0') != std::string::npos;
    return (negative ? "-" : "") + whole.substr(0, whole.size() - 2) + decimalSeparator +
           whole.substr(whole.size() - 2);
}
