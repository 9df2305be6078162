#include "NumberConversions.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <version>

using numbers::roundTripText;

TEST(NumberConversions, WriteTheLibrarysTexts)
{
    EXPECT_EQ(numbers::scientificText(1.0 / 12.0, 6), "8.333333e-02");
    EXPECT_EQ(numbers::scientificText(3.4028234663852886e38, 6), "3.402823e+38");
    EXPECT_EQ(numbers::scientificText(1e-300, 2), "1.00e-300");
    EXPECT_EQ(numbers::fixedPointText(2.5, 3), "2.500");
    EXPECT_EQ(numbers::fixedPointText(-0.0, 2), "-0.00");
    EXPECT_EQ(numbers::fixedPointText(0.125, 2), "0.12"); // a true half rounds to even
    EXPECT_EQ(numbers::fixedPointText(1e22, 0), "10000000000000000000000");
    EXPECT_EQ(numbers::fixedPointText(std::numeric_limits<double>::max(), 1).size(), 311u);

    EXPECT_EQ(roundTripText(0.1f), "0.1");
    EXPECT_EQ(roundTripText(0.0f), "0");
    EXPECT_EQ(roundTripText(-0.0), "-0");
    EXPECT_EQ(roundTripText(123456792.0f), "123456792"); // plain, the exact whole number
    EXPECT_EQ(roundTripText(1e20f), "1e+20");
    EXPECT_EQ(roundTripText(1e-5f), "1e-05");
    EXPECT_EQ(roundTripText(-1.5e-4f), "-0.00015");
    EXPECT_EQ(roundTripText(std::numeric_limits<float>::denorm_min()), "1e-45");
    EXPECT_EQ(roundTripText(std::numeric_limits<float>::max()), "3.4028235e+38");
    EXPECT_EQ(roundTripText(1.0 / 3.0), "0.3333333333333333");
    EXPECT_EQ(roundTripText(1e-4), "1e-04");
    EXPECT_EQ(roundTripText(1e15), "1e+15");
    EXPECT_EQ(roundTripText(5e-324), "5e-324");
    EXPECT_EQ(roundTripText(std::numeric_limits<double>::max()), "1.7976931348623157e+308");
}

