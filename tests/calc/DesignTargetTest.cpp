#include "Calculator.h"
#include "DesignFiguresText.h"
#include "DesignSession.h"
#include "StorageSummary.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
std::vector<std::string> texts(const std::vector<DesignFiguresText::FigureLine> &lines)
{
    std::vector<std::string> out;
    for (const auto &line : lines)
        out.push_back(DesignFiguresText::plainLine(line));
    return out;
}

// The figure lines the user sees for a calculated bed with a target.
std::vector<std::string> figuresOf(const CalcInputs &inputs, const std::string &dataSet,
                                   const DesignTarget &target)
{
    DesignSession session(std::string(CALC_TEST_DATA) + "/" + dataSet);
    session.edit(inputs);
    EXPECT_EQ(session.calculate({}).status, CalcOutcome::Status::Done);
    session.setTarget(target);
    const Result<DesignFigures> figures = session.designFigures();
    EXPECT_TRUE(figures.ok()) << figures.reason();
    return figures ? texts(DesignFiguresText::figureLines(*figures)) : std::vector<std::string>{};
}

// The storage the pond of a calculated record holds below an elevation: each interval's area
// holds over its height, as a routing program integrates it.
double pondStorageBelow(const StorageSummary &summary, double elevation)
{
    double storage = 0;
    for (std::size_t i = 1; i < summary.rows.size(); ++i) {
        const StorageRow &row = summary.rows[i];
        const double bottom = summary.rows[i - 1].stage;
        storage += row.area * std::clamp(elevation - bottom, 0.0, row.stage - bottom);
    }
    return storage;
}
} // namespace

// The worked rectangular array (2 x 3 chambers of 30 x 48 in holding 0, 5 and 8 ft³ at 0, 6
// and 12 in; 6 in of stone below and above, 40 %): worked by hand, plan 12 x 7.5 ft, bed 2 ft.
TEST(DesignFigures, QuantitiesStorageBelowAndDrawdownAsTheUserReadsThem)
{
    DesignTarget target;
    target.elevation = "101";
    target.infiltrationRate = "1";
    EXPECT_EQ(figuresOf(test::rectangularArrayExample(), "worked-rect", target),
              (std::vector<std::string>{
                  "Storage below 101 ft: 54.000 cu ft (0.0012 acre-ft), 53.6 % of the bed's "
                  "storage",
                  "Chambers: 6", "Plan area: 90.00 sq ft",
                  "Bed height: 2.0000 ft (foundation, chamber and cover)",
                  "Stone: 132.000 cu ft (4.89 cu yd)",
                  "Excavation: 180.000 cu ft (6.67 cu yd), to the neat lines of the bed: no side "
                  "slopes or over-dig",
                  "Geotextile: 258.00 sq ft (28.67 sq yd), top, bottom and sides",
                  "Time to drain the full bed at 1 in/hr: 13.4 hours",
                  "Time to drain the storage below 101 ft: 7.2 hours"}));

    // A bed of known area has no shape: top and bottom only. Below the base nothing is held,
    // above the top everything.
    target = {};
    target.elevation = "99";
    std::vector<std::string> known = figuresOf(test::knownBedAreaExample(), "worked-bed", target);
    ASSERT_EQ(known.size(), 7u);
    EXPECT_EQ(known[0], "Storage below 99 ft: 0.000 cu ft (0.0000 acre-ft), 0.0 % of the bed's "
                        "storage");
    EXPECT_EQ(known[6], "Geotextile: 2000.00 sq ft (222.22 sq yd), top and bottom only: the "
                        "sides need the bed's shape");
    target.elevation = "1e6";
    known = figuresOf(test::knownBedAreaExample(), "worked-bed", target);
    EXPECT_NE(known[0].find(", 100.0 % of the bed's storage"), std::string::npos) << known[0];
}

