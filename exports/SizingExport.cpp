#include "SizingExport.h"

#include "JsonWriter.h"
#include "ShortestText.h"

#include <array>

namespace {
// The figures of a layout under their keys, in column order.
struct LayoutFigure
{
    const char *key;
    double (*value)(const SizedLayout &);
};
const std::array<LayoutFigure, 8> LayoutFigures = {{
    {"rows", [](const SizedLayout &l) { return double(l.rows); }},
    {"chambersPerRow", [](const SizedLayout &l) { return double(l.chambersPerRow); }},
    {"chambers", [](const SizedLayout &l) { return double(l.chambers); }},
    {"length_ft", [](const SizedLayout &l) { return l.length; }},
    {"width_ft", [](const SizedLayout &l) { return l.width; }},
    {"planArea_sqft", [](const SizedLayout &l) { return l.planArea; }},
    {"storage_cuft", [](const SizedLayout &l) { return l.storage; }},
    {"surplus_percent", [](const SizedLayout &l) { return l.surplus; }},
}};
constexpr std::size_t CountColumns = 3; // rows, chambers per row, chambers: whole numbers
} // namespace

std::string sizingJsonText(const SizingTarget &target, const SizingAnswer &answer)
{
    JsonWriter json;
    json.beginObject();
    json.key("target").beginObject();
    json.key("requiredStorage_cuft").value(target.requiredStorage);
    json.key("elevation_ft").value(target.elevation);
    json.key("maxLength_ft").value(target.maxLength);
    json.key("maxWidth_ft").value(target.maxWidth);
    json.key("maxRows").value(target.maxRows);
    json.key("maxPerRow").value(target.maxPerRow);
    json.endObject();
    json.key("layouts").beginArray();
    for (const SizedLayout &layout : answer.layouts) {
        json.beginObject();
        for (std::size_t i = 0; i < LayoutFigures.size(); ++i) {
            const double value = LayoutFigures[i].value(layout);
            json.key(LayoutFigures[i].key);
            if (i < CountColumns)
                json.value(int(value));
            else
                json.value(value);
        }
        json.endObject();
    }
    json.endArray();
    if (answer.layouts.empty())
        json.key("mostStorage_cuft").value(answer.mostStorage);
    json.endObject();
    return json.text();
}

std::string sizingCsvText(const SizingAnswer &answer)
{
    std::string out;
    for (const LayoutFigure &figure : LayoutFigures)
        out += std::string(out.empty() ? "" : ",") + figure.key;
    out += '\n';
    for (const SizedLayout &layout : answer.layouts) {
        for (std::size_t i = 0; i < LayoutFigures.size(); ++i) {
            if (i > 0)
                out += ',';
            const double value = LayoutFigures[i].value(layout);
            out += i < CountColumns ? std::to_string(int(value)) : shortestText(value).value_or("");
        }
        out += '\n';
    }
    return out;
}
