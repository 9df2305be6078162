#include "ShortestText.h"

#include <charconv>
#include <cmath>

namespace {
template <typename Number> std::optional<std::string> shortest(Number value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc())
        return std::nullopt;
    return std::string(buffer, end);
}
} // namespace

std::optional<std::string> shortestText(float value)
{
    return shortest(value);
}

std::optional<std::string> shortestText(double value)
{
    return shortest(value);
}
