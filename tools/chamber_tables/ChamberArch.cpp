#include "ChamberArch.h"

#include "LineBreaks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>

namespace {

constexpr double cubicInchesPerCubicFoot = 1728.0;

std::string formatNumber(const char *format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

ChamberArch::ChamberArch(ChamberGeometry geometry) : m_geometry(std::move(geometry))
{
    const auto &g = m_geometry;
    if (!(g.insideWidth > 0 && g.insideHeight > 0 && g.insideLength > 0))
        throw std::invalid_argument(g.name + ": inside dimensions must be positive");
    if (g.insideWidth > g.outsideWidth || g.insideHeight > g.outsideHeight ||
        g.insideLength > g.outsideLength)
        throw std::invalid_argument(g.name + ": inside dimensions exceed the outside ones");
    if (g.outsideHeight < 1)
        throw std::invalid_argument(g.name + ": outside height below one inch");
}

double ChamberArch::wettedArea(double depthInches) const
{
    // Width at height y is Wi * sqrt(1 - (y/Hi)^2); integrating from 0 to h with t = h/Hi
    // gives Wi * Hi / 2 * (t * sqrt(1 - t^2) + asin t).
    const double t = std::clamp(depthInches / m_geometry.insideHeight, 0.0, 1.0);
    return m_geometry.insideWidth * m_geometry.insideHeight / 2.0 *
           (t * std::sqrt(1.0 - t * t) + std::asin(t));
}

double ChamberArch::storageAt(double depthInches) const
{
    return wettedArea(depthInches) * m_geometry.insideLength / cubicInchesPerCubicFoot;
}

double ChamberArch::fullVolume() const
{
    return std::numbers::pi / 4.0 * m_geometry.insideWidth * m_geometry.insideHeight *
           m_geometry.insideLength / cubicInchesPerCubicFoot;
}

std::vector<StageStorageRow> ChamberArch::table() const
{
    std::vector<StageStorageRow> rows;
    const int topStage = static_cast<int>(std::ceil(m_geometry.outsideHeight));
    for (int stage = 0; stage <= topStage; ++stage) {
        const double depth = std::min<double>(stage, m_geometry.outsideHeight);
        rows.push_back({depth, storageAt(depth)});
        if (depth >= m_geometry.outsideHeight)
            break;
    }
    return rows;
}

std::string ChamberArch::dataFileText() const
{
    const auto &g = m_geometry;
    const auto rows = table();
    std::string text;
    text += g.name + " arched storage chamber, outside " + formatNumber("%g", g.outsideWidth) +
            " x " + formatNumber("%g", g.outsideHeight) + " x " +
            formatNumber("%g", g.outsideLength) + " in (W x H x L), elliptical arch " +
            formatNumber("%g", g.insideWidth) + " x " + formatNumber("%g", g.insideHeight) +
            " in inside, " + formatNumber("%g", g.insideLength) + " in inside length" + LineBreak;
    text += formatNumber("%g", g.outsideWidth) + LineBreak;
    text += formatNumber("%g", g.outsideHeight) + LineBreak;
    text += formatNumber("%g", g.outsideLength) + LineBreak;
    text += std::to_string(rows.size()) + LineBreak;
    for (const auto &row : rows)
        text += formatNumber("%g", row.stageInches) + ", " +
                formatNumber("%.2f", row.storageCubicFeet) + LineBreak;
    return text;
}

std::vector<ChamberArch> ChamberArch::shippedModels()
{
    // Walls, feet and end caps take the difference between outside and inside sizes:
    // 2 in of foot and rib at each side, a 1 in (RX-160) or 2 in (RX-300) crown, and
    // 2 in end caps at each end.
    return {
        ChamberArch({"RX-160", 34, 16, 85, 30, 15, 81}),
        ChamberArch({"RX-300", 51, 30, 85, 47, 28, 81}),
    };
}