TEST(NumberConversions, ReadOnlyDecimalNumbers)
{
    EXPECT_EQ(numbers::parseDecimal("+12.25"), 12.25);
    EXPECT_EQ(numbers::parseDecimal("5."), 5.0);
    EXPECT_EQ(numbers::parseDecimal("-.5E1"), -5.0);
    EXPECT_EQ(numbers::parseDecimal("2.5e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(numbers::parseDecimal("0.1"), 0.1);
    for (const char *text : {"", ".", "+", "-", "e5", "1e", "1e+", " 1", "1 ", "0x10", "inf",
                             "-inf", "nan", "--1", "1.2.3", "1,5", "1e5.0"})
        EXPECT_FALSE(numbers::parseDecimal(text)) << text;
    EXPECT_FALSE(numbers::parseDecimal(std::string_view("1\0", 2)));

    // Beyond a double: an infinity or a zero, with the text's sign, whatever form it has.
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(numbers::parseDecimal("1e400"), infinity);
    EXPECT_EQ(numbers::parseDecimal("-1e99999999999999999999"), -infinity);
    EXPECT_EQ(numbers::parseDecimal("1" + std::string(400, '0') + "e-10"), infinity);
    EXPECT_EQ(numbers::parseDecimal("1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(*numbers::parseDecimal("-1e-400")));
    EXPECT_EQ(numbers::parseDecimal("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(numbers::parseDecimal("0.0001e-99999999999"), 0.0);

    EXPECT_EQ(numbers::decimalNumberLength("12abc"), 2u);
    EXPECT_EQ(numbers::decimalNumberLength("1e+"), 1u);
    EXPECT_EQ(numbers::decimalNumberLength("-1.5E-3x"), 7u);
    EXPECT_EQ(numbers::decimalNumberLength("-."), 0u);
}

// The program never changes its numeric locale, but a library may: the texts keep their ".".
TEST(NumberConversions, IgnoreTheNumericLocale)
{
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale on this machine";
    const std::string written[] = {roundTripText(2.5), roundTripText(2.5f),
                                   numbers::fixedPointText(2.5, 1),
                                   numbers::scientificText(2.5, 1)};
    const auto read = numbers::parseDecimal("2.5");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(written[0], "2.5");
    EXPECT_EQ(written[1], "2.5");
    EXPECT_EQ(written[2], "2.5");
    EXPECT_EQ(written[3], "2.5e+00");
    EXPECT_EQ(read, 2.5);
}

// Every build's conversions give the texts and values the C++ library gave when this hash was
// recorded; where a build has no such library (WebAssembly) it is the only comparison.
TEST(NumberConversions, AgreeWithTheRecordedLibraryTexts)
{
    std::uint64_t hash = 14695981039346656037u;
    const auto mix = [&hash](const std::string &text) {
        for (const char c : text + '|')
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    };
    const auto mixValue = [&mix](std::optional<double> value) {
        mix(value ? std::to_string(test::bitCast<std::uint64_t>(*value)) : "none");
    };
    for (std::uint64_t bits = 7; bits < (std::uint64_t(1) << 32); bits += 40009) {
        const auto value = test::bitCast<float>(std::uint32_t(bits));
        if (!std::isfinite(value))
            continue;
        const std::string shortest = roundTripText(value);
        const std::string nine = numbers::scientificText(double(value), 8);
        mix(shortest);
        mix(nine);
        mixValue(numbers::parseDecimal(shortest));
        mixValue(numbers::parseDecimal(nine));
        if (std::fabs(value) < 1e12f)
            mix(numbers::fixedPointText(double(value), int(bits % 7)));
    }
    std::uint64_t random = 88172645463325252u; // xorshift: the same doubles everywhere
    for (int i = 0; i < 10000; ++i) {
        random ^= random << 13;
        random ^= random >> 7;
        random ^= random << 17;
        const auto value = test::bitCast<double>(random);
        if (!std::isfinite(value))
            continue;
        const std::string shortest = roundTripText(value);
        mix(shortest);
        mixValue(numbers::parseDecimal(shortest));
    }
    EXPECT_EQ(hash, 610515325299177280u);
}

#if defined(TESSIVANE_NUMBERS_FALLBACK) && defined(__cpp_lib_to_chars)
// This program is built on the C library's conversions; the C++ library's own must agree.
namespace {
template <typename Number, typename... Format> std::string libraryText(Number value, Format... f)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, f...);
    return std::string(buffer, result.ptr);
}

// Random finite values of every magnitude, and short decimals as tables hold them.
template <typename Bits, typename Number> Number randomValue(std::mt19937_64 &random, int i)
{
    if (i % 4 == 0)
        return Number(double(std::int64_t(random() % 20000001) - 10000000) /
                      std::pow(10.0, double(random() % 12)));
    Number value;
    do
        value = test::bitCast<Number>(Bits(random()));
    while (!std::isfinite(value));
    return value;
}
} // namespace

TEST(NumberConversions, ShortestTextsAgreeWithTheLibrary)
{
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 600'000; ++i) {
        const float value = randomValue<std::uint32_t, float>(random, i);
        ASSERT_EQ(roundTripText(value), libraryText(value)) << test::bitCast<std::uint32_t>(value);
        if (i % 8 == 0) {
            ASSERT_EQ(numbers::scientificText(value, 6),
                      libraryText(double(value), std::chars_format::scientific, 6));
        }
    }
    for (int i = 0; i < 150'000; ++i) {
        const double value = randomValue<std::uint64_t, double>(random, i);
        ASSERT_EQ(roundTripText(value), libraryText(value)) << test::bitCast<std::uint64_t>(value);
        const int decimals = int(random() % 8);
        if (std::fabs(value) < 1e30) {
            ASSERT_EQ(numbers::fixedPointText(value, decimals),
                      libraryText(value, std::chars_format::fixed, decimals));
        }
    }
    // Around every power of two the rounding interval is lopsided.
    for (int exponent = -149; exponent < 128; ++exponent) {
        for (int step = -2; step <= 2; ++step) {
            const float power = std::ldexp(1.0f, exponent);
            const float value = test::bitCast<float>(test::bitCast<std::uint32_t>(power) + step);
            if (std::isfinite(value)) {
                ASSERT_EQ(roundTripText(value), libraryText(value)) << value;
            }
        }
    }
}

TEST(NumberConversions, ReadingAgreesWithTheLibrary)
{
    std::mt19937_64 random(20261208);
    const auto digits = [&](int count) {
        std::string text;
        for (int d = 0; d < count; ++d)
            text += char('0' + random() % 10);
        return text;
    };
    for (int i = 0; i < 1'000'000; ++i) {
        std::string text = random() % 3 == 0 ? "-" : "";
        text += digits(int(random() % 25));
        if (random() % 2 == 0)
            text += '.' + digits(int(random() % 25));
        if (random() % 2 == 0)
            text += (random() % 2 ? "e" : "E") + std::string(random() % 2 ? "-" : "") +
                    std::to_string(random() % 340);
        const auto value = numbers::parseDecimal(text);
        double expected = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), expected);
        if (result.ptr != text.data() + text.size() || result.ec == std::errc::invalid_argument) {
            ASSERT_FALSE(value) << text;
            continue;
        }
        ASSERT_TRUE(value) << text;
        if (result.ec == std::errc::result_out_of_range)
            ASSERT_TRUE((*value == 0 || std::isinf(*value)) &&
                        std::signbit(*value) == (text[0] == '-'))
                << text;
        else
            ASSERT_EQ(test::bitCast<std::uint64_t>(*value), test::bitCast<std::uint64_t>(expected))
                << text;
    }
}
#endif
