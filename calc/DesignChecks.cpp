#include "DesignChecks.h"

#include "CalcRecord.h"
#include "ChamberDataFile.h"
#include "ChamberLayers.h"
#include "FixedText.h"
#include "NumberText.h"
#include "StageResolution.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double SquareInchesPerSquareFoot = 144.0;
constexpr double CubicInchesPerCubicFoot = 1728.0;

std::string number(double value)
{
    return NumToText(single(value));
}

// Heights (ft) between consecutive rows of the pond, as the methods lay them out.
std::vector<double> pondSteps(const InputValues &values, const ChamberDesignData &chamber,
                              double bottomRowHeight)
{
    const double foundation = values.foundationDepth / 12.0;
    std::vector<double> steps;
    if (bottomRowHeight > 0) {
        steps.push_back(bottomRowHeight);
        steps.push_back(foundation - bottomRowHeight);
    } else {
        steps.push_back(foundation);
    }
    for (std::size_t i = 1; i < chamber.Stage.size(); ++i)
        steps.push_back((double(chamber.Stage[i]) - chamber.Stage[i - 1]) / 12.0);
    steps.push_back(CoverRowHeight);
    steps.push_back(values.coverThickness / 12.0 - CoverRowHeight);
    return steps;
}
} // namespace

CheckFailure checkChamberFitsItsSize(const ChamberDesignData &chamber, int chamberTypeIndex)
{
    const double planArea = double(chamber.Width) * chamber.Length; // in²
    for (std::size_t i = 1; i < chamber.Stage.size(); ++i) {
        const double height = double(chamber.Stage[i]) - chamber.Stage[i - 1];
        const double stored = double(chamber.Storage[i]) - chamber.Storage[i - 1];
        const double outside = planArea * height / CubicInchesPerCubicFoot;
        // A hair of rounding is allowed for a chamber that fills its outline.
        if (stored > outside * (1 + 1e-6))
            return CalcOutcome::refused(
                InputField::None,
                "The chamber design data file " + chamberDataName(chamberTypeIndex) +
                    " describes a chamber that cannot exist: between the stages " +
                    number(chamber.Stage[i - 1]) + " and " + number(chamber.Stage[i]) +
                    " inches one chamber would store " + number(stored) +
                    " ft³, more than its outside size of " + number(chamber.Width) + " x " +
                    number(chamber.Length) + " inches holds over that height (" + number(outside) +
                    " ft³).");
    }
    return std::nullopt;
}

CheckFailure checkBedHoldsChambers(float bedArea, int16_t numChambers,
                                   const ChamberDesignData &chamber)
{
    const double chambersArea =
        numChambers * (double(chamber.Width) * chamber.Length / SquareInchesPerSquareFoot);
    if (bedArea >= chambersArea)
        return std::nullopt;
    return CalcOutcome::refused(InputField::BedArea,
                                "The area of the bed (" + number(bedArea) +
                                    " sq-ft) is smaller than the plan area of its chambers (" +
                                    std::to_string(numChambers) + " x " + number(chamber.Width) +
                                    " x " + number(chamber.Length) +
                                    " inches = " + number(chambersArea) +
                                    " sq-ft). Enlarge the bed or use fewer chambers.");
}

CheckFailure checkStagesStayApart(const InputValues &values, const ChamberDesignData &chamber,
                                  double bottomRowHeight)
{
    double thinnest = INFINITY;
    double depth = 0;
    for (const double step : pondSteps(values, chamber, bottomRowHeight)) {
        if (step > 0)
            thinnest = std::min(thinnest, step);
        depth += std::max(step, 0.0);
    }
    if (!std::isfinite(thinnest))
        return std::nullopt;
    // Two steps of resolution to each layer keep consecutive stages apart after rounding.
    const double limit = stageMagnitudeLimit(thinnest / 2);
    const double base = values.baseElevation;
    if (std::fabs(base) < limit && std::fabs(base + depth) < limit)
        return std::nullopt;

    // Below the limit the resolution is at most half the thinnest layer, so that much margin
    // keeps the named elevation clear of it even once the float rounds it.
    const double margin = thinnest;
    if (depth >= limit - margin)
        return CalcOutcome::refused(
            values.foundationDepth > values.coverThickness ? InputField::FoundationDepth
                                                           : InputField::CoverThickness,
            "The bed is too deep for the equivalent pond: its stages keep 7 significant "
            "digits, too few to hold its thinnest layer (" +
                number(thinnest * 12.0) + " inches) apart over a depth of " + number(depth) +
                " ft.");

    const double cents = 100.0;
    const bool above = base > 0;
    const double named = above ? std::floor((limit - depth - margin) * cents) / cents
                               : std::ceil((margin - limit) * cents) / cents;
    return CalcOutcome::refused(
        InputField::BaseElevation,
        std::string("The base elevation is too far from zero for this bed: the equivalent "
                    "pond's stages keep 7 significant digits, too few to hold its thinnest "
                    "layer (") +
            number(thinnest * 12.0) + " inches) apart. The " + (above ? "highest" : "lowest") +
            " base elevation that works for this bed is " + fixedText(named, 2) + " ft.");
}
