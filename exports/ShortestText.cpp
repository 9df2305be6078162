#include "ShortestText.h"

#include "NumberConversions.h"

#include <cmath>

std::optional<std::string> shortestText(float value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return numbers::roundTripText(value);
}

std::optional<std::string> shortestText(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return numbers::roundTripText(value);
}
