#include "Calculator.h"
#include "ClipboardText.h"
#include "Messages.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {
using test::f;
using test::Row;
using test::table;

struct CalcRun
{
    CalcOutcome outcome;
    std::vector<std::string> questions;
};

CalcRun calculate(const CalcInputs &inputs, ResultState &state, bool answer = false)
{
    CalcRun run;
    run.outcome =
        ::calculate(inputs, test::environmentFor("worked-bed", &run.questions, answer), state);
    return run;
}
} // namespace

TEST(KnownBedArea, WorkedExampleGivesTheTableAndReport)
{
    ResultState state;
    const CalcRun run = calculate(test::knownBedAreaExample(), state);
    ASSERT_EQ(run.outcome.status, CalcOutcome::Status::Done) << run.outcome.message;
    EXPECT_TRUE(run.questions.empty());
    EXPECT_EQ(table(state), (std::vector<Row>{{100.0f, 400.0f},
                                              {100.5f, 400.0f},
                                              {101.5f, 460.0f},
                                              {102.5f, 460.0f},
                                              {f(102.5 + 1.0 / 12.0), 400.0f},
                                              {103.0f, 400.0f}}));
    EXPECT_EQ(state.EquivRows, 6);
    EXPECT_EQ(run.outcome.report(),
              test::readFile(std::string(CALC_GOLDEN_DIR) + "/known-bed-area.txt"));
}

TEST(KnownBedArea, BottomAreaOptionUsesHalfAnInch)
{
    CalcInputs inputs = test::knownBedAreaExample();
    inputs.bottomAreaValue = 1;
    ResultState state;
    const CalcRun run = calculate(inputs, state);
    ASSERT_EQ(run.outcome.status, CalcOutcome::Status::Done);
    EXPECT_EQ(table(state), (std::vector<Row>{{100.0f, 1000.0f},
                                              {f(100.0 + 0.5 / 12.0), 400.0f},
                                              {100.5f, 400.0f},
                                              {101.5f, 460.0f},
                                              {102.5f, 460.0f},
                                              {f(102.5 + 1.0 / 12.0), 400.0f},
                                              {103.0f, 400.0f}}));
    EXPECT_EQ(StageAreaClipboardText(state), "100\t1000\r\n100.0417\t400\r\n100.5\t400\r\n"
                                             "101.5\t460\r\n102.5\t460\r\n102.5833\t400\r\n"
                                             "103\t400\r\n");
}

TEST(KnownBedArea, ReportsInputTextsAsTyped)
{
    CalcInputs inputs = test::knownBedAreaExample();
    inputs.projectName = "  Lot 7, east bed";
    inputs.numChambers = " 10 ";
    inputs.baseElevation = "100.00";
    ResultState state;
    const CalcRun run = calculate(inputs, state);
    ASSERT_EQ(run.outcome.status, CalcOutcome::Status::Done);
    const std::string &report = run.outcome.report();
    EXPECT_NE(report.find("\tProject Name =   Lot 7, east bed\r\n"), std::string::npos);
    EXPECT_NE(report.find("\tNumber of Chambers = 10\r\n"), std::string::npos);
    EXPECT_NE(report.find("\tBottom Elevation = 100.00 ft\r\n"), std::string::npos);
    EXPECT_NE(report.find("\t100\t400\r\n"), std::string::npos);
}

TEST(KnownBedArea, KeepsTheSystemDimensionsOfTheResultState)
{
    ResultState state;
    state.SystemLength = 12.0f;
    state.SystemWidth = 7.5f;
    state.BottomArea = 90.0f;
    ASSERT_EQ(calculate(test::knownBedAreaExample(), state).outcome.status,
              CalcOutcome::Status::Done);
    EXPECT_EQ(state.SystemLength, 12.0f);
    EXPECT_EQ(state.SystemWidth, 7.5f);
    EXPECT_EQ(state.BottomArea, 90.0f);
}

TEST(KnownBedArea, ThinLayersAskAndNoStopsSilently)
{
    CalcInputs inputs = test::knownBedAreaExample();
    inputs.foundationDepth = "5.9";
    inputs.coverThickness = "";

    ResultState state;
    ASSERT_EQ(calculate(test::knownBedAreaExample(), state).outcome.status,
              CalcOutcome::Status::Done);
    const ResultState earlier = state;

    // No: silent stop; the later fields are not checked and the earlier result stays.
    CalcRun run = calculate(inputs, state, false);
    EXPECT_EQ(run.outcome.status, CalcOutcome::Status::Declined);
    EXPECT_TRUE(run.outcome.message.empty());
    EXPECT_TRUE(run.outcome.outputCleared);
    ASSERT_EQ(run.questions.size(), 1u);
    EXPECT_EQ(run.questions[0], Messages::FoundationQuestion);
    EXPECT_EQ(state.EquivStage, earlier.EquivStage);
    EXPECT_TRUE(state.ResultsValid);

    // Yes: goes on to the cover, which is then refused.
    run = calculate(inputs, state, true);
    EXPECT_EQ(run.outcome.status, CalcOutcome::Status::Refused);
    EXPECT_EQ(run.outcome.field, InputField::CoverThickness);
    EXPECT_EQ(run.outcome.message, Messages::SpecifyCover);

    // A cover below one inch would put the last row below the one before it: refused before
    // the question.
    inputs.coverThickness = "0.5";
    run = calculate(inputs, state, true);
    EXPECT_EQ(run.outcome.status, CalcOutcome::Status::Refused);
    EXPECT_EQ(run.outcome.field, InputField::CoverThickness);
    EXPECT_EQ(run.outcome.message, Messages::CoverBelowOneInch);
    EXPECT_EQ(run.questions.size(), 1u);

    inputs.coverThickness = "1";
    run = calculate(inputs, state, true);
    ASSERT_EQ(run.outcome.status, CalcOutcome::Status::Done);
    ASSERT_EQ(run.questions.size(), 2u);
    EXPECT_EQ(run.questions[1],
              "The specified cover thickness is less than the minimum recommended 6 inches.\r\n\r\n"
              "Do you wish to proceed using less than the recommended cover thickness?");
    EXPECT_EQ(state.EquivStage.back(), state.EquivStage[state.EquivStage.size() - 2]);
}

