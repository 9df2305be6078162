#include "SwmmExport.h"

#include "FixedText.h"
#include "LineBreaks.h"
#include "NumberConversions.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr std::size_t MaxNameLength = 16;
constexpr std::size_t CurveStemLength = 10;
constexpr std::size_t HashDigits = 5;
// A chosen node name; the outlet's names add up to 9 characters.
constexpr std::size_t MaxChosenNameLength = 64;
// A title line with its CR LF stays well inside one piece SWMM reads.
constexpr std::size_t MaxTitleLine = 1000;
const char *const Continued = "... ";
// The outlet: an emergency weir at the top of the bed to a free outfall below it.
constexpr double OutfallDrop = 1;        // ft below the bed's base
constexpr double WeirLength = 10;        // ft of crest
constexpr double WeirOpening = 1;        // ft from the crest to the top of the opening
constexpr double WeirCoefficient = 3.33; // CFS units, a sharp-crested weir

bool keptInName(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// Five hexadecimal digits of a 32-bit FNV-1a hash: the same on every platform.
std::string shortHash(const std::string &text)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < HashDigits; ++i)
        out.insert(out.begin(), digits[(hash >> (4 * i)) & 0xF]);
    return out;
}

std::string withoutTrailingUnderscores(std::string name)
{
    while (!name.empty() && name.back() == '_')
        name.pop_back();
    return name;
}

