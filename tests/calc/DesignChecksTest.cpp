#include "Calculator.h"
#include "Messages.h"
#include "StorageSummary.h"
#include "StorageSummaryText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
CalcOutcome calculateWith(const CalcInputs &inputs, const std::string &dataDir)
{
    return test::calculateAnsweringYes(inputs, dataDir);
}

std::string chamberFile(const std::string &table, int rows)
{
    return "Test chamber\r\n30\r\n24\r\n48\r\n" + std::to_string(rows) + "\r\n" + table;
}
} // namespace

// Designs that cannot exist, each refused at the field to change, with what it needs.
TEST(DesignChecks, ImpossibleBedsAreRefused)
{
    CalcInputs small = test::shippedKnownBedAreaExample();
    small.bedArea = "240";
    CalcOutcome outcome = calculateWith(small, TESSIVANE_SHIPPED_DATA);
    EXPECT_EQ(outcome.field, InputField::BedArea);
    EXPECT_EQ(outcome.message, "The area of the bed (240 sq-ft) is smaller than the plan area of "
                               "its chambers (24 x 51 x 85 inches = 722.5 sq-ft). Enlarge the bed "
                               "or use fewer chambers.");

    CalcInputs thinFoundation = test::shippedKnownBedAreaExample();
    thinFoundation.foundationDepth = "0.4"; // below the bottom-area row half an inch up
    outcome = calculateWith(thinFoundation, TESSIVANE_SHIPPED_DATA);
    EXPECT_EQ(outcome.field, InputField::FoundationDepth);
    EXPECT_EQ(outcome.message, Messages::FoundationBelowBottomRow);
    thinFoundation.bottomAreaValue = 0;
    EXPECT_EQ(calculateWith(thinFoundation, TESSIVANE_SHIPPED_DATA).status,
              CalcOutcome::Status::Done);

    // A chamber table storing more than the chamber's outline holds (10 ft³ per foot).
    test::TempDir dir;
    test::writeFile(dir.file("RX-160.dat"), chamberFile("0, 0\r\n12, 10\r\n18, 15.5\r\n", 3));
    outcome = calculateWith(test::knownBedAreaExample(), dir.path().string());
    EXPECT_EQ(outcome.field, InputField::None);
    EXPECT_EQ(outcome.message,
              "The chamber design data file RX-160.dat describes a chamber that cannot exist: "
              "between the stages 12 and 18 inches one chamber would store 5.5 ft³, more than its "
              "outside size of 30 x 48 inches holds over that height (5 ft³).");
}

// A stage far from zero loses the digits that keep the bed's layers apart; the message names
// the elevation up to which this bed still works, and that elevation calculates.
TEST(DesignChecks, BaseElevationThatCannotHoldTheStagesApartIsRefused)
{
    for (const auto &[elevation, named] :
         {std::pair{"1E9", "99995.7"}, {"-2e6", "-99999.95"}, {"99996", "99995.7"}}) {
        CalcInputs inputs =
            test::shippedKnownBedAreaExample(); // thinnest layer: the half-inch bottom row
        inputs.baseElevation = elevation;
        const CalcOutcome refused = calculateWith(inputs, TESSIVANE_SHIPPED_DATA);
        EXPECT_EQ(refused.field, InputField::BaseElevation) << elevation;
        EXPECT_EQ(refused.message,
                  std::string("The base elevation is too far from zero for this bed: the "
                              "equivalent pond's stages keep 7 significant digits, too few to "
                              "hold its thinnest layer (.5 inches) apart. The ") +
                      (named[0] == '-' ? "lowest" : "highest") +
                      " base elevation that works for this bed is " + named + " ft.");
        inputs.baseElevation = named;
        EXPECT_EQ(calculateWith(inputs, TESSIVANE_SHIPPED_DATA).status, CalcOutcome::Status::Done)
            << named;
    }
}

