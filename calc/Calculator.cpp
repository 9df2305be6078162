#include "Calculator.h"

#include "CalcMethod.h"
#include "ChamberDataFile.h"
#include "ChamberLayers.h"
#include "DesignChecks.h"
#include "Messages.h"
#include "Report.h"
#include "ResultChecks.h"

namespace {
CalcOutcome noMethod()
{
    CalcOutcome outcome = CalcOutcome::refused(InputField::None, Messages::ChooseMethod);
    outcome.outputCleared = false;
    return outcome;
}

// The chamber data and the method's checks: what a record needs before any number is
// worked out.
std::optional<CalcOutcome> readRecord(const CalcMethod &method, const CalcEnvironment &environment,
                                      CalcRecord &record)
{
    if (auto failure = loadSelectedChamber(record.inputs, environment, record.chamber))
        return failure;
    if (auto failure = checkChamberFitsItsSize(record.chamber, record.inputs.chamberTypeIndex))
        return failure;
    if (auto stop =
            method.checkInputs(record.inputs, record.chamber, environment.askYesNo, record.values))
        return stop;
    return checkStagesStayApart(record.values, record.chamber,
                                record.inputs.bottomAreaChecked() ? method.bottomRowHeight : 0);
}

CalcOutcome done(std::shared_ptr<const CalcRecord> record)
{
    CalcOutcome outcome;
    outcome.status = CalcOutcome::Status::Done;
    outcome.record = std::move(record);
    return outcome;
}
} // namespace

const std::string &CalcOutcome::report() const
{
    static const std::string none;
    return record ? record->report : none;
}

CalcOutcome calculate(const CalcInputs &inputs, const CalcEnvironment &environment,
                      ResultState &state)
{
    const CalcMethod *method = calcMethod(inputs.method);
    if (!method)
        return noMethod();
    auto record = std::make_shared<CalcRecord>();
    record->inputs = inputs;
    if (auto stop = readRecord(*method, environment, *record))
        return *stop;

    ReportWriter report(environment.decimalSeparator);
    report.userInput(inputs);
    report.chamberProperties(record->chamber);

    ChamberDesignData chamberInFeet = record->chamber;
    convertChamberToFeet(chamberInFeet);
    // Method #1 leaves the system dimensions as they were.
    ResultState result = method->hasSystemDimensions ? ResultState{} : state;
    result.EquivStage.clear();
    result.EquivArea.clear();
    // The pond adds at most six rows to the chamber's layers.
    result.EquivStage.reserve(record->chamber.Stage.size() + 6);
    result.EquivArea.reserve(record->chamber.Stage.size() + 6);
    method->fillResult(record->values, chamberInFeet, inputs.bottomAreaChecked(), result);
    result.EquivRows = static_cast<int16_t>(result.EquivStage.size());
    result.ResultsValid = true;
    if (!isFinite(result))
        return CalcOutcome::refused(InputField::None, Messages::ResultNotFinite);

    if (method->hasSystemDimensions)
        report.systemDimensions(result);
    report.equivalentStageArea(result);
    record->report = report.takeText();
    record->result = result;
    state = std::move(result);
    return done(std::move(record));
}

CalcOutcome checkedInputs(const CalcInputs &inputs, const CalcEnvironment &environment)
{
    const CalcMethod *method = calcMethod(inputs.method);
    if (!method)
        return noMethod();
    auto record = std::make_shared<CalcRecord>();
    record->inputs = inputs;
    if (auto stop = readRecord(*method, environment, *record))
        return *stop;
    return done(std::move(record));
}

CalcOutcome recordOfResult(const CalcInputs &inputs, const std::string &dataDir,
                           const ResultState &result, const std::string &report)
{
    CalcEnvironment environment;
    environment.dataDir = dataDir;
    environment.askYesNo = [](const std::string &) { return true; };
    CalcOutcome checked = checkedInputs(inputs, environment);
    if (!checked.record) {
        // The calculation's own message names one chamber type whichever file it is.
        if (checked.chamberData != CalcOutcome::ChamberData::Read)
            checked.message =
                "the chamber data file " + chamberDataName(inputs.chamberTypeIndex) +
                (checked.chamberData == CalcOutcome::ChamberData::Missing ? " was not found."
                                                                          : " could not be read.");
        return checked;
    }
    auto record = std::make_shared<CalcRecord>(*checked.record);
    record->result = result;
    record->report = report;
    return done(std::move(record));
}
