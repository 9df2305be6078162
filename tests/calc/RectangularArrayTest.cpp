#include "Calculator.h"
#include "ClipboardText.h"
#include "Messages.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {
using test::f;
using test::Row;
using test::table;

CalcOutcome calculate(const CalcInputs &inputs, ResultState &state,
                      const std::string &dataSet = "worked-rect")
{
    return ::calculate(inputs, test::environmentFor(dataSet), state);
}
} // namespace

TEST(RectangularArray, WorkedExampleGivesTheSystemAndTheTable)
{
    ResultState state;
    const CalcOutcome outcome = calculate(test::rectangularArrayExample(), state);
    ASSERT_EQ(outcome.status, CalcOutcome::Status::Done) << outcome.message;
    EXPECT_TRUE(state.ResultsValid);
    EXPECT_EQ(state.SystemLength, 12.0f);
    EXPECT_EQ(state.SystemWidth, 7.5f);
    EXPECT_EQ(state.BottomArea, 90.0f);
    EXPECT_EQ(state.EquivRows, 6);
    EXPECT_EQ(table(state), (std::vector<Row>{{100.0f, 36.0f},
                                              {100.5f, 36.0f},
                                              {101.0f, 72.0f},
                                              {101.5f, f(57.6)},
                                              {f(101.5 + 1.0 / 12.0), 36.0f},
                                              {102.0f, 36.0f}}));
    EXPECT_EQ(outcome.report(),
              test::readFile(std::string(CALC_GOLDEN_DIR) + "/rectangular-array.txt"));
    EXPECT_EQ(StageAreaClipboardText(state), "100\t36\r\n100.5\t36\r\n101\t72\r\n101.5\t57.6\r\n"
                                             "101.5833\t36\r\n102\t36\r\n");
    EXPECT_EQ(LengthClipboardText(state), "12");
    EXPECT_EQ(WidthClipboardText(state), "7.5");
}

TEST(RectangularArray, BottomAreaOptionAddsTheFullAreaAndAnInchRow)
{
    CalcInputs inputs = test::rectangularArrayExample();
    inputs.bottomAreaValue = 1;
    ResultState state;
    const CalcOutcome outcome = calculate(inputs, state);
    ASSERT_EQ(outcome.status, CalcOutcome::Status::Done);
    EXPECT_EQ(state.EquivRows, 7);
    EXPECT_EQ(table(state), (std::vector<Row>{{100.0f, 90.0f},
                                              {f(100.0 + 1.0 / 12.0), 36.0f},
                                              {100.5f, 36.0f},
                                              {101.0f, 72.0f},
                                              {101.5f, f(57.6)},
                                              {f(101.5 + 1.0 / 12.0), 36.0f},
                                              {102.0f, 36.0f}}));
    EXPECT_EQ(outcome.report(),
              test::readFile(std::string(CALC_GOLDEN_DIR) + "/rectangular-array-bottom.txt"));

    // Only the value 1 counts as checked.
    inputs.bottomAreaValue = 2;
    ASSERT_EQ(calculate(inputs, state).status, CalcOutcome::Status::Done);
    EXPECT_EQ(state.EquivRows, 6);
}

TEST(RectangularArray, EdgesOfTheGeometry)
{
    ResultState state;
    CalcInputs inputs = test::rectangularArrayExample();
    inputs.rows = "1";
    ASSERT_EQ(calculate(inputs, state).status, CalcOutcome::Status::Done);
    EXPECT_EQ(state.SystemWidth, 4.5f); // W + 2 Se, no stone between rows

    inputs = test::rectangularArrayExample();
    inputs.porosity = "100";
    ASSERT_EQ(calculate(inputs, state).status, CalcOutcome::Status::Done);
    for (float area : state.EquivArea)
        EXPECT_FLOAT_EQ(area, state.BottomArea);

    // The top row is the cover above the last chamber row, not above the inch row.
    inputs = test::rectangularArrayExample();
    inputs.coverThickness = "600";
    ASSERT_EQ(calculate(inputs, state).status, CalcOutcome::Status::Done);
    EXPECT_EQ(state.EquivStage.back(), 151.5f);
}

