#include "EndAreaCurve.h"

#include "FixedText.h"

#include <algorithm>
#include <cmath>

namespace {
const double DepthStep = std::pow(10.0, -EndAreaCurve::DepthDecimals);
const double AreaStep = std::pow(10.0, -EndAreaCurve::AreaDecimals);

// Depths are counted in steps, so the ramps and the stages land exactly on written values.
struct Knot
{
    double steps = 0;   // depth above the invert in DepthStep
    double storage = 0; // ft³
};

double roundedArea(double area)
{
    return std::max(0.0, std::round(area / AreaStep) * AreaStep);
}

std::vector<Knot> knotsOf(const std::vector<StoragePoint> &points)
{
    std::vector<Knot> knots;
    for (const StoragePoint &point : points) {
        const double steps = std::round((point.elevation - points.front().elevation) / DepthStep);
        if (!knots.empty() && steps <= knots.back().steps)
            knots.back().storage = point.storage;
        else
            knots.push_back({steps, point.storage});
    }
    return knots;
}
} // namespace

Result<std::vector<CurvePoint>> EndAreaCurve::build(const std::vector<StoragePoint> &points)
{
    const std::vector<Knot> knots = knotsOf(points);
    if (knots.size() < 2)
        return Failure{"The bed has no depth."};
    // The bed's own area in each interval: its storage there over its height.
    const std::size_t intervals = knots.size() - 1;
    std::vector<double> mean(intervals);
    for (std::size_t i = 0; i < intervals; ++i) {
        const double volume = knots[i + 1].storage - knots[i].storage;
        if (!std::isfinite(volume) || volume < 0)
            return Failure{"The bed's storage falls between depths " +
                           fixedText(knots[i].steps * DepthStep, DepthDecimals) + " and " +
                           fixedText(knots[i + 1].steps * DepthStep, DepthDecimals) +
                           " ft; no storage curve can give that."};
        mean[i] = volume / ((knots[i + 1].steps - knots[i].steps) * DepthStep);
    }
    // At each knot the smaller neighbouring area, so every plateau stays at or above its mean.
    std::vector<double> atKnot(knots.size());
    atKnot.front() = roundedArea(mean.front());
    atKnot.back() = roundedArea(mean.back());
    for (std::size_t k = 1; k < intervals; ++k)
        atKnot[k] = roundedArea(std::min(mean[k - 1], mean[k]));

    std::vector<CurvePoint> curve = {{0.0, atKnot.front()}};
    for (std::size_t i = 0; i < intervals; ++i) {
        const double from = knots[i].steps;
        const double to = knots[i + 1].steps;
        const double height = to - from;
        // A one-step rise keeps the curve within half a step's area change of the bed between
        // elevations; intervals shorter than four steps take a straight line.
        const double width = 1;
        if (height >= 4) {
            // Volume = plateau * (height - width) + width * (left + right) / 2.
            const double volume = knots[i + 1].storage - knots[i].storage;
            const double ends = width * DepthStep * (atKnot[i] + atKnot[i + 1]) / 2;
            const double plateau = roundedArea((volume - ends) / ((height - width) * DepthStep));
            if (plateau != atKnot[i])
                curve.push_back({(from + width) * DepthStep, plateau});
            if (plateau != atKnot[i + 1])
                curve.push_back({(to - width) * DepthStep, plateau});
        }
        curve.push_back({to * DepthStep, atKnot[i + 1]});
    }
    return curve;
}
