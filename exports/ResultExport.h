#pragma once

#include "CalcRecord.h"
#include "StorageSummary.h"

#include <string>

// Everything the machine-readable outputs describe: the calculation's record and the storage
// table with the check against the bed.
struct ResultExport
{
    CalcRecord record;
    StorageSummary storage;

    // Gathers the export of a calculation's record.
    static ResultExport collect(const CalcRecord &record);
};
