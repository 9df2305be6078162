#include "CsvStorage.h"

#include "ShortestText.h"
#include "StorageSummary.h"

std::string csvStorageText(const StorageSummary &storage)
{
    std::string out = CsvStorageHeader;
    out += '\n';
    for (const StorageRow &row : storage.rows) {
        // Stage and area are the pond table's floats: their float text is the exact one.
        out += shortestText(static_cast<float>(row.stage)).value_or("");
        out += ',';
        out += shortestText(static_cast<float>(row.area)).value_or("");
        out += ',';
        out += shortestText(row.interval).value_or("");
        out += ',';
        out += shortestText(row.cumulative).value_or("");
        for (const double bedValue : {row.chamberPart, row.stonePart, row.bedCumulative}) {
            out += ',';
            if (storage.bedKnown)
                out += shortestText(bedValue).value_or("");
        }
        out += '\n';
    }
    return out;
}
