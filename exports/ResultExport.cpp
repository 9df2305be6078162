#include "ResultExport.h"

ResultExport ResultExport::collect(const CalcRecord &record, const TargetValues &target)
{
    ResultExport out;
    out.record = record;
    out.storage = summarizeStorage(record);
    if (Result<DesignFigures> figures =
            designFigures(record, target.elevation, target.infiltrationRate))
        out.design = *figures;
    return out;
}
