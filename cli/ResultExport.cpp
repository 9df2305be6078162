#include "ResultExport.h"

#include "ChamberDataFile.h"

std::optional<ResultExport> ResultExport::collect(const CalcInputs &inputs,
                                                  const ResultState &result,
                                                  const std::string &dataDir, std::string &error)
{
    ResultExport out;
    out.inputs = inputs;
    out.result = result;

    // Read again rather than handed over by the calculation, which keeps its record private.
    CalcEnvironment environment;
    environment.dataDir = dataDir;
    if (const CheckFailure failure = loadSelectedChamber(inputs, environment, out.chamber)) {
        error = failure->message;
        return std::nullopt;
    }

    const std::optional<BedModel> bed = describeBed(inputs, dataDir, &out.bedUnknownReason);
    out.storage = summarizeStorage(result, bed ? &*bed : nullptr);
    return out;
}
