#include "RoutingExports.h"
#include "Calculator.h"
#include "StorageSummary.h"
#include "SwmmExport.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>

namespace {
// A depth–area (or elevation–storage) table read back from an export's text.
using Points = std::vector<std::pair<double, double>>;

// SWMM's end-area method: area linear between points, each step's volume its mean area times
// its depth.
double endAreaStorage(const Points &curve, double depth)
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

double interpolate(const Points &table, double x)
{
    std::size_t i = 1;
    while (i + 1 < table.size() && table[i].first < x)
        ++i;
    const auto [x0, y0] = table[i - 1];
    const auto [x1, y1] = table[i];
    return y0 + (y1 - y0) * (std::clamp(x, x0, x1) - x0) / (x1 - x0);
}

// The [STORAGE] line's invert and maximum depth, and the [CURVES] points, as SWMM reads them.
Points readSwmm(const std::string &text, double &invert, double &maxDepth)
{
    std::istringstream in(text);
    std::string section, name, curve;
    Points points;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        if (!line.empty() && line.front() == '[')
            section = line;
        else if (line.rfind(";;", 0) == 0 || line == "\r")
            continue;
        else if (section == "[STORAGE]\r") {
            std::string initial, shape;
            fields >> name >> invert >> maxDepth >> initial >> shape >> curve;
            EXPECT_EQ(shape, "TABULAR");
        } else if (section == "[CURVES]\r") {
            std::string rowName;
            fields >> rowName;
            EXPECT_EQ(rowName, curve);
            if (points.empty()) {
                fields >> rowName;
                EXPECT_EQ(rowName, "Storage");
            }
            double depth = 0, area = 0;
            fields >> depth >> area;
            points.emplace_back(depth, area);
        }
    }
    return points;
}

Points readTable(const std::string &text)
{
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "elevation_ft,storage_cuft,storage_acft");
    Points points;
    for (double elevation, cubicFeet, acreFeet; std::getline(in, line);) {
        EXPECT_EQ(std::sscanf(line.c_str(), "%lf,%lf,%lf", &elevation, &cubicFeet, &acreFeet), 3);
        EXPECT_NEAR(acreFeet * 43560, cubicFeet, 0.01) << line;
        points.emplace_back(elevation, cubicFeet);
    }
    return points;
}

void expectIncreasingAndNotNegative(const Points &points)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_GE(points[i].second, 0) << i;
        if (i > 0) {
            EXPECT_GT(points[i].first, points[i - 1].first) << i;
        }
    }
}

CalcRecord calculated(const CalcInputs &inputs, const std::string &dataDir)
{
    CalcEnvironment environment;
    environment.dataDir = dataDir;
    environment.askYesNo = [](const std::string &) { return true; };
    ResultState result;
    const CalcOutcome outcome = calculate(inputs, environment, result);
    EXPECT_EQ(outcome.status, CalcOutcome::Status::Done) << outcome.message;
    return outcome.record ? *outcome.record : CalcRecord{};
}

// Both exports give the bed's storage at every stage of its pond within 0.05 % of its total.
void expectExportsMatchTheBed(const CalcInputs &inputs, const std::string &dataDir)
{
    const CalcRecord record = calculated(inputs, dataDir);
    const StorageSummary summary = summarizeStorage(record);
    ASSERT_TRUE(summary.bedKnown);
    const double allowed = 0.0005 * summary.bedStorage;
    const auto swmm = routingExportText(RoutingExport::SwmmStorageNode, record);
    const auto table = routingExportText(RoutingExport::ElevationStorageTable, record);
    ASSERT_TRUE(swmm && table) << swmm.reason() << table.reason();

    double invert = 0, maxDepth = 0;
    const Points curve = readSwmm(*swmm, invert, maxDepth);
    const Points storage = readTable(*table);
    expectIncreasingAndNotNegative(curve);
    expectIncreasingAndNotNegative(storage);
    ASSERT_GE(curve.size(), 2u);
    EXPECT_EQ(curve.front().first, 0);
    EXPECT_EQ(curve.back().first, maxDepth);
    for (const StorageRow &row : summary.rows) {
        EXPECT_NEAR(endAreaStorage(curve, row.stage - invert), row.bedCumulative, allowed)
            << "stage " << row.stage;
        EXPECT_NEAR(interpolate(storage, row.stage), row.bedCumulative, allowed)
            << "stage " << row.stage;
    }
    EXPECT_NEAR(endAreaStorage(curve, maxDepth), summary.bedStorage, allowed);
}

// The two example projects' inputs.
CalcInputs rectangularArrayExample()
{
    CalcInputs in = test::rectangularArrayExample();
    in.rows = "4";
    in.cols = "12";
    return in;
}

// A chamber with a table of many uneven rows, its storage growing unevenly, at times not at
// all, never faster than its outline holds.
struct RandomChamber
{
    std::string file;
    double planArea = 0; // ft²
};

