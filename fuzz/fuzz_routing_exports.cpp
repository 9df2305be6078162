// A project file, and after a NUL byte a chamber data file for both chamber types (the
// shipped data when there is none), calculated; a bed that calculates is exported for the
// routing programs. Each export is text or a reason, never a crash; a SWMM file read as its
// engine reads it holds only its own sections, an outlet and a curve that starts with the
// bed's plan area, and the table never falls.
#include "Calculator.h"
#include "ProjectFile.h"
#include "RoutingExports.h"
#include "ScratchDirectory.h"
#include "StorageSummary.h"
#include "SwmmFileReading.h"
#include "TextEncoding.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {
const std::vector<std::string> Sections = {"[TITLE]", "[OPTIONS]",   "[STORAGE]", "[OUTFALLS]",
                                           "[WEIRS]", "[XSECTIONS]", "[CURVES]"};

void checkSwmmFile(const std::string &text, const BedModel &bed)
{
    const test::SwmmFile file(text);
    if (file.headings != Sections || file.rows.at("[WEIRS]").size() != 1 ||
        file.rows.at("[OUTFALLS]").size() != 1)
        std::abort();
    const auto &node = file.rows.at("[STORAGE]").at(0);
    const test::Points curve = file.curve(node.at(5));
    if (curve.size() < 3 || curve.front().first != 0 ||
        std::fabs(curve.front().second - bed.planArea) > 0.0005 ||
        curve.back().first != std::stod(node.at(2)))
        std::abort();
}

void checkTable(const std::string &text)
{
    const test::Points table = test::readStorageTable(text);
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (!(table[i].first > table[i - 1].first) || table[i].second < table[i - 1].second)
            std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const std::size_t split = bytes.find('\0');
    const Result<ProjectDocument> read = ReadProjectFile(decodeProjectText(bytes.substr(0, split)));
    if (!read)
        return 0;
    std::string dataDir = SHIPPED_DATA_DIR;
    if (split != std::string::npos) {
        dataDir = scratchDirectory();
        for (const char *name : {"/RX-160.dat", "/RX-300.dat"})
            std::ofstream(dataDir + name, std::ios::binary) << bytes.substr(split + 1);
    }
    CalcEnvironment environment;
    environment.dataDir = dataDir;
    environment.askYesNo = [](const std::string &) { return true; };
    ResultState result;
    const CalcOutcome outcome = calculate(read->inputs, environment, result);
    if (outcome.status != CalcOutcome::Status::Done)
        return 0;
    const CalcRecord &record = *outcome.record;
    const Result<BedModel> bed = describeBed(record);
    const auto swmm = routingExportText(RoutingExport::SwmmStorageNode, record);
    const auto seeping = routingExportText(RoutingExport::SwmmStorageNode, record, {"Bed", 1.0});
    const auto table = routingExportText(RoutingExport::ElevationStorageTable, record);
    if (swmm.ok() != seeping.ok() || (swmm.ok() ? !swmm->size() : swmm.reason().empty()))
        std::abort();
    if (swmm && bed) {
        checkSwmmFile(*swmm, *bed);
        checkSwmmFile(*seeping, *bed);
    }
    if (table)
        checkTable(*table);
    return 0;
}
