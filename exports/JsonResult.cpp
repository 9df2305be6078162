#include "JsonResult.h"

#include "CalcMethod.h"
#include "InputFields.h"
#include "JsonWriter.h"
#include "ResultExport.h"
#include "TessivaneVersion.h"
#include "TextEncoding.h"

#include <algorithm>

namespace {
void writeInputs(JsonWriter &json, const CalcInputs &in, const InputValues &v)
{
    json.key("inputs").beginObject();
    for (const InputFieldInfo &field : InputFields) {
        if (!field.jsonKey || !field.usedBy(in.method))
            continue;
        json.key(field.jsonKey);
        switch (field.kind) {
        case FieldKind::Text:
            json.value(in.*field.text);
            break;
        case FieldKind::ChamberType:
            if (const ChamberModel *model = chamberModel(in.chamberTypeIndex))
                json.value(model->listText);
            else
                json.null();
            break;
        case FieldKind::Count: // the numbers the calculation used
            json.value(int(v.*field.count));
            break;
        case FieldKind::Number:
            json.value(v.*field.number);
            break;
        case FieldKind::CheckBox:
            json.value(in.bottomAreaChecked());
            break;
        }
    }
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
void writeDesign(JsonWriter &json, const DesignFigures &design)
{
    const BedQuantities &q = design.quantities;
    json.key("quantities").beginObject();
    json.key("chambers").value(q.chambers);
    json.key("planArea_sqft").value(q.planArea);
    json.key("bedHeight_ft").value(q.bedHeight);
    json.key("stoneVolume_cuft").value(q.stoneVolume);
    json.key("stoneVolume_cuyd").value(q.stoneVolume / CubicFeetPerCubicYard);
    json.key("excavation_cuft").value(q.excavation);
    json.key("excavation_cuyd").value(q.excavation / CubicFeetPerCubicYard);
    json.key("geotextile_sqft").value(q.geotextile);
    json.key("geotextile_sqyd").value(q.geotextile / SquareFeetPerSquareYard);
    json.key("geotextileIncludesSides").value(q.geotextileHasSides);
    json.endObject();
    if (design.below) {
        json.key("storageBelow").beginObject();
        json.key("elevation_ft").value(design.below->elevation);
        json.key("storage_cuft").value(design.below->storage);
        json.endObject();
    }
    if (design.drawdown) {
        json.key("drawdown").beginObject();
        json.key("infiltrationRate_inPerHr").value(design.drawdown->rate);
        json.key("fullBed_hours").value(design.drawdown->fullBedHours);
        if (design.drawdown->belowHours)
            json.key("belowElevation_hours").value(*design.drawdown->belowHours);
        json.endObject();
    }
}
} // namespace

std::string jsonResultText(const ResultExport &data)
{
    const CalcRecord &record = data.record;
    const CalcInputs &in = record.inputs;
    JsonWriter json;
    json.beginObject();
    json.key("program").value("tessivane-calc");
    json.key("version").value(TESSIVANE_VERSION);
    json.key("project").value(in.projectName);
    json.key("method").value(in.method);
    const CalcMethod *method = calcMethod(in.method);
    json.key("methodName").value(method ? method->jsonName : "");
    writeInputs(json, in, record.values);
    writeChamber(json, record.chamber);
    if (method && method->hasSystemDimensions)
        writeSystem(json, record.result);
    writeEquivalentPond(json, record.result);
    writeStorage(json, data.storage);
    if (data.design)
        writeDesign(json, *data.design);
    json.endObject();
    return json.text();
}
