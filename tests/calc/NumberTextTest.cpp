#include "NumberText.h"

#include <gtest/gtest.h>

#include <limits>

struct ShortTextCase
{
    float value;
    const char *text;
};

void PrintTo(const ShortTextCase &c, std::ostream *os)
{
    *os << c.text;
}

class ShortNumberText : public testing::TestWithParam<ShortTextCase>
{
};

TEST_P(ShortNumberText, MatchesTheReportForm)
{
    EXPECT_EQ(NumToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ShortNumberText,
    testing::Values(ShortTextCase{0.0f, "0"}, ShortTextCase{-0.0f, "0"}, ShortTextCase{36.0f, "36"},
                    ShortTextCase{0.5f, ".5"}, ShortTextCase{-0.5f, "-.5"},
                    ShortTextCase{57.6f, "57.6"}, ShortTextCase{1.0f / 12.0f, "8.333334E-02"},
                    ShortTextCase{static_cast<float>(100.0 + 1.0 / 12.0), "100.0833"},
                    ShortTextCase{static_cast<float>(101.5 + 1.0 / 12.0), "101.5833"},
                    ShortTextCase{static_cast<float>(100.0 + 0.5 / 12.0), "100.0417"},
                    ShortTextCase{0.0625f, ".0625"}, ShortTextCase{0.001f, ".001"},
                    ShortTextCase{1234567.0f, "1234567"}, ShortTextCase{9999999.0f, "9999999"},
                    ShortTextCase{12345678.0f, "1.234568E+07"}, ShortTextCase{10000000.0f, "1E+07"},
                    ShortTextCase{-2.5e20f, "-2.5E+20"}, ShortTextCase{1e-7f, ".0000001"},
                    ShortTextCase{1e-8f, "1E-08"}, ShortTextCase{0.0000001234f, "1.234E-07"},
                    ShortTextCase{0.01234567f, "1.234567E-02"},
                    ShortTextCase{0.0123456f, ".0123456"},
                    ShortTextCase{std::numeric_limits<float>::max(), "3.402823E+38"},
                    ShortTextCase{std::numeric_limits<float>::denorm_min(), "1.401298E-45"},
                    ShortTextCase{1.0f / 3.0f, ".3333333"},
                    ShortTextCase{2.0f / 3.0f, ".6666667"}));

struct TwoDecimalCase
{
    float value;
    char separator;
    const char *text;
};

void PrintTo(const TwoDecimalCase &c, std::ostream *os)
{
    *os << c.text;
}

class TwoDecimal : public testing::TestWithParam<TwoDecimalCase>
{
};

TEST_P(TwoDecimal, HasExactlyTwoDecimals)
{
    EXPECT_EQ(TwoDecimalText(GetParam().value, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, TwoDecimal,
    testing::Values(TwoDecimalCase{5.0f, '.', "5.00"}, TwoDecimalCase{0.0f, '.', "0.00"},
                    TwoDecimalCase{5.0f, ',', "5,00"}, TwoDecimalCase{0.125f, '.', "0.13"},
                    TwoDecimalCase{0.375f, '.', "0.38"}, TwoDecimalCase{2.675f, '.', "2.67"},
                    TwoDecimalCase{9.995f, '.', "9.99"}, TwoDecimalCase{9.996f, '.', "10.00"},
                    TwoDecimalCase{99.999f, '.', "100.00"}, TwoDecimalCase{-1.005f, '.', "-1.00"},
                    TwoDecimalCase{-0.001f, '.', "0.00"}, TwoDecimalCase{-2.5f, '.', "-2.50"},
                    TwoDecimalCase{123456.789f, '.', "123456.79"}));
