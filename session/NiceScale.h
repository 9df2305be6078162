#pragma once

#include <string>
#include <vector>

// Round tick values for a chart axis: a step of 1, 2 or 5 times a power of ten and the
// multiples of it that cover a range.
struct NiceScale
{
    double first = 0; // lowest tick, at or below the range's low end
    double step = 1;
    int count = 2; // ticks from first to last, both included

    double last() const { return first + step * (count - 1); }
    std::vector<double> ticks() const;
    // A tick's label: as many decimals as the step needs (at most 6), "." as decimal point.
    std::string tickText(double value) const;

    // At most maxTicks ticks (at least two) covering [low, high]. An empty or inverted range
    // is widened around its value; values that are not finite give the scale 0 to 1.
    static NiceScale forRange(double low, double high, int maxTicks);
};
