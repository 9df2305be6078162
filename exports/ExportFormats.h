#pragma once

#include "DesignTarget.h"
#include "Result.h"
#include "RoutingExports.h"

#include <array>
#include <string>
#include <string_view>

struct CalcRecord;

// Every form a calculated bed is handed over in.
enum class ExportKind
{
    Report,                // the report, as the Output tab shows it
    StageAreaTable,        // the equivalent pond table, as the clipboard takes it
    Json,                  // everything about the result, for scripts
    StorageCsv,            // the storage table, for spreadsheets
    SwmmStorageNode,       // a SWMM 5 input file with the bed as one storage node
    ElevationStorageTable, // elevation and cumulative storage, for routing programs
};

// One export as the front ends offer it. A new export is one entry here and its writer.
struct ExportFormat
{
    ExportKind kind;
    const char *formatName; // tessivane-calc --format; nullptr: reached otherwise (--table)
    const char *actionName; // the window's File menu item and the page's button: "mnuFile_" +
    const char *title;      // the window's File menu and dialog, the page's download button
    const char *filter;     // the save dialog's file type
    const char *suffix;     // given to a name typed without one
    const char *nameEnd;    // after the project file's base name, for the suggested name
    const char *failure;    // the first line of the window's error box
    bool offeredAsFile;     // the window's File menu and the page's downloads offer it
    bool takesNodeChoices;  // the SWMM node's name and seepage rate apply
};

inline constexpr std::array<ExportFormat, 6> ExportFormats = {{
    {ExportKind::Report, "report", "ExportReport", "Report", "Text files (*.txt)", "txt", ".txt",
     "Error exporting the report:", false, false},
    {ExportKind::StageAreaTable, nullptr, "ExportTable", "Stage vs Area Table",
     "Text files (*.txt)", "txt", "-table.txt", "Error exporting the stage vs area table:", false,
     false},
    {ExportKind::Json, "json", "ExportJson", "JSON Result", "JSON files (*.json)", "json", ".json",
     "Error exporting the JSON result:", false, false},
    {ExportKind::StorageCsv, "csv", "ExportCsv", "Storage Table CSV", "CSV files (*.csv)", "csv",
     "-table.csv", "Error exporting the storage table:", false, false},
    {ExportKind::SwmmStorageNode, "swmm", "ExportSwmm", "SWMM Storage Node",
     "SWMM input files (*.inp)", "inp", ".inp", "Error exporting the SWMM storage node:", true,
     true},
    {ExportKind::ElevationStorageTable, "stage-storage", "ExportStageStorage",
     "Elevation\u2013Storage Table", "CSV files (*.csv)", "csv", "-storage.csv",
     "Error exporting the elevation\u2013storage table:", true, false},
}};

const ExportFormat &exportFormat(ExportKind kind);
// The export of a --format name; nothing for an unknown name.
const ExportFormat *exportFormatNamed(std::string_view name);
// The --format names, comma-separated, in list order.
std::string exportFormatNames();

// The export's text for a calculation's record: line breaks as the format has them (CR LF in
// the report and the table, LF elsewhere). The reason says why there is none. JSON adds the
// storage below the target's elevation and the drawdown at its rate when it has them.
Result<std::string> exportText(ExportKind kind, const CalcRecord &record,
                               const SwmmNodeChoices &choices = {},
                               const TargetValues &target = {});
