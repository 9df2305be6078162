#pragma once

#include "CalcInputs.h"
#include "ChamberDesignData.h"
#include "ResultState.h"
#include "StorageSummary.h"

#include <optional>
#include <string>

// Everything the machine-readable outputs describe: the inputs and chamber data a
// calculation used, its result, and the storage table with the check against the bed.
struct ResultExport
{
    CalcInputs inputs;
    ChamberDesignData chamber;
    ResultState result;
    StorageSummary storage;
    std::string bedUnknownReason; // why storage.bedKnown is false

    // Gathers the export of a calculation that succeeded with these inputs and data files.
    // Nothing when the chamber data file cannot be read again; error then holds its message.
    static std::optional<ResultExport> collect(const CalcInputs &inputs, const ResultState &result,
                                               const std::string &dataDir, std::string &error);
};
