#include "ExportFormats.h"

#include "CalcRecord.h"
#include "ClipboardText.h"
#include "CsvStorage.h"
#include "JsonResult.h"
#include "ResultExport.h"

const ExportFormat &exportFormat(ExportKind kind)
{
    for (const ExportFormat &format : ExportFormats) {
        if (format.kind == kind)
            return format;
    }
    return ExportFormats.front();
}

const ExportFormat *exportFormatNamed(std::string_view name)
{
    for (const ExportFormat &format : ExportFormats) {
        if (format.formatName && name == format.formatName)
            return &format;
    }
    return nullptr;
}

std::string exportFormatNames()
{
    std::string names;
    for (const ExportFormat &format : ExportFormats) {
        if (!format.formatName)
            continue;
        if (!names.empty())
            names += ", ";
        names += format.formatName;
    }
    return names;
}

Result<std::string> exportText(ExportKind kind, const CalcRecord &record,
                               const SwmmNodeChoices &choices, const TargetValues &target)
{
    if (!record.result.ResultsValid)
        return Failure{"There is no calculated result to export."};
    switch (kind) {
    case ExportKind::Report:
        return record.report;
    case ExportKind::StageAreaTable:
        return StageAreaClipboardText(record.result);
    case ExportKind::Json:
        return jsonResultText(ResultExport::collect(record, target));
    case ExportKind::StorageCsv:
        return csvStorageText(summarizeStorage(record));
    case ExportKind::SwmmStorageNode:
        return routingExportText(RoutingExport::SwmmStorageNode, record, choices);
    case ExportKind::ElevationStorageTable:
        return routingExportText(RoutingExport::ElevationStorageTable, record);
    }
    return Failure{"There is no such export."};
}
