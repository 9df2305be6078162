#include "CalcMethod.h"

#include "ChamberLayers.h"
#include "DesignChecks.h"
#include "FieldChecks.h"
#include "Messages.h"

namespace {
bool ask(const AskYesNo &askYesNo, const char *question)
{
    return askYesNo && askYesNo(question);
}

CalcOutcome declined()
{
    CalcOutcome outcome;
    outcome.status = CalcOutcome::Status::Declined;
    return outcome;
}

// The checks in their fixed order; a thin layer below 6 inches is the user's call.
constexpr double BottomRowHeight = 0.5 / 12.0; // ft

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
    if (auto failure = checkNumberField(in.foundationDepth, InputField::FoundationDepth,
                                        Messages::SpecifyFoundation, v.foundationDepth))
        return failure;
    if (v.foundationDepth <= 0)
        return refuse(InputField::FoundationDepth, Messages::FoundationNotPositive);
    // The pond's rows must rise: the bottom-area row sits half an inch above the base, the
    // next one at the top of the foundation.
    if (in.bottomAreaChecked() && v.foundationDepth < BottomRowHeight * 12)
        return refuse(InputField::FoundationDepth, Messages::FoundationBelowBottomRow);
    if (v.foundationDepth < 6 && !ask(askYesNo, Messages::FoundationQuestion))
        return declined();
    if (auto failure = checkNumberField(in.coverThickness, InputField::CoverThickness,
                                        Messages::SpecifyCover, v.coverThickness))
        return failure;
    if (v.coverThickness <= 0)
        return refuse(InputField::CoverThickness, Messages::CoverNotPositive);
    if (v.coverThickness < 1)
        return refuse(InputField::CoverThickness, Messages::CoverBelowOneInch);
    if (v.coverThickness < 6 && !ask(askYesNo, Messages::CoverQuestion))
        return declined();
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
} // namespace

const CalcMethod KnownBedAreaMethod = {checkInputs, fillResult, false, BottomRowHeight};
