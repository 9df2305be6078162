#include "NumberText.h"
#include "TextParsers.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

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

// The short number text reads the float's shortest digits where they are the rounded ones; it
// must agree with seven digits correctly rounded from the exact value for every float.
TEST(ShortNumberText, AgreesWithTheExactlyRoundedDigits)
{
    const auto reference = [](float value) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.6e", std::fabs(double(value)));
        std::string digits = std::string(1, buffer[0]) + std::string(buffer + 2, 6);
        const int exponent = std::atoi(buffer + 9);
        while (digits.size() > 1 && digits.back() == '0')
            digits.pop_back();
        const int count = int(digits.size());
        const std::string sign = value < 0 ? "-" : "";
        if (exponent >= 7 || (exponent < 0 && -exponent - 1 + count > 7)) {
            char expText[16];
            std::snprintf(expText, sizeof expText, "E%c%02d", exponent < 0 ? '-' : '+',
                          std::abs(exponent));
            return sign + digits.substr(0, 1) + (count > 1 ? "." + digits.substr(1) : "") + expText;
        }
        if (exponent < 0)
            return sign + "." + std::string(std::size_t(-exponent - 1), '0') + digits;
        const auto whole = std::size_t(exponent + 1);
        if (digits.size() <= whole)
            return sign + digits + std::string(whole - digits.size(), '0');
        return sign + digits.substr(0, whole) + "." + digits.substr(whole);
    };
    std::mt19937 random(20261208);
    for (int i = 0; i < 100000; ++i) {
        float value = test::bitCast<float>(std::uint32_t(random()));
        if (i % 3 == 0) // short decimals, as tables hold them
            value = float(int(random() % 2000000) - 1000000) / float(1 << (random() % 12));
        if (!std::isfinite(value) || value == 0)
            continue;
        ASSERT_EQ(NumToText(value), reference(value)) << test::bitCast<std::uint32_t>(value);
    }
}

TEST(ParseSingle, RefusesWhatAFloatCannotHold)
{
    float value = 0.0f;
    EXPECT_EQ(parseSingle("1e39", value), ParseStatus::OutOfRange);
    EXPECT_EQ(parseSingle("-1e39", value), ParseStatus::OutOfRange);
    EXPECT_EQ(parseSingle("1e400", value), ParseStatus::OutOfRange);
    ASSERT_EQ(parseSingle("1e-400", value), ParseStatus::Ok);
    EXPECT_EQ(value, 0.0f);
    ASSERT_EQ(parseSingle("3.4e38", value), ParseStatus::Ok);
    ASSERT_EQ(parseSingle("+12.25", value), ParseStatus::Ok);
    EXPECT_EQ(value, 12.25f);
}

// Plain decimal texts take a shortcut past the library's conversion; every value must still be
// the float of the correctly rounded double, as the general path gives it.
TEST(ParseSingle, PlainDecimalsReadAsTheGeneralConversionReadsThem)
{
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 200000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        const int whole = int(random() % 12), fraction = int(random() % 20);
        for (int d = 0; d < whole; ++d)
            text += char('0' + random() % 10);
        if (fraction > 0 || whole == 0) {
            text += '.';
            for (int d = 0; d < std::max(fraction, whole == 0 ? 1 : 0); ++d)
                text += char('0' + random() % 10);
        }
        float value = 0;
        ASSERT_EQ(parseSingle(text, value), ParseStatus::Ok) << text;
        const float expected = static_cast<float>(std::strtod(text.c_str(), nullptr));
        ASSERT_EQ(test::bitCast<std::uint32_t>(value), test::bitCast<std::uint32_t>(expected))
            << text;
    }
}