TEST(RectangularArray, TwoRowTableGivesOneChamberRow)
{
    test::TempDir dir;
    test::writeFile(dir.path() / "RX-160.dat", "two rows\r\n30 18 48\r\n2\r\n0 0\r\n12 8\r\n");
    CalcEnvironment environment;
    environment.dataDir = dir.path().string();
    ResultState state;
    CalcInputs inputs = test::rectangularArrayExample();
    ASSERT_EQ(::calculate(inputs, environment, state).status, CalcOutcome::Status::Done);
    // Foundation row(s), one chamber row, the inch row and the cover row.
    EXPECT_EQ(state.EquivRows, 5);
    inputs.bottomAreaValue = 1;
    ASSERT_EQ(::calculate(inputs, environment, state).status, CalcOutcome::Status::Done);
    EXPECT_EQ(state.EquivRows, 6);
}

class RectangularArrayChecks : public testing::TestWithParam<test::CheckCase>
{
};

TEST_P(RectangularArrayChecks, RefuseWithTheFieldAndMessage)
{
    const test::CheckCase &c = GetParam();
    CalcInputs inputs = test::rectangularArrayExample();
    inputs.*c.field = c.text;
    ResultState state = {};
    state.SystemLength = 42.0f; // an earlier result stays untouched
    const CalcOutcome outcome = calculate(inputs, state);
    if (!c.message) {
        EXPECT_EQ(outcome.status, CalcOutcome::Status::Done) << outcome.message;
        return;
    }
    EXPECT_EQ(outcome.status, CalcOutcome::Status::Refused);
    EXPECT_EQ(outcome.field, c.expectedField);
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_TRUE(outcome.outputCleared);
    EXPECT_TRUE(outcome.report().empty());
    EXPECT_EQ(state.SystemLength, 42.0f);
}