TEST(DesignTarget, SettingsThatCannotBeUsedSayWhatTheyNeed)
{
    const std::pair<std::string DesignTarget::*, std::string> cases[] = {
        {&DesignTarget::requiredStorage, "0"}, {&DesignTarget::elevation, "1,5"},
        {&DesignTarget::maxLength, "-3"},      {&DesignTarget::maxRows, "2.5"},
        {&DesignTarget::maxPerRow, "40000"},   {&DesignTarget::infiltrationRate, "inf"},
    };
    const char *messages[] = {
        "The required storage must be a positive number of cubic feet.",
        "The elevation must be a number of feet.",
        "The largest length must be a positive number of feet.",
        "The most rows must be a whole number from 1 to 32767.",
        "The most chambers per row must be a whole number from 1 to 32767.",
        "The infiltration rate must be a positive number of inches per hour.",
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        DesignTarget target;
        target.maxWidth = " 80 "; // a valid setting beside it is still read
        target.*cases[i].first = cases[i].second;
        const TargetReading reading = readTarget(target);
        ASSERT_FALSE(reading.ok()) << cases[i].second;
        EXPECT_EQ(reading.message, messages[i]);
        EXPECT_EQ(reading.values.maxWidth, 80.0);
    }
}

// Every layout the sizing proposes, calculated the ordinary way, holds the required storage
// below the elevation, and one chamber fewer per row does not; the limits hold; the ranking is
// by chambers. Random designs of both chamber models.
TEST(BedSizing, EveryLayoutHoldsTheTargetAndOneChamberFewerPerRowDoesNot)
{
    std::mt19937 random(20261209);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto between = [&](double low, double high) { return low + unit(random) * (high - low); };
    int layoutsChecked = 0, withoutLayout = 0;
    for (int design = 0; design < 60; ++design) {
        SCOPED_TRACE("design " + std::to_string(design));
        CalcInputs in = test::rectangularArrayExample();
        in.chamberTypeIndex = design % 2;
        in.foundationDepth = std::to_string(between(6, 30));
        in.coverThickness = std::to_string(between(6, 30));
        in.internalSpacing = std::to_string(between(6, 30));
        in.perimeterThickness = std::to_string(between(12, 40));
        in.porosity = std::to_string(between(20, 50));
        const double base = between(-500, 2000);
        in.baseElevation = std::to_string(base);
        in.bottomAreaValue = design % 3 == 0;
        in.rows = in.cols = ""; // the sizing's to choose

        DesignTarget target;
        target.requiredStorage = std::to_string(std::exp(between(std::log(50), std::log(3e4))));
        const double elevation = base + between(0.3, 6);
        if (design % 4 != 0)
            target.elevation = std::to_string(elevation);
        if (design % 3 == 1)
            target.maxRows = std::to_string(int(between(1, 12)));
        if (design % 5 == 2)
            target.maxPerRow = std::to_string(int(between(1, 60)));
        if (design % 7 == 3)
            target.maxLength = std::to_string(between(10, 300));
        if (design % 6 == 4)
            target.maxWidth = std::to_string(between(5, 60));

        DesignSession session(TESSIVANE_SHIPPED_DATA);
        session.edit(in);
        session.setTarget(target);
        const DesignSession::Sizing sizing = session.sizeBed();
        ASSERT_TRUE(sizing.sized()) << sizing.message;
        const SizingTarget &wanted = sizing.target;
        const double countBelow =
            wanted.elevation.value_or(std::numeric_limits<double>::infinity());
        const auto &layouts = sizing.answer.layouts;
        if (layouts.empty())
            ++withoutLayout;

        // The ordinary calculation of a layout: its record, its bed and its pond.
        const auto calculated = [&](int rows, int perRow) {
            CalcInputs layout = in;
            layout.rows = std::to_string(rows);
            layout.cols = std::to_string(perRow);
            const CalcOutcome outcome = test::calculateAnsweringYes(layout, TESSIVANE_SHIPPED_DATA);
            EXPECT_EQ(outcome.status, CalcOutcome::Status::Done) << outcome.message;
            return outcome.record;
        };
        for (std::size_t i = 0; i < layouts.size(); ++i) {
            if (i > 3 && i + 3 < layouts.size())
                continue; // the first and last few of a long list
            const SizedLayout &layout = layouts[i];
            SCOPED_TRACE(std::to_string(layout.rows) + " x " +
                         std::to_string(layout.chambersPerRow));
            const auto record = calculated(layout.rows, layout.chambersPerRow);
            ASSERT_TRUE(record);
            const Result<BedModel> bed = describeBed(*record);
            ASSERT_TRUE(bed.ok());
            EXPECT_GE(bed->storageBelow(countBelow), wanted.requiredStorage);
            const StorageSummary summary = summarizeStorage(*record);
            if (wanted.elevation) {
                EXPECT_NEAR(pondStorageBelow(summary, *wanted.elevation),
                            bed->storageBelow(*wanted.elevation), summary.tolerance);
            }
            EXPECT_NEAR(layout.length, record->result.SystemLength, 1e-4 * layout.length);
            EXPECT_NEAR(layout.width, record->result.SystemWidth, 1e-4 * layout.width);
            if (layout.chambersPerRow > 1) {
                const auto fewer = calculated(layout.rows, layout.chambersPerRow - 1);
                ASSERT_TRUE(fewer);
                EXPECT_LT(describeBed(*fewer)->storageBelow(countBelow), wanted.requiredStorage);
            }
            EXPECT_LE(layout.rows, wanted.maxRows.value_or(32767));
            EXPECT_LE(layout.chambersPerRow, wanted.maxPerRow.value_or(32767));
            EXPECT_LE(layout.length, wanted.maxLength.value_or(1e300));
            EXPECT_LE(layout.width, wanted.maxWidth.value_or(1e300));
            if (i > 0) {
                EXPECT_LE(layouts[i - 1].chambers, layout.chambers);
            }
            ++layoutsChecked;
        }
        if (layouts.empty()) {
            EXPECT_LT(sizing.answer.mostStorage, wanted.requiredStorage);
        }
    }
    EXPECT_GT(layoutsChecked, 150);
    EXPECT_GT(withoutLayout, 0);
}

