#include "EndAreaCurve.h"

#include "FixedText.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {
const double AreaStep = std::pow(10.0, -EndAreaCurve::AreaDecimals);
// Depths stay whole numbers of steps a double holds exactly, and their text 15 significant
// digits, which every reader turns back into the same number.
constexpr int MaxDepthDecimals = 15;
constexpr double MaxDepthSteps = 1e15;
// An interval takes a plateau between two one-step ramps, and the plateau one step at least.
constexpr double LeastIntervalSteps = 4;

double roundedArea(double area)
{
    return std::max(0.0, std::round(area / AreaStep) * AreaStep);
}

// The curve on the grid of 10^-decimals ft, or nothing when an interval is too short for it.
std::optional<StorageCurve> curveOnGrid(const std::vector<StoragePoint> &points, double planArea,
                                        int decimals)
{
    const double step = std::pow(10.0, -decimals);
    std::vector<double> steps; // each point's depth in steps
    for (const StoragePoint &point : points)
        steps.push_back(std::round((point.elevation - points.front().elevation) / step));
    if (steps.back() > MaxDepthSteps)
        return std::nullopt;
    const std::size_t intervals = points.size() - 1;
    std::vector<double> volume(intervals), mean(intervals);
    for (std::size_t i = 0; i < intervals; ++i) {
        const double height = steps[i + 1] - steps[i];
        if (height < LeastIntervalSteps)
            return std::nullopt;
        volume[i] = points[i + 1].storage - points[i].storage;
        mean[i] = volume[i] / (height * step);
    }
    // At each point the smaller neighbouring area, so every plateau stays at or above its mean.
    std::vector<double> atPoint(points.size());
    atPoint.front() = roundedArea(planArea);
    atPoint.back() = roundedArea(mean.back());
    for (std::size_t k = 1; k < intervals; ++k)
        atPoint[k] = roundedArea(std::min(mean[k - 1], mean[k]));
    // The spike from the plan area down to the first plateau must leave that plateau at least
    // half the first interval's volume to hold.
    if (step * (atPoint[0] + atPoint[1]) > volume[0])
        return std::nullopt;

    StorageCurve curve{{{0.0, atPoint.front()}}, decimals};
    for (std::size_t i = 0; i < intervals; ++i) {
        const double from = steps[i];
        const double to = steps[i + 1];
        // Volume = plateau * (height - 1 step) + 1 step * (left + right) / 2.
        const double ends = step * (atPoint[i] + atPoint[i + 1]) / 2;
        const double plateau = roundedArea((volume[i] - ends) / ((to - from - 1) * step));
        if (plateau != atPoint[i])
            curve.points.push_back({(from + 1) * step, plateau});
        if (plateau != atPoint[i + 1])
            curve.points.push_back({(to - 1) * step, plateau});
        curve.points.push_back({to * step, atPoint[i + 1]});
    }
    return curve;
}
} // namespace

Result<StorageCurve> EndAreaCurve::build(const std::vector<StoragePoint> &points, double planArea)
{
    if (points.size() < 2 || !(points.back().elevation > points.front().elevation))
        return Failure{"The bed has no depth."};
    if (const Result<void> rising = checkStorageNeverFalls(points); !rising)
        return rising.failure();
    for (int decimals = DepthDecimals; decimals <= MaxDepthDecimals; ++decimals) {
        if (std::optional<StorageCurve> curve = curveOnGrid(points, planArea, decimals))
            return std::move(*curve);
    }
    // Name the shortest interval: it is the one no grid could resolve.
    std::size_t shortest = 1;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (points[i].elevation - points[i - 1].elevation <
            points[shortest].elevation - points[shortest - 1].elevation)
            shortest = i;
    }
    const double base = points.front().elevation;
    return Failure{"Two of the bed's levels lie too close together for a storage curve to hold "
                   "the storage between them (depths " +
                   fixedText(points[shortest - 1].elevation - base, MaxDepthDecimals) + " and " +
                   fixedText(points[shortest].elevation - base, MaxDepthDecimals) + " ft)."};
}
