#include "ChamberDataFile.h"
#include "InputFields.h"
#include "Messages.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
bool readRecord(const std::string &text, ChamberDesignData &record)
{
    std::istringstream in(text);
    return ReadChamberRecord(in, record);
}
} // namespace

TEST(ChamberData, ReadsItemsOnePerLineOrSeveralPerLine)
{
    ChamberDesignData oneEach;
    ASSERT_TRUE(readRecord("Model X, arched, 16 in\r\n34\r\n16\r\n85\r\n2\r\n0\r\n0\r\n1\r\n.5\r\n",
                           oneEach));
    ChamberDesignData together;
    ASSERT_TRUE(
        readRecord("Model X, arched, 16 in\n34, 16, 85\n2\n0, 0\n1 .5 trailing words\n", together));
    for (const ChamberDesignData *r : {&oneEach, &together}) {
        EXPECT_EQ(r->Description, "Model X, arched, 16 in");
        EXPECT_EQ(r->Width, 34.0f);
        EXPECT_EQ(r->Height, 16.0f);
        EXPECT_EQ(r->Length, 85.0f);
        ASSERT_EQ(r->NumPoints, 2);
        EXPECT_EQ(r->Stage, (std::vector<float>{0.0f, 1.0f}));
        EXPECT_EQ(r->Storage, (std::vector<float>{0.0f, 0.5f}));
    }
}

TEST(ChamberData, CountWrittenAsAWholeDecimalReads)
{
    ChamberDesignData record;
    ASSERT_TRUE(readRecord("d\r\n30 18 48\r\n3.0\r\n0 0\r\n6 5\r\n12 8\r\n", record));
    EXPECT_EQ(record.NumPoints, 3);
    ASSERT_TRUE(readRecord("d\r\n30 18 48\r\n0.2E1\r\n0 0\r\n6 5\r\n", record));
    EXPECT_EQ(record.Stage, (std::vector<float>{0.0f, 6.0f}));
}

TEST(ChamberData, RefusesBrokenOrUnusableFiles)
{
    const char *broken[] = {
        "",                                         // empty
        "description only\r\n",                     // cut short
        "d\r\n30 18 48\r\n3\r\n0 0\r\n6 5\r\n",     // fewer pairs than announced
        "d\r\n30 18 48\r\n0\r\n",                   // no rows
        "d\r\n30 18 48\r\n1\r\n0 0\r\n",            // a single row has no layer
        "d\r\n30 18 48\r\n2\r\n0 0\r\n0 5\r\n",     // equal stages
        "d\r\n30 18 48\r\n2\r\n6 0\r\n0 5\r\n",     // falling stages
        "d\r\n30 18 48\r\n40000\r\n0 0\r\n1 1\r\n", // count beyond 16 bits
        "d\r\n30 18 48\r\n2.5\r\n0 0\r\n1 1\r\n",   // count not whole
        "d\r\n30 x 48\r\n2\r\n0 0\r\n1 1\r\n",      // not a number
        "d\r\n1e39 18 48\r\n2\r\n0 0\r\n1 1\r\n",   // beyond a float
        "d\r\n30,,18 48\r\n2\r\n0 0\r\n1 1\r\n",    // empty item
        "d\r\n30 18 48\r\n32764\r\n0 0\r\n1 1\r\n", // table too long for the pond table
    };
    for (const char *text : broken) {
        ChamberDesignData record;
        EXPECT_FALSE(readRecord(text, record)) << text;
    }
}

TEST(ChamberData, LoadsFromDiskAndReportsMissingFiles)
{
    ChamberDesignData record;
    EXPECT_TRUE(LoadChamberData(std::string(CALC_TEST_DATA) + "/worked-rect/RX-160.dat", record));
    EXPECT_EQ(record.NumPoints, 3);
    EXPECT_FALSE(LoadChamberData(std::string(CALC_TEST_DATA) + "/no-such-file.dat", record));
    EXPECT_FALSE(LoadChamberData(CALC_TEST_DATA, record)); // a directory
}

TEST(ChamberData, SelectedTypeMustExistAndRead)
{
    test::TempDir dir;
    CalcEnvironment environment;
    environment.dataDir = dir.path().string();
    CalcInputs inputs;
    ChamberDesignData record;

    inputs.chamberTypeIndex = -1;
    auto failure = loadSelectedChamber(inputs, environment, record);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->field, InputField::ChamberType);
    EXPECT_EQ(failure->message, Messages::SelectChamberType);

    // The message names the first model whichever is selected.
    inputs.chamberTypeIndex = 1;
    failure = loadSelectedChamber(inputs, environment, record);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->field, InputField::None);
    EXPECT_EQ(failure->message, "RX-160 design data file not found.");

    test::writeFile(dir.path() / "RX-300.dat", "");
    failure = loadSelectedChamber(inputs, environment, record);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, "Error reading chamber design data file.");

    test::writeFile(dir.path() / "RX-300.dat", "d\r\n30 18 48\r\n2\r\n0 0\r\n1 1\r\n");
    EXPECT_FALSE(loadSelectedChamber(inputs, environment, record));
}

// Every entry of the chamber-type list has its data file among the shipped ones, and it reads;
// an index beyond the list counts as no selection.
TEST(ChamberData, EveryListedModelShipsAReadableFile)
{
    CalcEnvironment environment;
    environment.dataDir = TESSIVANE_SHIPPED_DATA;
    CalcInputs inputs;
    for (std::size_t i = 0; i < ChamberModels.size(); ++i) {
        inputs.chamberTypeIndex = int(i);
        ChamberDesignData record;
        EXPECT_FALSE(loadSelectedChamber(inputs, environment, record)) << ChamberModels[i].dataFile;
        EXPECT_GE(record.NumPoints, 2) << ChamberModels[i].dataFile;
    }
    inputs.chamberTypeIndex = int(ChamberModels.size());
    ChamberDesignData record;
    const auto failure = loadSelectedChamber(inputs, environment, record);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->field, InputField::ChamberType);
}
