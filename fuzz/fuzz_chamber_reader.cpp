// Any bytes as a chamber data file: the reader must refuse or accept, never crash or hang,
// and what it accepts must be a usable table that both methods can calculate with.
#include "ChamberDataFile.h"
#include "FuzzCalculation.h"
#include "ScratchDirectory.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {
// Both methods, with and without the bottom area kept, and with a foundation and cover thin
// enough for method #1's questions.
CalcInputs worked(int method, int bottomArea, const char *thickness)
{
    CalcInputs in;
    in.method = method;
    in.bottomAreaValue = bottomArea;
    in.chamberTypeIndex = 0;
    in.numChambers = "10";
    in.bedArea = "1000";
    in.rows = "2";
    in.cols = "3";
    in.foundationDepth = thickness;
    in.coverThickness = thickness;
    in.internalSpacing = "6";
    in.perimeterThickness = "12";
    in.porosity = "40";
    in.baseElevation = "100";
    return in;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Result<ChamberDesignData> read =
        ReadChamberRecord(std::string_view(reinterpret_cast<const char *>(data), size));
    if (read) {
        const ChamberDesignData &record = *read;
        if (record.NumPoints < 2 || record.Stage.size() != std::size_t(record.NumPoints) ||
            record.Storage.size() != record.Stage.size())
            std::abort();
        for (std::size_t i = 1; i < record.Stage.size(); ++i) {
            if (!(record.Stage[i] > record.Stage[i - 1]))
                std::abort();
        }
        { // the input as the chamber data file of an application directory
            std::ofstream file(scratchDirectory() + "/RX-160.dat",
                               std::ios::binary | std::ios::trunc);
            file.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
        }
        for (const int method : {1, 2}) {
            calculateAsTheCommandLineDoes(worked(method, 0, "6"), scratchDirectory());
            calculateAsTheCommandLineDoes(worked(method, 1, "3"), scratchDirectory());
        }
    }
    return 0;
}
