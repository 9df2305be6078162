#include "RoutingExports.h"
#include "Calculator.h"
#include "StorageSummary.h"
#include "SwmmExport.h"

#include "SwmmFileReading.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <set>
#include <sstream>

namespace {
using test::endAreaStorage;
using test::interpolate;
using test::Points;

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
    const CalcOutcome outcome = test::calculateAnsweringYes(inputs, dataDir);
    EXPECT_EQ(outcome.status, CalcOutcome::Status::Done) << outcome.message;
    return outcome.record ? *outcome.record : CalcRecord{};
}

// The SWMM file as its engine reads it: only its own sections, a storage node whose curve
// starts with the bed's plan area, an outlet over the top of the bed, the seepage rate when
// there is one. Gives the node's curve.
Points expectSwmmModel(const std::string &text, const BedModel &bed,
                       std::optional<double> rate = std::nullopt)
{
    const test::SwmmFile file(text);
    EXPECT_EQ(file.headings,
              (std::vector<std::string>{"[TITLE]", "[OPTIONS]", "[STORAGE]", "[OUTFALLS]",
                                        "[WEIRS]", "[XSECTIONS]", "[CURVES]"}));
    if (!file.rows.count("[STORAGE]") || !file.rows.count("[CURVES]"))
        return {};
    const std::vector<std::string> node = file.rows.at("[STORAGE]").at(0);
    EXPECT_EQ(node.size(), rate ? 9u : 8u);
    EXPECT_EQ(node[4], "TABULAR");
    if (rate && node.size() == 9) {
        EXPECT_EQ(std::stod(node[8]), *rate);
    }
    const double invert = std::stod(node[1]), maxDepth = std::stod(node[2]);
    EXPECT_NEAR(invert, bed.baseElevation, 5e-6);
    const Points curve = file.curve(node[5]);
    EXPECT_GE(curve.size(), 3u);
    expectIncreasingAndNotNegative(curve);
    EXPECT_EQ(curve.front().first, 0);
    EXPECT_EQ(curve.back().first, maxDepth);
    // SWMM seeps through the bed's whole plan area, at every depth.
    for (const auto &[depth, area] : curve)
        EXPECT_NEAR(test::swmmSeepingArea(curve, depth), bed.planArea, 0.0005) << depth;

    // The outlet: a weir from the node at its full depth to a free outfall below it.
    const auto weir = file.rows.at("[WEIRS]").at(0);
    const auto outfall = file.rows.at("[OUTFALLS]").at(0);
    EXPECT_EQ(weir[1], node[0]);
    EXPECT_EQ(weir[2], outfall[0]);
    EXPECT_EQ(std::stod(weir[4]), maxDepth);
    EXPECT_EQ(outfall[2], "FREE");
    EXPECT_LT(std::stod(outfall[1]), invert);
    EXPECT_EQ(file.rows.at("[XSECTIONS]").at(0)[0], weir[0]);
    return curve;
}

// Both exports give the bed's storage at every stage of its pond within 0.05 % of its total,
// the curve at the bed's own elevations to a hair.
void expectExportsMatchTheBed(const CalcRecord &record)
{
    const StorageSummary summary = summarizeStorage(record);
    const Result<BedModel> bed = describeBed(record);
    ASSERT_TRUE(summary.bedKnown && bed);
    const double allowed = 0.0005 * summary.bedStorage;
    const auto swmm = routingExportText(RoutingExport::SwmmStorageNode, record);
    const auto table = routingExportText(RoutingExport::ElevationStorageTable, record);
    ASSERT_TRUE(swmm && table) << swmm.reason() << table.reason();

    const Points curve = expectSwmmModel(*swmm, *bed);
    const Points storage = test::readStorageTable(*table);
    expectIncreasingAndNotNegative(storage);
    ASSERT_GE(curve.size(), 2u);
    const double invert = bed->baseElevation;
    for (const StorageRow &row : summary.rows) {
        EXPECT_NEAR(endAreaStorage(curve, row.stage - invert), row.bedCumulative, allowed)
            << "stage " << row.stage;
        EXPECT_NEAR(interpolate(storage, row.stage), row.bedCumulative, allowed)
            << "stage " << row.stage;
    }
    // Area rounding and depth steps only: 0.001 ft² over the depth, half a step of the area.
    const double hair =
        0.001 * (bed->top() - invert) + 1e-5 * bed->planArea + 1e-6 * summary.bedStorage;
    for (const StoragePoint &point : bedStoragePoints(*bed))
        EXPECT_NEAR(endAreaStorage(curve, point.elevation - invert), point.storage, hair)
            << "depth " << point.elevation - invert;
}

