#include "StorageSummary.h"
#include "Calculator.h"
#include "Messages.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {
constexpr double exact = 1e-9;
constexpr double closeToWritten = 2e-2; // ft³ left by the table's 7-digit stages near 100 ft

struct Calculated
{
    ResultState result;
    BedModel bed;
};

Calculated calculate(const CalcInputs &inputs, const std::string &dataDir)
{
    Calculated run;
    const CalcOutcome outcome = test::calculateAnsweringYes(inputs, dataDir, &run.result);
    EXPECT_EQ(outcome.status, CalcOutcome::Status::Done) << outcome.message;
    if (!outcome.record)
        return run;
    const auto bed = describeBed(*outcome.record);
    EXPECT_TRUE(bed) << bed.reason();
    if (bed)
        run.bed = *bed;
    return run;
}

std::string dataSet(const char *name)
{
    return std::string(CALC_TEST_DATA) + "/" + name;
}

std::vector<double> column(const StorageSummary &summary, double StorageRow::*member)
{
    std::vector<double> values;
    for (const StorageRow &row : summary.rows)
        values.push_back(row.*member);
    return values;
}

void expectNear(const std::vector<double> &actual, const std::vector<double> &expected,
                double tolerance)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "row " << i + 1;
}
} // namespace

// 10 chambers of 0, 10, 20 ft³ at 0, 12, 24 in, in 1000 ft² of 40 % stone, 6 in below and above.
TEST(StorageSummary, KnownBedAreaExampleByHand)
{
    const Calculated run = calculate(test::knownBedAreaExample(), dataSet("worked-bed"));
    const StorageSummary summary = summarizeStorage(run.result, &run.bed);

    ASSERT_TRUE(summary.bedKnown);
    const double top = 400 * 0.5 + 460 * 1 + 460 * 1 + 400 * (1.0 / 12) + 400 * (0.5 - 1.0 / 12);
    EXPECT_NEAR(summary.pondStorage, top, closeToWritten);
    EXPECT_NEAR(summary.bedStorage, 1320, exact);
    EXPECT_NEAR(summary.chamberStorage, 200, exact);
    EXPECT_NEAR(summary.stoneStorage, 1120, exact);
    expectNear(column(summary, &StorageRow::interval),
               {0, 200, 460, 460, 400.0 / 12, 400 * (0.5 - 1.0 / 12)}, closeToWritten);
    expectNear(column(summary, &StorageRow::cumulative),
               {0, 200, 660, 1120, 1120 + 400.0 / 12, 1320}, closeToWritten);
    expectNear(column(summary, &StorageRow::chamberPart), {0, 0, 100, 100, 0, 0}, closeToWritten);
    expectNear(column(summary, &StorageRow::stonePart),
               {0, 200, 360, 360, 400.0 / 12, 400 * (0.5 - 1.0 / 12)}, closeToWritten);
    EXPECT_TRUE(summary.pondMatchesBed) << summary.largestDifference;
    EXPECT_LT(summary.largestDifference, closeToWritten);
}

// 2 rows of 3 chambers (30 x 18 x 48 in, 0, 5, 8 ft³ at 0, 6, 12 in): a 12 x 7.5 ft bed.
TEST(StorageSummary, RectangularArrayExampleByHand)
{
    const Calculated run = calculate(test::rectangularArrayExample(), dataSet("worked-rect"));
    EXPECT_NEAR(run.bed.planArea, 12 * 7.5, exact);
    EXPECT_EQ(run.bed.chamberCount, 6);
    const StorageSummary summary = summarizeStorage(run.result, &run.bed);

    EXPECT_NEAR(summary.bedStorage, 0.4 * (90 * 2 - 6 * 8) + 6 * 8, exact);
    EXPECT_NEAR(summary.chamberStorage, 48, exact);
    EXPECT_NEAR(summary.stoneStorage, 52.8, exact);
    expectNear(column(summary, &StorageRow::interval), {0, 18, 36, 28.8, 3, 15}, closeToWritten);
    expectNear(column(summary, &StorageRow::chamberPart), {0, 0, 30, 18, 0, 0}, closeToWritten);
    expectNear(column(summary, &StorageRow::stonePart), {0, 18, 6, 10.8, 3, 15}, closeToWritten);
    EXPECT_NEAR(summary.pondStorage, 100.8, closeToWritten);
    EXPECT_TRUE(summary.pondMatchesBed) << summary.largestDifference;
}

