#include "NiceScale.h"

#include "NumberConversions.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest of 1, 2, 5 or 10 times a power of ten that is at least the value.
double roundStepUp(double value)
{
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * power >= value * (1 - 1e-12))
            return multiple * power;
    }
    return 10 * power;
}

} // namespace

std::vector<double> NiceScale::ticks() const
{
    std::vector<double> values;
    values.reserve(std::size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const double value = first + step * i;
        // Print 0 rather than a tiny remainder of the multiplication.
        values.push_back(std::fabs(value) < step * 1e-9 ? 0.0 : value);
    }
    return values;
}

NiceScale NiceScale::forRange(double low, double high, int maxTicks)
{
    if (!std::isfinite(low) || !std::isfinite(high) || !std::isfinite(high - low))
        return {0, 1, 2};
    if (low > high)
        std::swap(low, high);
    if (high - low <= std::max(std::fabs(low), std::fabs(high)) * 1e-12) {
        const double pad = low == 0 ? 1.0 : std::fabs(low) * 0.05;
        low -= pad;
        high += pad;
    }
    maxTicks = std::max(maxTicks, 2);
    double step = roundStepUp((high - low) / (maxTicks - 1));
    for (;;) {
        const double first = std::floor(low / step) * step;
        const double last = std::ceil(high / step) * step;
        const int count = int(std::lround((last - first) / step)) + 1;
        if (count <= maxTicks || !std::isfinite(step))
            return {first, step, std::max(count, 2)};
        // Rounding the ends outwards added a tick too many: take the next round step.
        step = roundStepUp(step * 1.01);
    }
}

std::string NiceScale::tickText(double value) const
{
    const int decimals = std::clamp(int(-std::floor(std::log10(step) + 1e-9)), 0, 6);
    // No "-0" for a tick that only rounds to zero.
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0;
    return std::isfinite(value) ? numbers::fixedPointText(value, decimals) : std::string();
}
