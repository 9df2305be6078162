#include "StageResolution.h"

#include "NumberConversions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace {
constexpr int SignificantDigits = 7;

// 10^k correctly rounded, alike on every platform (a C library's pow and log10 need not be):
// read from its text, once for the exponents a float's stages and steps reach.
double powerOfTen(int k)
{
    constexpr int Lowest = -60, Highest = 60;
    static const std::array<double, Highest - Lowest + 1> table = [] {
        std::array<double, Highest - Lowest + 1> powers{};
        for (int e = Lowest; e <= Highest; ++e)
            powers[std::size_t(e - Lowest)] =
                numbers::parseDecimal("1e" + std::to_string(e)).value_or(0.0);
        return powers;
    }();
    if (k >= Lowest && k <= Highest)
        return table[std::size_t(k - Lowest)];
    return numbers::parseDecimal("1e" + std::to_string(k)).value_or(0.0);
}

// The k with 10^k <= magnitude < 10^(k+1).
int decimalExponent(double magnitude)
{
    int k = static_cast<int>(std::floor(std::log10(magnitude)));
    if (powerOfTen(k) > magnitude)
        --k;
    else if (powerOfTen(k + 1) <= magnitude)
        ++k;
    return k;
}

double floatSpacing(double value)
{
    const float magnitude = std::fabs(static_cast<float>(value));
    return double(std::nextafter(magnitude, std::numeric_limits<float>::infinity())) - magnitude;
}

double decimalSpacing(double value)
{
    const double magnitude = std::fabs(value);
    if (magnitude == 0 || !std::isfinite(magnitude))
        return 0;
    return powerOfTen(decimalExponent(magnitude) - (SignificantDigits - 1));
}
} // namespace

double stageResolution(double stage)
{
    return std::max(floatSpacing(stage), decimalSpacing(stage));
}

double stageMagnitudeLimit(double step)
{
    // Below 10^k the text's step is 10^(k - 7); below 2^e a float's step is 2^(e - 24).
    const double decimalLimit = powerOfTen(decimalExponent(step) + SignificantDigits);
    const double floatLimit = std::ldexp(1.0, std::ilogb(step) + 24);
    return std::min(decimalLimit, floatLimit);
}