// The bottom-area row adds no storage: its area is the bed's footprint at the bottom stage.
TEST(StorageSummary, BottomAreaOptionStoresTheSame)
{
    for (CalcInputs inputs : {test::knownBedAreaExample(), test::rectangularArrayExample()}) {
        inputs.bottomAreaValue = 1;
        const Calculated run =
            calculate(inputs, dataSet(inputs.method == 1 ? "worked-bed" : "worked-rect"));
        const StorageSummary summary = summarizeStorage(run.result, &run.bed);
        EXPECT_EQ(summary.rows.size(), std::size_t(run.result.EquivRows));
        EXPECT_EQ(summary.rows.front().interval, 0);
        EXPECT_NEAR(summary.pondStorage, summary.bedStorage, closeToWritten);
        EXPECT_TRUE(summary.pondMatchesBed) << "method " << inputs.method;
    }
}

TEST(StorageSummary, ATamperedTableFailsTheCheck)
{
    const Calculated run = calculate(test::knownBedAreaExample(), dataSet("worked-bed"));

    ResultState changedArea = run.result;
    changedArea.EquivArea[2] += 10; // the first chamber layer, 1 ft thick
    StorageSummary summary = summarizeStorage(changedArea, &run.bed);
    EXPECT_FALSE(summary.pondMatchesBed);
    EXPECT_NEAR(summary.largestDifference, 10, closeToWritten);

    ResultState changedStage = run.result;
    changedStage.EquivStage[1] -= 0.25f; // the foundation row moved down: the pond's water shifts
    summary = summarizeStorage(changedStage, &run.bed);
    EXPECT_FALSE(summary.pondMatchesBed);

    ResultState withoutTop = run.result;
    withoutTop.EquivRows -= 1; // the cover's last part missing
    summary = summarizeStorage(withoutTop, &run.bed);
    EXPECT_EQ(summary.rows.size(), 5u);
    EXPECT_FALSE(summary.pondMatchesBed);
    EXPECT_NEAR(summary.largestDifference, 400 * (0.5 - 1.0 / 12), closeToWritten);
}

// Single-precision stages lose resolution far above the datum; the check allows for that but
// not for a real difference.
TEST(StorageSummary, ShippedChambersAtHighElevationsStillMatch)
{
    const std::string shipped = TESSIVANE_SHIPPED_DATA;
    for (int type : {0, 1}) {
        for (const char *elevation : {"0", "100", "1234.5", "9000"}) {
            CalcInputs bed = test::knownBedAreaExample();
            bed.chamberTypeIndex = type;
            bed.bedArea = "2500";
            bed.baseElevation = elevation;
            CalcInputs array = test::rectangularArrayExample();
            array.chamberTypeIndex = type;
            array.rows = "4";
            array.cols = "12";
            array.baseElevation = elevation;
            for (const CalcInputs &inputs : {bed, array}) {
                const Calculated run = calculate(inputs, shipped);
                const StorageSummary summary = summarizeStorage(run.result, &run.bed);
                EXPECT_TRUE(summary.pondMatchesBed)
                    << "type " << type << " method " << inputs.method << " at " << elevation << ": "
                    << summary.largestDifference << " > " << summary.tolerance;
                EXPECT_LT(summary.largestDifference, 5e-3 * summary.bedStorage);

                ResultState tampered = run.result;
                tampered.EquivArea[1] *= 1.5f; // the foundation stone, half a foot
                EXPECT_FALSE(summarizeStorage(tampered, &run.bed).pondMatchesBed);
            }
        }
    }
}