// Columns as SWMM writes them: each value padded to the width, one blank between.
std::string columns(std::initializer_list<std::pair<std::string, std::size_t>> cells)
{
    std::string line;
    for (const auto &[text, width] : cells) {
        if (!line.empty())
            line += ' ';
        line += text;
        if (text.size() < width)
            line.append(width - text.size(), ' ');
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line + LineBreak;
}

// The first character SWMM sees of a line: blanks, tabs and quotes are passed over.
bool opensSection(const std::string &line)
{
    const auto first = line.find_first_not_of(" \t\"");
    return first != std::string::npos && line[first] == '[';
}

// The project name as title lines: free text, but ";" would start a comment and control
// characters end the line, and no line may read as a section heading. A long name is wrapped,
// whole characters to a line, each continuation marked.
std::string titleLines(const std::string &projectName)
{
    std::string text;
    for (const char c : projectName)
        text += (c == ';' ? ',' : (static_cast<unsigned char>(c) < 0x20 ? ' ' : c));
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        std::string line = at == 0 ? "" : Continued;
        if (at == 0 && opensSection(text))
            line = "Project: ";
        std::size_t end = std::min(text.size(), at + MaxTitleLine - line.size());
        // Never between the bytes of one UTF-8 character.
        while (end < text.size() && end > at + 1 &&
               (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
        line += text.substr(at, end - at);
        out += line + LineBreak;
        at = end;
    }
    return out;
}

std::string depthText(double depth, const StorageCurve &curve)
{
    return fixedText(depth, curve.depthDecimals);
}

std::string elevationText(double elevation)
{
    return fixedText(elevation, EndAreaCurve::DepthDecimals);
}

std::string dashes(std::size_t count)
{
    return std::string(count, '-');
}
} // namespace

std::string swmmNodeName(const std::string &projectName)
{
    std::string name;
    for (const char c : projectName) {
        if (keptInName(c))
            name += c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    name = withoutTrailingUnderscores(name);
    const auto first = name.find_first_not_of('_');
    name = first == std::string::npos ? "" : name.substr(first);
    if (name.size() > MaxNameLength)
        name = withoutTrailingUnderscores(name.substr(0, MaxNameLength - HashDigits - 1)) + "_" +
               shortHash(projectName);
    return name.empty() ? "ChamberBed" : name;
}

std::string swmmCurveName(const std::string &nodeName)
{
    if (nodeName.size() <= CurveStemLength)
        return nodeName + "_Curve";
    return withoutTrailingUnderscores(nodeName.substr(0, CurveStemLength - HashDigits - 1)) + "_" +
           shortHash(nodeName) + "_Curve";
}

Result<void> checkSwmmNodeName(const std::string &name)
{
    const bool readable = !name.empty() && name.size() <= MaxChosenNameLength &&
                          name.front() != '[' && std::all_of(name.begin(), name.end(), [](char c) {
                              return c > ' ' && c <= '~' && c != '"' && c != ';';
                          });
    if (readable)
        return {};
    return Failure{"A SWMM node name takes 1 to " + std::to_string(MaxChosenNameLength) +
                   " printable ASCII characters other than blanks, \" and ;, and does not "
                   "begin with \"[\"."};
}

std::string SwmmStorageNode::inputFileText() const
{
    const std::string node = nodeName.empty() ? swmmNodeName(projectName) : nodeName;
    const std::string curveName = swmmCurveName(node);
    const std::string outfall = node + "_Out";
    const std::string weir = node + "_Overflow";
    const double maxDepth = curve.points.empty() ? 0 : curve.points.back().depth;
    std::string out;
    out += std::string("[TITLE]") + LineBreak + ";;Project Title/Notes" + LineBreak;
    out += titleLines(projectName);
    out += "Chamber bed as storage node " + node +
           ": its curve gives the bed's storage at every stage of the equivalent pond." +
           LineBreak + LineBreak;
    out += std::string("[OPTIONS]") + LineBreak;
    out += columns({{";;Option", 20}, {"Value", 0}});
    for (const auto &[option, value] : {std::pair{"FLOW_UNITS", "CFS"},
                                        {"INFILTRATION", "HORTON"},
                                        {"FLOW_ROUTING", "DYNWAVE"},
                                        {"START_DATE", "01/01/2000"},
                                        {"START_TIME", "00:00:00"},
                                        {"REPORT_START_DATE", "01/01/2000"},
                                        {"REPORT_START_TIME", "00:00:00"},
                                        {"END_DATE", "01/01/2000"},
                                        {"END_TIME", "06:00:00"},
                                        {"REPORT_STEP", "00:15:00"},
                                        {"WET_STEP", "00:05:00"},
                                        {"DRY_STEP", "01:00:00"},
                                        {"ROUTING_STEP", "0:00:30"}})
        out += columns({{option, 20}, {value, 0}});
    out += LineBreak;

    out += std::string("[STORAGE]") + LineBreak;
    const std::string rate = seepageRate ? numbers::roundTripText(*seepageRate) : "";
    out += columns({{";;Name", 16},
                    {"Elev.", 10},
                    {"MaxDepth", 10},
                    {"InitDepth", 10},
                    {"Shape", 10},
                    {"Curve", 16},
                    {"SurDepth", 8},
                    {"Fevap", 8},
                    {seepageRate ? "Ksat" : "", 0}});
    out += columns({{";;" + dashes(14), 16},
                    {dashes(10), 10},
                    {dashes(10), 10},
                    {dashes(10), 10},
                    {dashes(10), 10},
                    {dashes(16), 16},
                    {dashes(8), 8},
                    {dashes(8), 8},
                    {seepageRate ? dashes(8) : "", 0}});
    out += columns({{node, 16},
                    {elevationText(invertElevation), 10},
                    {depthText(maxDepth, curve), 10},
                    {"0", 10},
                    {"TABULAR", 10},
                    {curveName, 16},
                    {"0", 8},
                    {"0", 8},
                    {rate, 0}});
    out += LineBreak;

    out += std::string("[OUTFALLS]") + LineBreak;
    out += columns({{";;Name", 16}, {"Elev.", 10}, {"Type", 10}, {"Stage Data", 16}, {"Gated", 0}});
    out += columns({{";;" + dashes(14), 16},
                    {dashes(10), 10},
                    {dashes(10), 10},
                    {dashes(16), 16},
                    {dashes(8), 0}});
    out += columns({{outfall, 16},
                    {elevationText(invertElevation - OutfallDrop), 10},
                    {"FREE", 10},
                    {"", 16},
                    {"NO", 0}});
    out += LineBreak;

    out += std::string("[WEIRS]") + LineBreak;
    out += columns({{";;Name", 16},
                    {"From Node", 16},
                    {"To Node", 16},
                    {"Type", 12},
                    {"CrestHt", 10},
                    {"Qcoeff", 10},
                    {"Gated", 8},
                    {"EndCon", 8},
                    {"EndCoeff", 10},
                    {"Surcharge", 0}});
    out += columns({{";;" + dashes(14), 16},
                    {dashes(16), 16},
                    {dashes(16), 16},
                    {dashes(12), 12},
                    {dashes(10), 10},
                    {dashes(10), 10},
                    {dashes(8), 8},
                    {dashes(8), 8},
                    {dashes(10), 10},
                    {dashes(9), 0}});
    out += columns({{weir, 16},
                    {node, 16},
                    {outfall, 16},
                    {"TRANSVERSE", 12},
                    {depthText(maxDepth, curve), 10},
                    {fixedText(WeirCoefficient, 2), 10},
                    {"NO", 8},
                    {"0", 8},
                    {"0", 10},
                    {"NO", 0}});
    out += LineBreak;

    out += std::string("[XSECTIONS]") + LineBreak;
    out += columns({{";;Link", 16},
                    {"Shape", 12},
                    {"Geom1", 16},
                    {"Geom2", 10},
                    {"Geom3", 10},
                    {"Geom4", 10},
                    {"Barrels", 0}});
    out += columns({{";;" + dashes(14), 16},
                    {dashes(12), 12},
                    {dashes(16), 16},
                    {dashes(10), 10},
                    {dashes(10), 10},
                    {dashes(10), 10},
                    {dashes(10), 0}});
    out += columns({{weir, 16},
                    {"RECT_OPEN", 12},
                    {fixedText(WeirOpening, 2), 16},
                    {fixedText(WeirLength, 2), 10},
                    {"0", 10},
                    {"0", 10},
                    {"", 0}});
    out += LineBreak;

    out += std::string("[CURVES]") + LineBreak;
    out += columns({{";;Name", 16}, {"Type", 10}, {"X-Value", 10}, {"Y-Value", 0}});
    out += columns({{";;" + dashes(14), 16}, {dashes(10), 10}, {dashes(10), 10}, {dashes(10), 0}});
    bool first = true;
    for (const CurvePoint &point : curve.points) {
        out += columns({{curveName, 16},
                        {first ? "Storage" : "", 10},
                        {depthText(point.depth, curve), 10},
                        {fixedText(point.area, EndAreaCurve::AreaDecimals), 0}});
        first = false;
    }
    return out;
}
