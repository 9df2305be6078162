#include "SwmmExport.h"

#include "FixedText.h"
#include "LineBreaks.h"

#include <algorithm>

namespace {
constexpr std::size_t MaxNameLength = 16;
constexpr std::size_t CurveStemLength = 10;

bool keptInName(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
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

// A title line is free text, but a leading "[" would open a section and ";" starts a comment.
std::string titleLine(const std::string &text)
{
    std::string line;
    for (const char c : text)
        line += (c == ';' ? ',' : (static_cast<unsigned char>(c) < 0x20 ? ' ' : c));
    if (!line.empty() && line.front() == '[')
        line.insert(line.begin(), ' ');
    return line;
}

std::string depthText(double depth)
{
    return fixedText(depth, EndAreaCurve::DepthDecimals);
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
    name.resize(std::min(name.size(), MaxNameLength));
    while (!name.empty() && name.back() == '_')
        name.pop_back();
    const auto first = name.find_first_not_of('_');
    name = first == std::string::npos ? "" : name.substr(first);
    return name.empty() ? "ChamberBed" : name;
}

std::string swmmCurveName(const std::string &nodeName)
{
    return nodeName.substr(0, CurveStemLength) + "_Curve";
}

std::string SwmmStorageNode::inputFileText() const
{
    const std::string node = swmmNodeName(projectName);
    const std::string curveName = swmmCurveName(node);
    std::string out;
    out += std::string("[TITLE]") + LineBreak + ";;Project Title/Notes" + LineBreak;
    if (!projectName.empty())
        out += titleLine(projectName) + LineBreak;
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
    out += columns({{";;Name", 16},
                    {"Elev.", 10},
                    {"MaxDepth", 10},
                    {"InitDepth", 10},
                    {"Shape", 10},
                    {"Curve", 16},
                    {"N/A", 8},
                    {"Fevap", 0}});
    out += columns({{";;" + std::string(14, '-'), 16},
                    {std::string(10, '-'), 10},
                    {std::string(10, '-'), 10},
                    {std::string(10, '-'), 10},
                    {std::string(10, '-'), 10},
                    {std::string(16, '-'), 16},
                    {std::string(8, '-'), 8},
                    {std::string(8, '-'), 0}});
    out += columns({{node, 16},
                    {fixedText(invertElevation, EndAreaCurve::DepthDecimals), 10},
                    {depthText(maxDepth), 10},
                    {"0", 10},
                    {"TABULAR", 10},
                    {curveName, 16},
                    {"0", 8},
                    {"0", 0}});
    out += LineBreak;

    out += std::string("[CURVES]") + LineBreak;
    out += columns({{";;Name", 16}, {"Type", 10}, {"X-Value", 10}, {"Y-Value", 0}});
    out += columns({{";;" + std::string(14, '-'), 16},
                    {std::string(10, '-'), 10},
                    {std::string(10, '-'), 10},
                    {std::string(10, '-'), 0}});
    bool first = true;
    for (const CurvePoint &point : curve) {
        out += columns({{curveName, 16},
                        {first ? "Storage" : "", 10},
                        {depthText(point.depth), 10},
                        {fixedText(point.area, EndAreaCurve::AreaDecimals), 0}});
        first = false;
    }
    return out;
}
