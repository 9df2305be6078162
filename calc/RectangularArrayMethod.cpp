#include "CalcMethod.h"

#include "ChamberLayers.h"
#include "FieldChecks.h"
#include "Messages.h"

#include <limits>
#include <tuple>

namespace {
constexpr double BottomRowHeight = 1.0 / 12.0; // ft

// The recommended least of each stone layer is a hard limit here.
constexpr LayerLimits refusedBelow(InputField field, const char *specify, double least,
                                   const char *message)
{
    return {field, specify, nullptr, 0, nullptr, least, message, false};
}
const LayerLimits FoundationLimits = refusedBelow(
    InputField::FoundationDepth, Messages::SpecifyFoundation, 6, Messages::FoundationTooThin);
const LayerLimits CoverLimits =
    refusedBelow(InputField::CoverThickness, Messages::SpecifyCover, 6, Messages::CoverTooThin);
const LayerLimits SpacingLimits = refusedBelow(
    InputField::InternalSpacing, Messages::SpecifySpacing, 6, Messages::SpacingTooSmall);
const LayerLimits PerimeterLimits = refusedBelow(
    InputField::PerimeterThickness, Messages::SpecifyPerimeter, 12, Messages::PerimeterTooThin);

std::optional<CalcOutcome> checkInputs(const CalcInputs &in, const ChamberDesignData &,
                                       const AskYesNo &, InputValues &v)
{
    if (auto failure = checkCountField(in.rows, InputField::Rows, Messages::SpecifyRows,
                                       Messages::RowsTooFew, v.rows))
        return failure;
    if (auto failure = checkCountField(in.cols, InputField::Cols, Messages::SpecifyCols,
                                       Messages::ColsTooFew, v.cols))
        return failure;
    if (int(v.rows) * int(v.cols) > std::numeric_limits<int16_t>::max())
        return refuse(InputField::Cols, Messages::TooManyChambers);
    for (const auto &[limits, text, value] :
         {std::tuple{&FoundationLimits, &in.foundationDepth, &v.foundationDepth},
          {&CoverLimits, &in.coverThickness, &v.coverThickness},
          {&SpacingLimits, &in.internalSpacing, &v.internalSpacing},
          {&PerimeterLimits, &in.perimeterThickness, &v.perimeterThickness}}) {
        if (auto failure = checkLayerField(*text, *limits, nullptr, *value))
            return failure;
    }
    return checkPorosityAndElevation(in, v);
}

void fillResult(const InputValues &v, const ChamberDesignData &chamber, bool bottomAreaRow,
                ResultState &result)
{
    const float Df = single(v.foundationDepth / 12.0);
    const float Dc = single(v.coverThickness / 12.0);
    const float Si = single(v.internalSpacing / 12.0);
    const float Se = single(v.perimeterThickness / 12.0);
    const float n = single(v.porosity / 100.0);
    const float E0 = v.baseElevation;
    const double W = chamber.Width;
    const double L = chamber.Length;
    const int Nr = v.rows;
    const int Nc = v.cols;

    result.SystemLength = single(double(single(Nc)) * L);
    result.SystemWidth = single((double(Nr - 1) * Si + double(Nr) * W) + 2.0 * Se);
    result.BottomArea = single(double(result.SystemLength) * result.SystemWidth);

    const ChamberLayers layers(chamber);
    const std::size_t M = layers.count();
    std::vector<float> DeltaVoid(M);
    std::vector<float> DeltaUnit(M);
    for (std::size_t i = 0; i < M; ++i) {
        const double dS = layers.DeltaStage[i];
        const double dC = layers.DeltaChamber[i];
        DeltaVoid[i] = single(((W * dS) * L - dC) * n);
        DeltaUnit[i] = single(double(DeltaVoid[i]) + dC);
    }

    auto &stage = result.EquivStage;
    auto &area = result.EquivArea;
    const float stoneArea = single(double(n) * result.BottomArea);
    appendFoundationRows(stage, area,
                         {E0, Df, stoneArea, result.BottomArea, bottomAreaRow, BottomRowHeight});

    const auto chambers = static_cast<int16_t>(Nr * Nc);
    for (std::size_t i = 0; i < M; ++i) {
        const double dS = layers.DeltaStage[i];
        stage.push_back(single(double(stage.back()) + dS));
        float T = single(double(single(chambers)) * DeltaUnit[i]);
        T = single(double(Nr - 1) * Si * dS * result.SystemLength * n + T);
        T = single(2.0 * Se * dS * result.SystemLength * n + T);
        area.push_back(single(double(T) / dS));
    }

    appendCoverRows(stage, area, Dc, stoneArea);
}
BedGeometry bedGeometry(const InputValues &v, const ChamberDesignData &chamber)
{
    const int rows = v.rows;
    BedGeometry bed;
    bed.chambers = rows * v.cols;
    bed.length = v.cols * (chamber.Length / 12.0);
    bed.width = (rows - 1) * (v.internalSpacing / 12.0) + rows * (chamber.Width / 12.0) +
                2 * (v.perimeterThickness / 12.0);
    bed.planArea = bed.length * bed.width;
    return bed;
}
} // namespace

const CalcMethod RectangularArrayMethod = {
    .number = 2,
    .caption = "#2 - Simple Rectangular Array",
    .jsonName = "rectangular array",
    .hasSystemDimensions = true,
    .bottomRowHeight = BottomRowHeight,
    .checkInputs = checkInputs,
    .fillResult = fillResult,
    .bedGeometry = bedGeometry,
};