RandomChamber randomChamber(std::mt19937 &random)
{
    // Rows at least 0.1 in apart: the written stages keep them apart below 10,000 ft.
    std::uniform_real_distribution<double> step(0.1, 3), share(0, 0.95), size(20, 90);
    const double width = std::round(size(random)), length = std::round(size(random));
    const int rows = std::uniform_int_distribution<int>(2, 400)(random);
    std::string table;
    double stage = 0, storage = 0;
    for (int i = 0; i < rows; ++i) {
        table += std::to_string(stage) + ", " + std::to_string(storage) + "\r\n";
        const double rise = step(random);
        stage += rise;
        storage += i % 7 ? share(random) * width * length * rise / 1728 : 0;
    }
    return {"Random chamber\r\n" + std::to_string(width) + "\r\n" + std::to_string(stage) + "\r\n" +
                std::to_string(length) + "\r\n" + std::to_string(rows) + "\r\n" + table,
            width * length / 144};
}
} // namespace

TEST(RoutingExports, BothExamplesGiveTheBedsStorageAtEveryStage)
{
    expectExportsMatchTheBed(rectangularArrayExample(), TESSIVANE_SHIPPED_DATA);
    expectExportsMatchTheBed(test::shippedKnownBedAreaExample(), TESSIVANE_SHIPPED_DATA);
}

// Pasting the pond table into an end-area program instead: the figures the README gives.
TEST(RoutingExports, ThePondTableIntegratedByEndAreasMisstatesStorage)
{
    for (const auto &[inputs, worstStage, total] :
         {std::tuple{rectangularArrayExample(), 0.0606, 0.0000}, // one stage 6 % low
          std::tuple{test::shippedKnownBedAreaExample(), 0.7500,
                     0.0061}}) { // one 75 % high, total 0.6 %
        const StorageSummary summary = summarizeStorage(calculated(inputs, TESSIVANE_SHIPPED_DATA));
        Points pasted;
        for (const StorageRow &row : summary.rows)
            pasted.emplace_back(row.stage, row.area);
        double worst = 0;
        for (const StorageRow &row : summary.rows) {
            if (row.bedCumulative > 0) {
                const double pastedStorage = endAreaStorage(pasted, row.stage);
                worst = std::max(worst, std::fabs(pastedStorage / row.bedCumulative - 1));
            }
        }
        EXPECT_NEAR(worst, worstStage, 0.0005) << inputs.projectName;
        EXPECT_NEAR(endAreaStorage(pasted, pasted.back().first) / summary.bedStorage - 1, total,
                    0.0001);
    }
}

TEST(RoutingExports, RandomDesignsGiveTheBedsStorageAtEveryStage)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> count(1, 300), rows(1, 12), bottom(0, 1);
    std::uniform_real_distribution<double> inches(1, 30), spare(1, 4), porosity(5, 60),
        elevation(-200, 6000);
    for (int design = 0; design < 60; ++design) {
        SCOPED_TRACE("design " + std::to_string(design));
        test::TempDir dir;
        const RandomChamber chamber = randomChamber(random);
        test::writeFile(dir.file("RX-160.dat"), chamber.file);
        CalcInputs in = test::knownBedAreaExample();
        in.method = design % 2 + 1;
        const int chambers = count(random);
        in.numChambers = std::to_string(chambers);
        in.bedArea = std::to_string(chambers * chamber.planArea * spare(random));
        in.rows = std::to_string(rows(random));
        in.cols = std::to_string(rows(random));
        // Method #2 refuses less than 6 inches (12 of perimeter stone); method #1 asks.
        const double least = in.method == 2 ? 6 : 0;
        in.foundationDepth = std::to_string(least + inches(random));
        in.coverThickness = std::to_string(least + inches(random));
        in.internalSpacing = std::to_string(least + inches(random));
        in.perimeterThickness = std::to_string(2 * least + inches(random));
        in.porosity = std::to_string(porosity(random));
        in.baseElevation = std::to_string(elevation(random));
        in.bottomAreaValue = bottom(random);
        expectExportsMatchTheBed(in, dir.path().string());
    }
}

TEST(RoutingExports, NodeNamesAreValidSwmmNames)
{
    for (const auto &[project, node, curve] :
         {std::tuple{"Maple Street detention bed", "Maple_Street_det", "Maple_Stre_Curve"},
          {"  [bed]; A-1.2  ", "bed_A-1.2", "bed_A-1.2_Curve"},
          {"Straße 7", "Stra_e_7", "Stra_e_7_Curve"},
          {";;;", "ChamberBed", "ChamberBed_Curve"}}) {
        EXPECT_EQ(swmmNodeName(project), node) << project;
        EXPECT_EQ(swmmCurveName(swmmNodeName(project)), curve) << project;
    }
}

// Everything after the calculation comes from its record: the chamber file is read once.
TEST(RoutingExports, TheRecordNeedsNoSecondReadOfTheChamberFile)
{
    test::TempDir dir;
    std::filesystem::copy_file(std::string(TESSIVANE_SHIPPED_DATA) + "/RX-160.dat",
                               dir.file("RX-160.dat"));
    const CalcRecord record = calculated(rectangularArrayExample(), dir.path().string());
    std::filesystem::remove(dir.file("RX-160.dat"));
    const auto swmm = routingExportText(RoutingExport::SwmmStorageNode, record);
    EXPECT_TRUE(swmm) << swmm.reason();
    EXPECT_TRUE(summarizeStorage(record).bedKnown);
}
