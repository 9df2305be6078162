#pragma once

#include <optional>
#include <string>

struct CalcInputs;
struct ResultState;

// The files a calculated bed is handed to routing programs in.
enum class RoutingExport
{
    SwmmStorageNode,      // a SWMM 5 input file with the bed as one storage node
    ElevationStorageTable // elevation and cumulative storage, CSV
};

// The export's text for a result of these inputs, the bed read again from the chamber data
// in dataDir. Nothing when there is no valid result or the bed cannot be described; why
// then says what is wrong.
std::optional<std::string> routingExportText(RoutingExport kind, const CalcInputs &inputs,
                                             const ResultState &result, const std::string &dataDir,
                                             std::string &why);