// The form's own refusals stop a sizing at their field, as Calculate would.
TEST(BedSizing, RefusesWhatCalculateRefusesAndSaysWhenNothingFits)
{
    DesignSession session(std::string(CALC_TEST_DATA) + "/worked-rect");
    CalcInputs in = test::rectangularArrayExample();
    in.foundationDepth = "";
    session.edit(in);
    DesignTarget target;
    target.requiredStorage = "50";
    session.setTarget(target);
    DesignSession::Sizing sizing = session.sizeBed();
    EXPECT_EQ(sizing.field, InputField::FoundationDepth);
    EXPECT_EQ(DesignFiguresText::sizingHeadline(sizing), "Specify a depth of foundation.");
    // From a bed of known area, the fields only the array has are asked for with the reason.
    CalcInputs known = test::knownBedAreaExample();
    session.edit(known);
    sizing = session.sizeBed();
    EXPECT_EQ(sizing.field, InputField::InternalSpacing);
    EXPECT_EQ(sizing.message.rfind("#2 - Simple Rectangular Array is the layout the sizing fills "
                                   "in. Specify",
                                   0),
              0u)
        << sizing.message;

    in.foundationDepth = "6";
    session.edit(in);
    target.requiredStorage = "60";
    target.elevation = "101";
    target.maxRows = "2";
    target.maxPerRow = "3";
    session.setTarget(target);
    sizing = session.sizeBed();
    ASSERT_TRUE(sizing.sized());
    EXPECT_TRUE(sizing.answer.layouts.empty());
    // 2 x 3 is the worked example: 54 ft³ below 101 ft.
    EXPECT_EQ(DesignFiguresText::sizingHeadline(sizing),
              "No layout within the limits holds 60 cu ft below 101 ft: the most any allowed "
              "layout holds is 54.000 cu ft.");
}
