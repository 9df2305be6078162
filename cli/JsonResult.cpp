#include "JsonResult.h"

#include "FieldChecks.h"
#include "JsonWriter.h"
#include "ResultExport.h"
#include "TessivaneVersion.h"
#include "TextEncoding.h"

#include <algorithm>

namespace {
// The value a calculation read from a field (it read every field it used successfully).
std::optional<float> numberOf(const std::string &text)
{
    float value = 0;
    if (checkNumberField(text, InputField::None, "", value))
        return std::nullopt;
    return value;
}

std::optional<int> countOf(const std::string &text)
{
    int16_t value = 0;
    if (checkCountField(text, InputField::None, "", "", value))
        return std::nullopt;
    return value;
}

void writeInputs(JsonWriter &json, const CalcInputs &in)
{
    json.key("inputs").beginObject();
    const int type = in.chamberTypeIndex;
    json.key("chamberType");
    if (type >= 0 && type < static_cast<int>(ChamberTypeNames.size()))
        json.value(ChamberTypeNames[static_cast<std::size_t>(type)]);
    else
        json.null();
    if (in.method == 1) {
        json.key("numChambers").value(countOf(in.numChambers));
        json.key("bedArea_sqft").value(numberOf(in.bedArea));
    } else {
        json.key("rows").value(countOf(in.rows));
        json.key("chambersPerRow").value(countOf(in.cols));
    }
    json.key("foundationDepth_in").value(numberOf(in.foundationDepth));
    json.key("coverThickness_in").value(numberOf(in.coverThickness));
    if (in.method != 1) {
        json.key("internalSpacing_in").value(numberOf(in.internalSpacing));
        json.key("perimeterThickness_in").value(numberOf(in.perimeterThickness));
    }
    json.key("porosity_percent").value(numberOf(in.porosity));
    json.key("baseElevation_ft").value(numberOf(in.baseElevation));
    json.key("bottomArea").value(in.bottomAreaChecked());
    json.endObject();
}

void writeChamber(JsonWriter &json, const ChamberDesignData &chamber)
{
    json.key("chamber").beginObject();
    json.key("description").value(decodeProjectText(chamber.Description));
    json.key("width_in").value(chamber.Width);
    json.key("height_in").value(chamber.Height);
    json.key("length_in").value(chamber.Length);
    json.key("table").beginArray();
    const std::size_t rows = std::min(chamber.Stage.size(), chamber.Storage.size());
    for (std::size_t i = 0; i < rows; ++i) {
        json.beginObject();
        json.key("stage_in").value(chamber.Stage[i]);
        json.key("storage_cuft").value(chamber.Storage[i]);
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

void writeSystem(JsonWriter &json, const ResultState &result)
{
    json.key("system").beginObject();
    json.key("length_ft").value(result.SystemLength);
    json.key("width_ft").value(result.SystemWidth);
    json.key("bottomArea_sqft").value(result.BottomArea);
    json.endObject();
}

void writeEquivalentPond(JsonWriter &json, const ResultState &result)
{
    json.key("equivalentPond").beginArray();
    const std::size_t rows = result.rowCount();
    for (std::size_t i = 0; i < rows; ++i) {
        json.beginObject();
        json.key("stage_ft").value(result.EquivStage[i]);
        json.key("area_sqft").value(result.EquivArea[i]);
        json.endObject();
    }
    json.endArray();
}

void writeStorage(JsonWriter &json, const StorageSummary &storage)
{
    const auto bedFigure = [&](double value) {
        return storage.bedKnown ? std::optional<double>(value) : std::nullopt;
    };
    json.key("storage").beginObject();
    json.key("rows").beginArray();
    for (const StorageRow &row : storage.rows) {
        json.beginObject();
        // Stage and area are the pond table's floats: their float text is the exact one.
        json.key("stage_ft").value(static_cast<float>(row.stage));
        json.key("area_sqft").value(static_cast<float>(row.area));
        json.key("interval_cuft").value(row.interval);
        json.key("cumulative_cuft").value(row.cumulative);
        json.key("chambers_cuft").value(bedFigure(row.chamberPart));
        json.key("stoneVoids_cuft").value(bedFigure(row.stonePart));
        json.key("bedCumulative_cuft").value(bedFigure(row.bedCumulative));
        json.endObject();
    }
    json.endArray();
    json.key("summary").beginObject();
    json.key("pondStorage_cuft").value(storage.pondStorage);
    json.key("bedStorage_cuft").value(bedFigure(storage.bedStorage));
    json.key("stoneStorage_cuft").value(bedFigure(storage.stoneStorage));
    json.key("chamberStorage_cuft").value(bedFigure(storage.chamberStorage));
    json.key("largestDifference_cuft").value(bedFigure(storage.largestDifference));
    json.key("tolerance_cuft").value(bedFigure(storage.tolerance));
    json.key("pondMatchesBed").value(storage.pondMatchesBed);
    json.key("bedKnown").value(storage.bedKnown);
    json.endObject();
    json.endObject();
}
} // namespace

std::string jsonResultText(const ResultExport &data)
{
    const CalcInputs &in = data.inputs;
    JsonWriter json;
    json.beginObject();
    json.key("program").value("tessivane-calc");
    json.key("version").value(TESSIVANE_VERSION);
    json.key("project").value(in.projectName);
    json.key("method").value(in.method);
    json.key("methodName").value(in.method == 1 ? "known bed area" : "rectangular array");
    writeInputs(json, in);
    writeChamber(json, data.chamber);
    if (in.method == 2)
        writeSystem(json, data.result);
    writeEquivalentPond(json, data.result);
    writeStorage(json, data.storage);
    json.endObject();
    return json.text();
}
