#include "StageResolution.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int SignificantDigits = 7;

double floatSpacing(double value)
{
    const float magnitude = std::fabs(static_cast<float>(value));
    return double(std::nextafter(magnitude, std::numeric_limits<float>::infinity())) - magnitude;
}

double decimalSpacing(double value)
{
    const double magnitude = std::fabs(value);
    if (magnitude == 0)
        return 0;
    return std::pow(10.0, std::floor(std::log10(magnitude)) - (SignificantDigits - 1));
}
} // namespace

double stageResolution(double stage)
{
    return std::max(floatSpacing(stage), decimalSpacing(stage));
}

double stageMagnitudeLimit(double step)
{
    // Below 10^k the text's step is 10^(k - 7); below 2^e a float's step is 2^(e - 24).
    const double decimalLimit = std::pow(10.0, std::floor(std::log10(step)) + SignificantDigits);
    const double floatLimit = std::pow(2.0, std::floor(std::log2(step)) + 24);
    return std::min(decimalLimit, floatLimit);
}
