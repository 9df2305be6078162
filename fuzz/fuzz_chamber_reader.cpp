// Any bytes as a chamber data file: the reader must refuse or accept, never crash or hang,
// and what it accepts must be a usable table.
#include "ChamberDataFile.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
    ChamberDesignData record;
    if (ReadChamberRecord(in, record)) {
        if (record.NumPoints < 2 || record.Stage.size() != std::size_t(record.NumPoints) ||
            record.Storage.size() != record.Stage.size())
            std::abort();
        for (std::size_t i = 1; i < record.Stage.size(); ++i) {
            if (!(record.Stage[i] > record.Stage[i - 1]))
                std::abort();
        }
    }
    return 0;
}
