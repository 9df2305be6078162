#pragma once

#include "Result.h"

#include <string>

struct CalcRecord;

// The files a calculated bed is handed to routing programs in.
enum class RoutingExport
{
    SwmmStorageNode,      // a SWMM 5 input file with the bed as one storage node
    ElevationStorageTable // elevation and cumulative storage, CSV
};

// The export's text for the bed of a record; the reason says what is wrong when it holds no
// valid result or the bed cannot be described.
Result<std::string> routingExportText(RoutingExport kind, const CalcRecord &record);