void expectExportsMatchTheBed(const CalcInputs &inputs, const std::string &dataDir)
{
    expectExportsMatchTheBed(calculated(inputs, dataDir));
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

RandomChamber randomChamber(std::mt19937 &random, bool steep)
{
    // Rows at least 0.1 in apart keep the written stages apart below 10,000 ft; a steep table
    // has stretches a few hundred-thousandths of an inch high that store as fast as the
    // chamber's outline allows, for beds near elevation 0.
    std::uniform_real_distribution<double> step(0.1, 3), thin(1e-5, 3e-3), share(0, 0.95),
        size(20, 90);
    const double width = std::round(size(random)), length = std::round(size(random));
    const int rows = std::uniform_int_distribution<int>(2, 400)(random);
    std::string table;
    double stage = 0, storage = 0;
    char line[80];
    for (int i = 0; i < rows; ++i) {
        std::snprintf(line, sizeof line, "%.9g, %.9g\r\n", stage, storage);
        table += line;
        const bool vertical = steep && i % 3 == 1;
        const double rise = vertical ? thin(random) : step(random);
        stage += rise;
        storage += vertical ? 0.98 * width * length * rise / 1728
                   : i % 7  ? share(random) * width * length * rise / 1728
                            : 0;
    }
    return {"Random chamber\r\n" + std::to_string(width) + "\r\n" + std::to_string(stage) + "\r\n" +
                std::to_string(length) + "\r\n" + std::to_string(rows) + "\r\n" + table,
            width * length / 144};
}

CalcOutcome tryCalculating(const CalcInputs &inputs, const std::string &dataDir)
{
    return test::calculateAnsweringYes(inputs, dataDir);
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
    int accepted = 0;
    for (int design = 0; design < 80; ++design) {
        SCOPED_TRACE("design " + std::to_string(design));
        test::TempDir dir;
        const bool steep = design % 4 == 3;
        const RandomChamber chamber = randomChamber(random, steep);
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
        in.baseElevation = steep ? "0" : std::to_string(elevation(random));
        in.bottomAreaValue = bottom(random);
        // The program refuses steep stretches its stages or the chamber's outline cannot hold.
        const CalcOutcome outcome = tryCalculating(in, dir.path().string());
        if (outcome.status != CalcOutcome::Status::Done)
            continue;
        ++accepted;
        expectExportsMatchTheBed(*outcome.record);
    }
    EXPECT_GE(accepted, 60);
}

// Rows closer than the 0.00001-ft grid, or too close to take the spike at the start: the
// curve takes a finer grid and still holds the bed's storage at every elevation.
TEST(RoutingExports, NearVerticalStepsKeepTheBedsStorage)
{
    for (const auto &[rows, base, foundation] :
         {std::tuple{"0, 0\r\n8, 5\r\n8.0001, 5.0001\r\n16, 10\r\n", "0", "0.001"},
          {"0, 0\r\n8, 5\r\n8.05, 5.03\r\n16, 10\r\n", "100", "9"},
          {"0, 0\r\n0.0001, 0.0001\r\n16, 10\r\n", "0", "0.001"}}) {
        SCOPED_TRACE(rows);
        test::TempDir dir;
        test::writeFile(dir.file("RX-160.dat"),
                        std::string("Steep\r\n30\r\n16\r\n90\r\n") +
                            std::to_string(std::count(rows, rows + std::strlen(rows), '\n')) +
                            "\r\n" + rows);
        CalcInputs in = test::knownBedAreaExample();
        in.foundationDepth = foundation;
        in.baseElevation = base;
        const CalcOutcome outcome = tryCalculating(in, dir.path().string());
        ASSERT_EQ(outcome.status, CalcOutcome::Status::Done) << outcome.message;
        expectExportsMatchTheBed(*outcome.record);
    }
}

// Storage that falls cannot be routed: both exports refuse it with the same reason.
TEST(RoutingExports, AFallingChamberTableIsRefusedByBothExports)
{
    test::TempDir dir;
    test::writeFile(dir.file("RX-160.dat"),
                    "Falling\r\n30\r\n24\r\n48\r\n3\r\n0, 0\r\n12, 10\r\n24, 0\r\n");
    CalcInputs in = test::knownBedAreaExample();
    in.numChambers = "5";
    in.bedArea = "50";
    const CalcRecord record = calculated(in, dir.path().string());
    const auto swmm = routingExportText(RoutingExport::SwmmStorageNode, record);
    const auto table = routingExportText(RoutingExport::ElevationStorageTable, record);
    ASSERT_FALSE(swmm);
    ASSERT_FALSE(table);
    EXPECT_EQ(table.reason(), swmm.reason());
    EXPECT_EQ(swmm.reason(), "The bed's storage falls between depths 1.5 and 2.5 ft; no "
                             "storage curve or table can give that.");
}

// No project name opens a section or reaches past a piece SWMM reads at once, and the name
// is all there, in order.
TEST(RoutingExports, NoTitleLineReadsAsASection)
{
    const CalcRecord base = calculated(rectangularArrayExample(), TESSIVANE_SHIPPED_DATA);
    std::string longName(1023, 'x');
    longName.replace(1020, 3, " [a");
    std::string wide;
    for (int i = 0; i < 700; ++i)
        wide += "\xc3\xa9[";
    for (const std::string &name :
         {std::string("[Draft] Lot 3"), std::string("\t[Draft]"), std::string(" \"[Draft]\""),
          std::string("\"\"[x"), longName, wide, std::string(3000, '[')}) {
        SCOPED_TRACE(name.substr(0, 40));
        CalcRecord record = base;
        record.inputs.projectName = name;
        const auto swmm = routingExportText(RoutingExport::SwmmStorageNode, record);
        ASSERT_TRUE(swmm) << swmm.reason();
        const test::SwmmFile file(*swmm);
        EXPECT_EQ(file.headings.size(), 7u);
        std::string title;
        for (const std::string &line : file.titleLines) {
            EXPECT_LE(line.size(), 1000u + 2);
            EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
            title += line.substr(0, line.size() - 2);
        }
        for (const char *mark : {"Project: ", "... "}) {
            for (std::size_t at; (at = title.find(mark)) != std::string::npos;)
                title.erase(at, std::strlen(mark));
        }
        std::string expected = name;
        std::replace(expected.begin(), expected.end(), '\t', ' ');
        EXPECT_EQ(title.find(expected), 0u);
    }
}

// Beds whose names differ only past the cut keep apart; the designer may name the node, and
// the rate is the node's seepage.
TEST(RoutingExports, NamesKeepBedsApartAndTheDesignerChoosesNodeAndRate)
{
    CalcRecord record = calculated(rectangularArrayExample(), TESSIVANE_SHIPPED_DATA);
    std::set<std::string> nodes, curves;
    for (const char *name : {"Maple Street bed 1", "Maple Street bed 2"}) {
        nodes.insert(swmmNodeName(name));
        curves.insert(swmmCurveName(swmmNodeName(name)));
    }
    EXPECT_EQ(nodes.size(), 2u);
    EXPECT_EQ(curves.size(), 2u);

    const auto chosen =
        routingExportText(RoutingExport::SwmmStorageNode, record, {"Lot3.Bed-A_1", 0.5});
    ASSERT_TRUE(chosen) << chosen.reason();
    const Result<BedModel> bed = describeBed(record);
    expectSwmmModel(*chosen, *bed, 0.5);
    const test::SwmmFile file(*chosen);
    EXPECT_EQ(file.rows.at("[STORAGE]").at(0)[0], "Lot3.Bed-A_1");
    EXPECT_EQ(file.rows.at("[OUTFALLS]").at(0)[0], "Lot3.Bed-A_1_Out");
    EXPECT_EQ(file.rows.at("[WEIRS]").at(0)[0], "Lot3.Bed-A_1_Overflow");

    for (const std::string &bad :
         std::vector<std::string>{"two words", "[bed", "semi;colon", "quo\"te",
                                  "Stra\xc3\x9f"
                                  "e",
                                  std::string(65, 'n')}) {
        const auto refused = routingExportText(RoutingExport::SwmmStorageNode, record, {bad, {}});
        EXPECT_FALSE(refused) << bad;
        EXPECT_EQ(refused.reason(), "A SWMM node name takes 1 to 64 printable ASCII characters "
                                    "other than blanks, \" and ;, and does not begin with \"[\".");
    }
}

TEST(RoutingExports, NodeNamesAreValidSwmmNames)
{
    for (const auto &[project, node, curve] :
         {std::tuple{"Maple Street detention bed", "Maple_Stre_378d2", "Mapl_e8112_Curve"},
          {"  [bed]; A-1.2  ", "bed_A-1.2", "bed_A-1.2_Curve"},
          {"Maple Street bed 1", "Maple_Stre_1bc35", "Mapl_d185a_Curve"},
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
