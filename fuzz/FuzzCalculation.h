#pragma once

// What a calculation does with what the fuzz targets read, as tessivane-calc would run it:
// Calculate (questions answered Yes), then the JSON and CSV outputs with the storage check.
// A finished calculation must leave a consistent, finite table and UTF-8 JSON; anything
// else aborts.
#include "Calculator.h"
#include "CsvStorage.h"
#include "JsonResult.h"
#include "ResultExport.h"
#include "TextEncoding.h"

#include <cmath>
#include <cstdlib>
#include <string>

inline void calculateAsTheCommandLineDoes(const CalcInputs &inputs, const std::string &dataDir)
{
    CalcEnvironment environment;
    environment.dataDir = dataDir;
    environment.askYesNo = [](const std::string &) { return true; };
    ResultState result;
    const CalcOutcome outcome = calculate(inputs, environment, result);
    if (outcome.status != CalcOutcome::Status::Done)
        return;
    const auto rows = static_cast<std::size_t>(result.EquivRows);
    if (!result.ResultsValid || rows < 1 || result.EquivStage.size() != rows ||
        result.EquivArea.size() != rows || outcome.report().empty())
        std::abort();
    for (std::size_t i = 0; i < rows; ++i) {
        if (!std::isfinite(result.EquivStage[i]) || !std::isfinite(result.EquivArea[i]))
            std::abort();
    }
    const ResultExport exported = ResultExport::collect(*outcome.record);
    if (!isValidUtf8(jsonResultText(exported)) || csvStorageText(exported.storage).empty())
        std::abort();
}
