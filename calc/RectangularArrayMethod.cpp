#include "CalcMethod.h"

#include "ChamberLayers.h"
#include "FieldChecks.h"
#include "Messages.h"

#include <limits>

namespace {
constexpr double BottomRowHeight = 1.0 / 12.0; // ft

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
    if (auto failure = checkNumberField(in.foundationDepth, InputField::FoundationDepth,
                                        Messages::SpecifyFoundation, v.foundationDepth))
        return failure;
    if (v.foundationDepth < 6)
        return refuse(InputField::FoundationDepth, Messages::FoundationTooThin);
    if (auto failure = checkNumberField(in.coverThickness, InputField::CoverThickness,
                                        Messages::SpecifyCover, v.coverThickness))
        return failure;
    if (v.coverThickness < 6)
        return refuse(InputField::CoverThickness, Messages::CoverTooThin);
    if (auto failure = checkNumberField(in.internalSpacing, InputField::InternalSpacing,
                                        Messages::SpecifySpacing, v.internalSpacing))
        return failure;
    if (v.internalSpacing < 6)
        return refuse(InputField::InternalSpacing, Messages::SpacingTooSmall);
    if (auto failure = checkNumberField(in.perimeterThickness, InputField::PerimeterThickness,
                                        Messages::SpecifyPerimeter, v.perimeterThickness))
        return failure;
    if (v.perimeterThickness < 12)
        return refuse(InputField::PerimeterThickness, Messages::PerimeterTooThin);
    if (auto failure = checkNumberField(in.porosity, InputField::Porosity,
                                        Messages::SpecifyPorosity, v.porosity))
        return failure;
    if (!(1 <= v.porosity && v.porosity <= 100))
        return refuse(InputField::Porosity, Messages::PorosityRange);
    return checkNumberField(in.baseElevation, InputField::BaseElevation, Messages::SpecifyElevation,
                            v.baseElevation);
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
} // namespace

const CalcMethod RectangularArrayMethod = {checkInputs, fillResult, true, BottomRowHeight};
