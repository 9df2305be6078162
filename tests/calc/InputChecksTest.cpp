#include "FileExists.h"
#include "ItemReader.h"
#include "TextParsers.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

TEST(IsIntegerText, AcceptsOptionallySignedDigitsAfterTrimming)
{
    for (const char *text : {"12", "  12  ", "+3", "-2", "0", "007", "99999999999999999999"})
        EXPECT_TRUE(IsIntegerText(text)) << text;
    for (const char *text :
         {"", "   ", "+", "-", "12.0", "1 2", "3+", "+-3", "ten", "1e3", "\t12", "0x10"})
        EXPECT_FALSE(IsIntegerText(text)) << text;
}

TEST(IsNumberText, AcceptsOnlyPlainDecimalNumbers)
{
    for (const char *text : {"6", "-3.5", "+2", ".5", "5.", "100.00", "1e3", "1.5E-02", "-0"})
        EXPECT_TRUE(IsNumberText(text)) << text;
    for (const char *text : {"", ".", "-", "1,000", "2,5", "0x10", "inf", "nan", "6in", "1e", "1e+",
                             " 6", "6 ", "1.2.3", "--1", "e5"})
        EXPECT_FALSE(IsNumberText(text)) << text;
}

TEST(ParseInt16, KeepsToTheSixteenBitRange)
{
    int16_t value = 0;
    ASSERT_EQ(parseInt16(" +32767 ", value), ParseStatus::Ok);
    EXPECT_EQ(value, 32767);
    ASSERT_EQ(parseInt16("-32768", value), ParseStatus::Ok);
    EXPECT_EQ(value, -32768);
    EXPECT_EQ(parseInt16("32768", value), ParseStatus::OutOfRange);
    EXPECT_EQ(parseInt16("-99999999999999999999999", value), ParseStatus::OutOfRange);
    EXPECT_EQ(parseInt16("1.0", value), ParseStatus::NotANumber);
}

TEST(ItemReader, ReadsWholeValuesInAnyNumericFormAsIntegers)
{
    const std::pair<const char *, int> whole[] = {
        {"1.0", 1},    {"0.0E0", 0},          {"3.", 3},          {"-0.0", 0},        {".5e1", 5},
        {"100e-2", 1}, {"+32767.000", 32767}, {"-32768", -32768}, {"3.2768E4", 32768}};
    for (const auto &[text, expected] : whole) {
        ItemReader reader(text);
        int16_t value = -1;
        if (expected > 32767) {
            EXPECT_FALSE(reader.readInt16Item(value)) << text;
            continue;
        }
        ASSERT_TRUE(reader.readInt16Item(value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    // A fraction, however small or however it rounds, is a read failure; so is too big a value.
    for (const char *text : {"1.5", "0.99999999999999999999", "1e-400", "2.000000000001", "-32769",
                             "1e5", "1e99999999999999999999", "0x10", "1.0.0", "inf"}) {
        ItemReader reader(text);
        int16_t value = 0;
        EXPECT_FALSE(reader.readInt16Item(value)) << text;
    }
}

TEST(FileExists, IsTrueForOrdinaryFilesOnly)
{
    test::TempDir dir;
    test::writeFile(dir.path() / "a file.dat", "x");
    std::filesystem::create_directory(dir.path() / "folder");
    EXPECT_TRUE(FileExists(dir.file("a file.dat")));
    EXPECT_FALSE(FileExists(dir.file("folder")));
    EXPECT_FALSE(FileExists(dir.file("missing.dat")));
    EXPECT_FALSE(FileExists(dir.file("a file.dat") + " "));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(std::string("bad\0name", 8)));
}

TEST(ItemReader, SplitsItemsAtCommasBlanksAndLineEnds)
{
    ItemReader reader("a, b ,c d\r\ne\nf\rg\r\nlast line, with commas\r\n");
    std::string_view item;
    for (const char *expected : {"a", "b", "c", "d", "e", "f", "g"}) {
        ASSERT_TRUE(reader.readItem(item));
        EXPECT_EQ(item, expected);
    }
    std::string line;
    ASSERT_TRUE(reader.readLine(line));
    EXPECT_EQ(line, "last line, with commas");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.readLine(line));
    EXPECT_FALSE(reader.readItem(item));
}

TEST(ItemReader, RefusesEmptyItems)
{
    ItemReader reader("1,,2");
    int16_t value = 0;
    ASSERT_TRUE(reader.readInt16Item(value));
    EXPECT_FALSE(reader.readInt16Item(value));
    ItemReader emptyLine("\r\n5");
    EXPECT_FALSE(emptyLine.readInt16Item(value));
}
