#pragma once

#include "BedQuantities.h"
#include "CalcRecord.h"
#include "DesignTarget.h"
#include "StorageSummary.h"

#include <optional>

#include <string>

// Everything the machine-readable outputs describe: the calculation's record, the storage
// table with the check against the bed, and the bed's quantities with the storage below the
// design elevation and the drawdown when the design target gives them.
struct ResultExport
{
    CalcRecord record;
    StorageSummary storage;
    std::optional<DesignFigures> design; // none when the bed cannot be described

    // Gathers the export of a calculation's record.
    static ResultExport collect(const CalcRecord &record, const TargetValues &target = {});
};
