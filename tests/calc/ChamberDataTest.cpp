#include "ChamberDataFile.h"
#include "InputFields.h"
#include "Messages.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

TEST(ChamberData, ReadsItemsOnePerLineOrSeveralPerLine)
{
    const Result<ChamberDesignData> oneEach =
        ReadChamberRecord("Model X, arched, 16 in\r\n34\r\n16\r\n85\r\n2\r\n0\r\n0\r\n1\r\n.5\r\n");
    ASSERT_TRUE(oneEach) << oneEach.reason();
    const Result<ChamberDesignData> together =
        ReadChamberRecord("Model X, arched, 16 in\n34, 16, 85\n2\n0, 0\n1 .5 trailing words\n");
    ASSERT_TRUE(together) << together.reason();
    for (const ChamberDesignData *r : {&*oneEach, &*together}) {
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
    const auto three = ReadChamberRecord("d\r\n30 18 48\r\n3.0\r\n0 0\r\n6 5\r\n12 8\r\n");
    ASSERT_TRUE(three) << three.reason();
    EXPECT_EQ(three->NumPoints, 3);
    const auto two = ReadChamberRecord("d\r\n30 18 48\r\n0.2E1\r\n0 0\r\n6 5\r\n");
    ASSERT_TRUE(two) << two.reason();
    EXPECT_EQ(two->Stage, (std::vector<float>{0.0f, 6.0f}));
}

TEST(ChamberData, RefusesBrokenOrUnusableFilesSayingWhy)
{
    const std::pair<const char *, const char *> broken[] = {
        {"", "the file is empty"},
        {"description only\r\n", "the file ends before the width"},
        {"d\r\n30 18 48\r\n3\r\n0 0\r\n6 5\r\n", "the file ends before the stage of row 3"},
        {"d\r\n30 18 48\r\n0\r\n", "number of rows must be a whole number from 2 to 32763"},
        {"d\r\n30 18 48\r\n1\r\n0 0\r\n", "from 2 to 32763, not \"1\""}, // no layer
        {"d\r\n30 18 48\r\n2\r\n0 0\r\n0 5\r\n", "the stages must increase (row 2)"},
        {"d\r\n30 18 48\r\n2\r\n6 0\r\n0 5\r\n", "the stages must increase (row 2)"},
        {"d\r\n30 18 48\r\n40000\r\n0 0\r\n1 1\r\n", "not \"40000\""}, // beyond 16 bits
        {"d\r\n30 18 48\r\n2.5\r\n0 0\r\n1 1\r\n", "not \"2.5\""},     // not whole
        {"d\r\n30 x 48\r\n2\r\n0 0\r\n1 1\r\n", "the height \"x\" is not a number"},
        {"d\r\n1e39 18 48\r\n2\r\n0 0\r\n1 1\r\n", "the width \"1e39\" is too large"},
        {"d\r\n30,,18 48\r\n2\r\n0 0\r\n1 1\r\n", "the height is missing"},
        {"d\r\n30 18 48\r\n2\r\n0 0\r\n1 y\r\n", "the storage of row 2 \"y\" is not"},
        {"d\r\n30 18 48\r\n32764\r\n0 0\r\n1 1\r\n", "not \"32764\""}, // pond table too long
    };
    for (const auto &[text, reason] : broken) {
        const Result<ChamberDesignData> read = ReadChamberRecord(text);
        ASSERT_FALSE(read) << text;
        EXPECT_NE(read.reason().find(reason), std::string::npos) << text << ": " << read.reason();
    }
}

TEST(ChamberData, LoadsFromDiskAndReportsMissingFiles)
{
    const auto loaded = LoadChamberData(std::string(CALC_TEST_DATA) + "/worked-rect/RX-160.dat");
    ASSERT_TRUE(loaded) << loaded.reason();
    EXPECT_EQ(loaded->NumPoints, 3);
    EXPECT_EQ(LoadChamberData(std::string(CALC_TEST_DATA) + "/no-such-file.dat").reason(),
              std::string("cannot open the file: ") + std::strerror(ENOENT));
    EXPECT_FALSE(LoadChamberData(CALC_TEST_DATA)); // a directory

    // A table longer than one read of the file: every row arrives, split where it may be.
    test::TempDir dir;
    std::string text = "long\r\n30 18 48\r\n3000\r\n";
    for (int row = 0; row < 3000; ++row)
        text += std::to_string(row) + ".25, " + std::to_string(row * 2) + ".5\r\n";
    test::writeFile(dir.path() / "long.dat", text);
    const auto table = LoadChamberData(dir.file("long.dat"));
    ASSERT_TRUE(table) << table.reason();
    EXPECT_EQ(table->Stage.back(), 2999.25f);
    EXPECT_EQ(table->Storage.back(), 5998.5f);
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