TEST(StorageSummary, WithoutTheBedOnlyThePondIsSummed)
{
    const Calculated run = calculate(test::knownBedAreaExample(), dataSet("worked-bed"));
    const StorageSummary summary = summarizeStorage(run.result, nullptr);
    EXPECT_FALSE(summary.bedKnown);
    EXPECT_FALSE(summary.pondMatchesBed);
    EXPECT_NEAR(summary.pondStorage, 1320, closeToWritten);
    EXPECT_EQ(summary.bedStorage, 0);
    expectNear(column(summary, &StorageRow::chamberPart), std::vector<double>(6, 0), exact);

    const StorageSummary empty = summarizeStorage(ResultState{}, nullptr);
    EXPECT_TRUE(empty.rows.empty());
    EXPECT_EQ(empty.pondStorage, 0);
}

TEST(BedModel, InterpolatesTheChamberTableAndClampsOutsideTheBed)
{
    const Calculated run = calculate(test::rectangularArrayExample(), dataSet("worked-rect"));
    const BedModel &bed = run.bed;
    EXPECT_DOUBLE_EQ(bed.chamberBottom(), 100.5);
    EXPECT_DOUBLE_EQ(bed.chamberTop(), 101.5);
    EXPECT_DOUBLE_EQ(bed.top(), 102);
    EXPECT_NEAR(bed.chamberStorageBelow(100.75), 6 * 2.5, exact);
    EXPECT_NEAR(bed.chamberStorageBelow(101.25), 6 * 6.5, exact);
    EXPECT_EQ(bed.chamberStorageBelow(100), 0);
    EXPECT_NEAR(bed.chamberStorageBelow(500), 48, exact);
    EXPECT_EQ(bed.storageBelow(99), 0);
    EXPECT_NEAR(bed.storageBelow(100.25), 0.4 * 90 * 0.25, exact);
    EXPECT_NEAR(bed.storageBelow(1e6), 100.8, exact);
}

// A result that did not come from a calculation here (an opened project) gets its record from
// the inputs; when they would not calculate, the refusal says why.
TEST(BedModel, InputsThatWouldNotCalculateHaveNoBed)
{
    const auto why = [](const CalcInputs &inputs, const std::string &dataDir) {
        const CalcOutcome read = recordOfResult(inputs, dataDir, ResultState{}, {});
        EXPECT_FALSE(read.record);
        return read.message;
    };
    CalcInputs inputs = test::knownBedAreaExample();
    inputs.method = 0;
    EXPECT_EQ(why(inputs, dataSet("worked-bed")), Messages::ChooseMethod);

    inputs = test::knownBedAreaExample();
    inputs.chamberTypeIndex = 1;
    EXPECT_EQ(why(inputs, dataSet("missing")), "the chamber data file RX-300.dat was not found.");
    EXPECT_FALSE(why(inputs, CALC_TEST_DATA).empty()); // a folder without chamber files
    inputs.chamberTypeIndex = -1;
    EXPECT_EQ(why(inputs, dataSet("worked-bed")), Messages::SelectChamberType);

    inputs = test::rectangularArrayExample();
    inputs.internalSpacing = "six";
    EXPECT_EQ(why(inputs, dataSet("worked-rect")), Messages::NotANumber);

    inputs = test::knownBedAreaExample();
    inputs.porosity = "0";
    EXPECT_EQ(why(inputs, dataSet("worked-bed")), Messages::PorosityRange);

    // A thin foundation is asked about in a calculation; an opened result takes it as given.
    inputs.porosity = "40";
    inputs.foundationDepth = "3";
    const CalcOutcome read = recordOfResult(inputs, dataSet("worked-bed"), ResultState{}, "R");
    ASSERT_TRUE(read.record);
    EXPECT_EQ(read.record->values.foundationDepth, 3.0f);
    EXPECT_EQ(read.record->report, "R");
    EXPECT_TRUE(describeBed(*read.record));
}
