#pragma once

#include "Result.h"

#include <optional>
#include <string>

struct CalcRecord;

// The files a calculated bed is handed to routing programs in.
enum class RoutingExport
{
    SwmmStorageNode,      // a SWMM 5 input file with the bed as one storage node
    ElevationStorageTable // elevation and cumulative storage, CSV
};

// What the designer chooses for the SWMM storage node; the table takes neither.
struct SwmmNodeChoices
{
    std::string nodeName;                   // empty: the name derived from the project name
    std::optional<double> infiltrationRate; // in/hr through the bed's bottom; none: no seepage
};

// The export's text for the bed of a record; the reason says what is wrong when it holds no
// valid result, the bed cannot be described or a choice is not valid.
Result<std::string> routingExportText(RoutingExport kind, const CalcRecord &record,
                                      const SwmmNodeChoices &choices = {});

// Nothing when the rate is a seepage rate SWMM can take; otherwise the reason.
Result<void> checkInfiltrationRate(double inchesPerHour);
