#include "ResultExport.h"

ResultExport ResultExport::collect(const CalcRecord &record)
{
    ResultExport out;
    out.record = record;
    out.storage = summarizeStorage(record);
    return out;
}