// At a high elevation the written 7-digit stages change the pond's storage noticeably: the
// check says by how much and where the bed's own storage is, instead of "stores what the bed
// stores".
TEST(DesignChecks, StorageCheckTellsADifferenceTheStagesCause)
{
    for (const auto &[elevation, notice] :
         {std::pair{"512.5", ""}, {"5280.25", "5.962 cu ft (0.12 %"}}) {
        CalcInputs inputs = test::shippedKnownBedAreaExample();
        inputs.baseElevation = elevation;
        const CalcOutcome outcome = calculateWith(inputs, TESSIVANE_SHIPPED_DATA);
        ASSERT_TRUE(outcome.record) << outcome.message;
        const StorageSummary summary = summarizeStorage(*outcome.record);
        const StorageSummaryText::Line check = StorageSummaryText::totalLines(summary, "").back();
        if (*notice == 0) {
            EXPECT_FALSE(check.warning);
            EXPECT_EQ(check.text.rfind("The equivalent pond stores what the bed stores", 0), 0u);
            continue;
        }
        EXPECT_TRUE(check.warning);
        EXPECT_EQ(check.text,
                  "At this elevation the equivalent pond differs from the bed by up to " +
                      std::string(notice) +
                      " of the bed's storage): its table keeps stages to 7 significant digits "
                      "in single precision, too few here. The exports SWMM Storage Node and "
                      "Elevation–Storage Table carry the bed's own storage.");
    }
}

// Whatever the inputs, a design that calculates holds no negative stone voids in any interval
// and its stages never fall; the others are refused.
TEST(DesignChecks, RandomDesignsHoldNoNegativeStoneVoidsOrAreRefused)
{
    std::mt19937 random(20261209);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto logUniform = [&](double low, double high) {
        return std::exp(std::log(low) + unit(random) * (std::log(high) - std::log(low)));
    };
    int accepted = 0, refused = 0;
    for (int design = 0; design < 400; ++design) {
        SCOPED_TRACE("design " + std::to_string(design));
        CalcInputs in =
            design % 2 ? test::rectangularArrayExample() : test::shippedKnownBedAreaExample();
        in.chamberTypeIndex = design % 3 == 0;
        const int chambers = int(logUniform(1, 400));
        in.numChambers = std::to_string(chambers);
        in.bedArea = std::to_string(chambers * logUniform(15, 300));
        in.rows = std::to_string(int(logUniform(1, 20)));
        in.cols = std::to_string(int(logUniform(1, 20)));
        const double thinnest = in.method == 2 ? 5 : 0.1; // method #2 refuses below 6 in
        in.foundationDepth = std::to_string(logUniform(thinnest, 40));
        in.coverThickness = std::to_string(logUniform(thinnest, 40));
        in.internalSpacing = std::to_string(logUniform(6, 40));
        in.perimeterThickness = std::to_string(logUniform(12, 40));
        in.porosity = std::to_string(logUniform(1, 100));
        in.baseElevation = std::to_string((unit(random) < 0.5 ? -1 : 1) * logUniform(1, 1e6));
        in.bottomAreaValue = design % 4 < 2;

        const CalcOutcome outcome = calculateWith(in, TESSIVANE_SHIPPED_DATA);
        if (outcome.status != CalcOutcome::Status::Done) {
            EXPECT_EQ(outcome.status, CalcOutcome::Status::Refused);
            ++refused;
            continue;
        }
        ++accepted;
        const StorageSummary summary = summarizeStorage(*outcome.record);
        ASSERT_TRUE(summary.bedKnown) << summary.bedProblem;
        const double rounding = 1e-9 * summary.bedStorage;
        for (std::size_t i = 1; i < summary.rows.size(); ++i) {
            EXPECT_GE(summary.rows[i].stonePart, -rounding) << "row " << i + 1;
            EXPECT_GE(summary.rows[i].stage, summary.rows[i - 1].stage) << "row " << i + 1;
        }
    }
    EXPECT_GT(accepted, 120);
    EXPECT_GT(refused, 50);
}