TEST(KnownBedArea, ExactlySixInchesAsksNothing)
{
    ResultState state;
    EXPECT_TRUE(calculate(test::knownBedAreaExample(), state).questions.empty());
}

class KnownBedAreaChecks : public testing::TestWithParam<test::CheckCase>
{
};

TEST_P(KnownBedAreaChecks, RefuseWithTheFieldAndMessage)
{
    const test::CheckCase &c = GetParam();
    CalcInputs inputs = test::knownBedAreaExample();
    inputs.*c.field = c.text;
    ResultState state;
    const CalcRun run = calculate(inputs, state);
    EXPECT_TRUE(run.questions.empty());
    if (!c.message) {
        EXPECT_EQ(run.outcome.status, CalcOutcome::Status::Done) << run.outcome.message;
        return;
    }
    EXPECT_EQ(run.outcome.status, CalcOutcome::Status::Refused);
    EXPECT_EQ(run.outcome.field, c.expectedField);
    EXPECT_EQ(run.outcome.message, c.message);
    EXPECT_FALSE(state.ResultsValid);
}

using C = CalcInputs;
using F = InputField;
namespace M = Messages;
INSTANTIATE_TEST_SUITE_P(
    Fields, KnownBedAreaChecks,
    testing::Values(
        test::CheckCase{"ChambersEmpty", &C::numChambers, "", F::NumChambers,
                        M::SpecifyNumChambers},
        test::CheckCase{"ChambersZero", &C::numChambers, "0", F::NumChambers,
                        M::NumChambersNotPositive},
        test::CheckCase{"ChambersNegative", &C::numChambers, "-3", F::NumChambers,
                        M::NumChambersNotPositive},
        test::CheckCase{"ChambersFraction", &C::numChambers, "2.5", F::NumChambers,
                        M::NotAnInteger},
        test::CheckCase{"ChambersWord", &C::numChambers, "ten", F::NumChambers, M::NotAnInteger},
        test::CheckCase{"ChambersHuge", &C::numChambers, "32768", F::NumChambers,
                        M::IntegerTooLarge},
        test::CheckCase{"ChambersBlanks", &C::numChambers, " 12 ", F::None, nullptr},
        test::CheckCase{"AreaEmpty", &C::bedArea, "", F::BedArea, M::SpecifyBedArea},
        test::CheckCase{"AreaWord", &C::bedArea, "big", F::BedArea, M::NotANumber},
        test::CheckCase{"AreaZero", &C::bedArea, "0", F::BedArea, M::BedAreaNotPositive},
        test::CheckCase{"AreaHuge", &C::bedArea, "-1e39", F::BedArea, M::NumberOutOfRange},
        test::CheckCase{"FoundationEmpty", &C::foundationDepth, "", F::FoundationDepth,
                        M::SpecifyFoundation},
        test::CheckCase{"FoundationZero", &C::foundationDepth, "0", F::FoundationDepth,
                        M::FoundationNotPositive},
        test::CheckCase{"FoundationNegative", &C::foundationDepth, "-1", F::FoundationDepth,
                        M::FoundationNotPositive},
        test::CheckCase{"CoverZero", &C::coverThickness, "0", F::CoverThickness,
                        M::CoverNotPositive},
        test::CheckCase{"CoverText", &C::coverThickness, "2,5", F::CoverThickness, M::NotANumber},
        test::CheckCase{"PorosityHalf", &C::porosity, "0.5", F::Porosity, M::PorosityRange},
        test::CheckCase{"PorosityOver", &C::porosity, "100.5", F::Porosity, M::PorosityRange},
        test::CheckCase{"Porosity100", &C::porosity, "100", F::None, nullptr},
        test::CheckCase{"ElevationEmpty", &C::baseElevation, "", F::BaseElevation,
                        M::SpecifyElevation},
        test::CheckCase{"ElevationZero", &C::baseElevation, "0", F::None, nullptr},
        // Fields of the other method are neither checked nor reported.
        test::CheckCase{"RowsIgnored", &C::rows, "x", F::None, nullptr},
        test::CheckCase{"SpacingIgnored", &C::internalSpacing, "", F::None, nullptr}),
    [](const testing::TestParamInfo<test::CheckCase> &row) { return row.param.name; });

// Ten 30 x 48 in chambers cover 100 ft²: a smaller bed would hold negative stone voids.
TEST(KnownBedArea, BedSmallerThanItsChambersIsRefused)
{
    CalcInputs inputs = test::knownBedAreaExample();
    inputs.bedArea = "50";
    ResultState state;
    const CalcOutcome refused = calculate(inputs, state).outcome;
    EXPECT_EQ(refused.field, InputField::BedArea);
    EXPECT_EQ(refused.message, "The area of the bed (50 sq-ft) is smaller than the plan area of "
                               "its chambers (10 x 30 x 48 inches = 100 sq-ft). Enlarge the bed "
                               "or use fewer chambers.");
    EXPECT_FALSE(state.ResultsValid);

    inputs.bedArea = "100"; // the chambers alone: no stone beside them
    ASSERT_EQ(calculate(inputs, state).outcome.status, CalcOutcome::Status::Done);
    EXPECT_FLOAT_EQ(state.EquivArea[2], 100.0f);
}
