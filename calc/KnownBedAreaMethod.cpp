#include "CalcMethod.h"

#include "ChamberLayers.h"
#include "DesignChecks.h"
#include "FieldChecks.h"
#include "Messages.h"

namespace {
constexpr double BottomRowHeight = 0.5 / 12.0; // ft

// A layer below 6 inches is the user's call.
const LayerLimits FoundationLimits = {
    InputField::FoundationDepth,        Messages::SpecifyFoundation,
    Messages::FoundationNotPositive,    BottomRowHeight * 12,
    Messages::FoundationBelowBottomRow, 6,
    Messages::FoundationQuestion,       true};
const LayerLimits CoverLimits = {InputField::CoverThickness,  Messages::SpecifyCover,
                                 Messages::CoverNotPositive,  1,
                                 Messages::CoverBelowOneInch, 6,
                                 Messages::CoverQuestion,     true};

// The checks in their fixed order.
std::optional<CalcOutcome> checkInputs(const CalcInputs &in, const ChamberDesignData &chamber,
                                       const AskYesNo &askYesNo, InputValues &v)
{
    if (auto failure =
            checkCountField(in.numChambers, InputField::NumChambers, Messages::SpecifyNumChambers,
                            Messages::NumChambersNotPositive, v.numChambers))
        return failure;
    if (auto failure =
            checkNumberField(in.bedArea, InputField::BedArea, Messages::SpecifyBedArea, v.bedArea))
        return failure;
    if (v.bedArea <= 0)
        return refuse(InputField::BedArea, Messages::BedAreaNotPositive);
    if (auto failure = checkBedHoldsChambers(v.bedArea, v.numChambers, chamber))
        return failure;
    // The pond's rows must rise: the bottom-area row sits half an inch above the base, the
    // next one at the top of the foundation; the cover's rows one inch above the chambers and
    // at the cover's top.
    LayerLimits foundation = FoundationLimits;
    if (!in.bottomAreaChecked())
        foundation.least = 0;
    if (auto stop = checkLayerField(in.foundationDepth, foundation, askYesNo, v.foundationDepth))
        return stop;
    if (auto stop = checkLayerField(in.coverThickness, CoverLimits, askYesNo, v.coverThickness))
        return stop;
    return checkPorosityAndElevation(in, v);
}

void fillResult(const InputValues &v, const ChamberDesignData &chamber, bool bottomAreaRow,
                ResultState &result)
{
    const float Df = single(v.foundationDepth / 12.0);
    const float Dc = single(v.coverThickness / 12.0);
    const float n = single(v.porosity / 100.0);
    const float A = v.bedArea;
    const float E0 = v.baseElevation;
    const float N = v.numChambers;

    auto &stage = result.EquivStage;
    auto &area = result.EquivArea;
    const float stoneArea = single(double(n) * A);
    appendFoundationRows(stage, area, {E0, Df, stoneArea, A, bottomAreaRow, BottomRowHeight});

    const ChamberLayers layers(chamber);
    for (std::size_t i = 0; i < layers.count(); ++i) {
        const double dS = layers.DeltaStage[i];
        stage.push_back(single(double(stage.back()) + dS));
        const float chambers = single(double(N) * layers.DeltaChamber[i]);
        const float gravel = single((double(A) * dS - chambers) * n);
        const float volume = single(double(gravel) + chambers);
        area.push_back(single(double(volume) / dS));
    }

    appendCoverRows(stage, area, Dc, stoneArea);
}
BedGeometry bedGeometry(const InputValues &v, const ChamberDesignData &)
{
    BedGeometry bed;
    bed.chambers = v.numChambers;
    bed.planArea = v.bedArea;
    return bed;
}
} // namespace

const CalcMethod KnownBedAreaMethod = {
    .number = 1,
    .caption = "#1 - Default (known bed area and number of chambers)",
    .jsonName = "known bed area",
    .hasSystemDimensions = false,
    .bottomRowHeight = BottomRowHeight,
    .checkInputs = checkInputs,
    .fillResult = fillResult,
    .bedGeometry = bedGeometry,
};