using C = CalcInputs;
using F = InputField;
namespace M = Messages;
INSTANTIATE_TEST_SUITE_P(
    Fields, RectangularArrayChecks,
    testing::Values(
        test::CheckCase{"RowsEmpty", &C::rows, "  ", F::Rows, M::SpecifyRows},
        test::CheckCase{"RowsDecimal", &C::rows, "12.0", F::Rows, M::NotAnInteger},
        test::CheckCase{"RowsInnerBlank", &C::rows, "1 2", F::Rows, M::NotAnInteger},
        test::CheckCase{"RowsLonePlus", &C::rows, "+", F::Rows, M::NotAnInteger},
        test::CheckCase{"RowsNegative", &C::rows, "-2", F::Rows, M::RowsTooFew},
        test::CheckCase{"RowsHuge", &C::rows, "40000", F::Rows, M::IntegerTooLarge},
        test::CheckCase{"RowsVeryNegative", &C::rows, "-40000", F::Rows, M::RowsTooFew},
        test::CheckCase{"RowsBlanksAround", &C::rows, " 12 ", F::None, nullptr},
        test::CheckCase{"RowsPlus", &C::rows, "+3", F::None, nullptr},
        test::CheckCase{"ColsEmpty", &C::cols, "", F::Cols, M::SpecifyCols},
        test::CheckCase{"ColsZero", &C::cols, "0", F::Cols, M::ColsTooFew},
        test::CheckCase{"TooManyChambers", &C::cols, "16384", F::Cols, M::TooManyChambers},
        test::CheckCase{"FoundationEmpty", &C::foundationDepth, "", F::FoundationDepth,
                        M::SpecifyFoundation},
        test::CheckCase{"FoundationText", &C::foundationDepth, "six", F::FoundationDepth,
                        M::NotANumber},
        test::CheckCase{"FoundationComma", &C::foundationDepth, "1,000", F::FoundationDepth,
                        M::NotANumber},
        test::CheckCase{"FoundationUnit", &C::foundationDepth, "6in", F::FoundationDepth,
                        M::NotANumber},
        test::CheckCase{"FoundationHuge", &C::foundationDepth, "1e39", F::FoundationDepth,
                        M::NumberOutOfRange},
        test::CheckCase{"FoundationThin", &C::foundationDepth, "5.99", F::FoundationDepth,
                        M::FoundationTooThin},
        test::CheckCase{"FoundationExactly6", &C::foundationDepth, "6", F::None, nullptr},
        test::CheckCase{"CoverEmpty", &C::coverThickness, "", F::CoverThickness, M::SpecifyCover},
        test::CheckCase{"CoverThin", &C::coverThickness, "5", F::CoverThickness, M::CoverTooThin},
        test::CheckCase{"SpacingEmpty", &C::internalSpacing, "", F::InternalSpacing,
                        M::SpecifySpacing},
        test::CheckCase{"SpacingNan", &C::internalSpacing, "nan", F::InternalSpacing,
                        M::NotANumber},
        test::CheckCase{"SpacingSmall", &C::internalSpacing, "5.9", F::InternalSpacing,
                        M::SpacingTooSmall},
        test::CheckCase{"PerimeterEmpty", &C::perimeterThickness, "", F::PerimeterThickness,
                        M::SpecifyPerimeter},
        test::CheckCase{"PerimeterThin", &C::perimeterThickness, "11.9", F::PerimeterThickness,
                        M::PerimeterTooThin},
        test::CheckCase{"PerimeterExactly12", &C::perimeterThickness, "12", F::None, nullptr},
        test::CheckCase{"PorosityEmpty", &C::porosity, "", F::Porosity, M::SpecifyPorosity},
        test::CheckCase{"PorosityHalf", &C::porosity, "0.5", F::Porosity, M::PorosityRange},
        test::CheckCase{"PorosityOver", &C::porosity, "101", F::Porosity, M::PorosityRange},
        test::CheckCase{"PorosityOne", &C::porosity, "1", F::None, nullptr},
        test::CheckCase{"ElevationEmpty", &C::baseElevation, "", F::BaseElevation,
                        M::SpecifyElevation},
        test::CheckCase{"ElevationHex", &C::baseElevation, "0x10", F::BaseElevation, M::NotANumber},
        test::CheckCase{"ElevationNegative", &C::baseElevation, "-3.5", F::None, nullptr}),
    [](const testing::TestParamInfo<test::CheckCase> &row) { return row.param.name; });

TEST(RectangularArray, OnlyTheFirstFailureIsReported)
{
    CalcInputs inputs = test::rectangularArrayExample();
    inputs.cols = "x";
    inputs.porosity = "";
    inputs.baseElevation = "";
    ResultState state;
    const CalcOutcome outcome = calculate(inputs, state);
    EXPECT_EQ(outcome.field, InputField::Cols);
    EXPECT_EQ(outcome.message, Messages::NotAnInteger);

    CalcInputs empty;
    empty.method = 2;
    EXPECT_EQ(calculate(empty, state).message, Messages::SelectChamberType);
}

TEST(RectangularArray, ResultBeyondTheFloatRangeIsRefused)
{
    CalcInputs inputs = test::rectangularArrayExample();
    inputs.perimeterThickness = "3.4e38"; // a width beyond the float range
    ResultState state;
    const CalcOutcome outcome = calculate(inputs, state);
    EXPECT_EQ(outcome.status, CalcOutcome::Status::Refused);
    EXPECT_EQ(outcome.message, Messages::ResultNotFinite);
    EXPECT_FALSE(state.ResultsValid);
    EXPECT_TRUE(state.EquivStage.empty());
}

TEST(Dispatcher, WithoutAMethodLeavesTheOutputAlone)
{
    CalcInputs inputs = test::rectangularArrayExample();
    inputs.method = 0;
    ResultState state;
    const CalcOutcome outcome = calculate(inputs, state);
    EXPECT_EQ(outcome.status, CalcOutcome::Status::Refused);
    EXPECT_EQ(outcome.message, "Choose a calculation method.");
    EXPECT_EQ(outcome.field, InputField::None);
    EXPECT_FALSE(outcome.outputCleared);
}
