#include "Calculator.h"

#include "ChamberDataFile.h"
#include "ChamberLayers.h"
#include "FieldChecks.h"
#include "Messages.h"
#include "Report.h"
#include "ResultChecks.h"

namespace {
struct KnownBedAreaInputs
{
    int16_t numChambers = 0;
    float bedArea = 0.0f;         // ft²
    float foundationDepth = 0.0f; // inches
    float coverThickness = 0.0f;  // inches
    float porosity = 0.0f;        // percent
    float baseElevation = 0.0f;   // ft datum
};

bool ask(const CalcEnvironment &environment, const char *question)
{
    return environment.askYesNo && environment.askYesNo(question);
}

CalcOutcome declined()
{
    CalcOutcome outcome;
    outcome.status = CalcOutcome::Status::Declined;
    return outcome;
}

// The checks in their fixed order; a thin layer below 6 inches is the user's call.
std::optional<CalcOutcome> checkInputs(const CalcInputs &in, const CalcEnvironment &environment,
                                       KnownBedAreaInputs &v)
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
    if (auto failure = checkNumberField(in.foundationDepth, InputField::FoundationDepth,
                                        Messages::SpecifyFoundation, v.foundationDepth))
        return failure;
    if (v.foundationDepth <= 0)
        return refuse(InputField::FoundationDepth, Messages::FoundationNotPositive);
    if (v.foundationDepth < 6 && !ask(environment, Messages::FoundationQuestion))
        return declined();
    if (auto failure = checkNumberField(in.coverThickness, InputField::CoverThickness,
                                        Messages::SpecifyCover, v.coverThickness))
        return failure;
    if (v.coverThickness <= 0)
        return refuse(InputField::CoverThickness, Messages::CoverNotPositive);
    if (v.coverThickness < 6 && !ask(environment, Messages::CoverQuestion))
        return declined();
    if (auto failure = checkNumberField(in.porosity, InputField::Porosity,
                                        Messages::SpecifyPorosity, v.porosity))
        return failure;
    if (!(1 <= v.porosity && v.porosity <= 100))
        return refuse(InputField::Porosity, Messages::PorosityRange);
    return checkNumberField(in.baseElevation, InputField::BaseElevation, Messages::SpecifyElevation,
                            v.baseElevation);
}
} // namespace

CalcOutcome CalcKnownBedArea(const CalcInputs &inputs, const CalcEnvironment &environment,
                             ResultState &state)
{
    ChamberDesignData record;
    if (auto failure = loadSelectedChamber(inputs, environment, record))
        return *failure;
    KnownBedAreaInputs v;
    if (auto stop = checkInputs(inputs, environment, v))
        return *stop;

    ReportWriter report(environment.decimalSeparator);
    report.userInputKnownBedArea(inputs);
    report.chamberProperties(record);

    convertChamberToFeet(record);
    const float Df = single(v.foundationDepth / 12.0);
    const float Dc = single(v.coverThickness / 12.0);
    const float n = single(v.porosity / 100.0);
    const float A = v.bedArea;
    const float E0 = v.baseElevation;
    const float N = v.numChambers;

    // This method leaves the system dimensions as they were.
    ResultState result = state;
    auto &stage = result.EquivStage;
    auto &area = result.EquivArea;
    stage.clear();
    area.clear();
    const float stoneArea = single(double(n) * A);
    appendFoundationRows(stage, area,
                         {E0, Df, stoneArea, A, inputs.bottomAreaChecked(), 0.5 / 12.0});

    const ChamberLayers layers(record);
    for (std::size_t i = 0; i < layers.count(); ++i) {
        const double dS = layers.DeltaStage[i];
        stage.push_back(single(double(stage.back()) + dS));
        const float chambers = single(double(N) * layers.DeltaChamber[i]);
        const float gravel = single((double(A) * dS - chambers) * n);
        const float volume = single(double(gravel) + chambers);
        area.push_back(single(double(volume) / dS));
    }

    appendCoverRows(stage, area, Dc, stoneArea);

    result.EquivRows = static_cast<int16_t>(stage.size());
    result.ResultsValid = true;
    if (!isFinite(result))
        return CalcOutcome::refused(InputField::None, Messages::ResultNotFinite);

    report.equivalentStageArea(result);
    state = std::move(result);
    CalcOutcome outcome;
    outcome.status = CalcOutcome::Status::Done;
    outcome.report = report.text();
    return outcome;
}
