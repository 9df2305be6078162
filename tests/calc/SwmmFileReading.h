#pragma once

// Exported routing files read back the way the programs that take them read them: a SWMM
// input file in the pieces and tokens its engine reads, a depth–area curve integrated by end
// areas, the elevation–storage CSV interpolated linearly.
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace test {

// A depth–area (or elevation–storage) table.
using Points = std::vector<std::pair<double, double>>;

// The end-area method: area linear between points, each step's volume its mean area times
// its depth.
inline double endAreaStorage(const Points &curve, double depth)
{
    double volume = 0;
    for (std::size_t i = 1; i < curve.size() && curve[i - 1].first < depth; ++i) {
        const auto [d0, a0] = curve[i - 1];
        const auto [d1, a1] = curve[i];
        const double to = std::min(depth, d1);
        volume += (to - d0) * (a0 + (a0 + (a1 - a0) * (to - d0) / (d1 - d0))) / 2;
    }
    return volume;
}

inline double interpolate(const Points &table, double x)
{
    std::size_t i = 1;
    while (i + 1 < table.size() && table[i].first < x)
        ++i;
    const auto [x0, y0] = table[i - 1];
    const auto [x1, y1] = table[i];
    return y0 + (y1 - y0) * (std::clamp(x, x0, x1) - x0) / (x1 - x0);
}

// One line as the engine reads it: the text up to ";" split at blanks, tabs and line ends,
// a token that opens with a quote running to the next quote.
inline std::vector<std::string> swmmTokens(std::string line)
{
    line = line.substr(0, line.find(';'));
    std::vector<std::string> tokens;
    std::size_t at = 0;
    const char *const separators = " \t\n\r";
    while (at < line.size()) {
        at = line.find_first_not_of(separators, at);
        if (at == std::string::npos)
            break;
        std::size_t end;
        if (line[at] == '"') {
            ++at;
            end = std::min(line.find_first_of("\"\n", at), line.size());
        } else {
            end = std::min(line.find_first_of(separators, at), line.size());
        }
        tokens.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    return tokens;
}

// A SWMM input file as its engine reads it: lines in pieces of at most 1,023 bytes, each
// piece whose first token opens with "[" a section heading, the others rows of the section.
struct SwmmFile
{
    std::map<std::string, std::vector<std::vector<std::string>>> rows; // by heading
    std::vector<std::string> titleLines;
    std::vector<std::string> headings; // every piece read as one, in order

    explicit SwmmFile(const std::string &text)
    {
        std::string section;
        for (std::size_t at = 0; at < text.size();) {
            std::size_t end = std::min(text.find('\n', at), text.size() - 1) + 1;
            end = std::min(end, at + 1023);
            const std::string piece = text.substr(at, end - at);
            at = end;
            const std::vector<std::string> tokens = swmmTokens(piece);
            const auto first = piece.find_first_not_of(" \t\n\r");
            const bool bracket = first != std::string::npos && piece[first] == '[';
            if (bracket || (!tokens.empty() && !tokens[0].empty() && tokens[0][0] == '[')) {
                section = tokens.empty() ? piece : tokens[0];
                headings.push_back(section);
            } else if (tokens.empty()) {
                continue;
            } else if (section == "[TITLE]") {
                titleLines.push_back(piece);
            } else {
                rows[section].push_back(tokens);
            }
        }
    }

    // The curve's points, as depth and area.
    Points curve(const std::string &name) const
    {
        Points points;
        for (const auto &row : rows.at("[CURVES]")) {
            if (row[0] != name)
                continue;
            const std::size_t x = row.size() == 4 ? 2 : 1;
            points.emplace_back(std::stod(row[x]), std::stod(row[x + 1]));
        }
        return points;
    }
};

inline Points readStorageTable(const std::string &text)
{
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    Points points;
    for (double elevation, cubicFeet, acreFeet; std::getline(in, line);) {
        if (std::sscanf(line.c_str(), "%lf,%lf,%lf", &elevation, &cubicFeet, &acreFeet) == 3)
            points.emplace_back(elevation, cubicFeet);
    }
    return points;
}

// What SWMM seeps at per in/hr of its rate at the depth, for a TABULAR node: its bottom (the
// curve's area at depth 0) and, while the curve's area has not fallen yet from the start, the
// banks above it.
inline double swmmSeepingArea(const Points &curve, double depth)
{
    const double bottom = curve.front().second;
    double bankMaxArea = 0, bankMinDepth = 0, last = bottom;
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const double area = curve[i].second;
        if (area < last)
            break;
        if (area > last)
            bankMaxArea = area;
        else if (bankMaxArea == 0)
            bankMinDepth = curve[i].first;
        else
            break;
        last = area;
    }
    double seeping = bottom;
    if (depth > bankMinDepth)
        seeping += std::max(0.0, std::min(interpolate(curve, depth), bankMaxArea) - bottom);
    return seeping;
}

} // namespace test
