#include "TextEncoding.h"

#include <gtest/gtest.h>

TEST(TextEncoding, WritesTheSingleByteCodePageWhenEverythingFits)
{
    EXPECT_EQ(encodeProjectText("plain"), "plain");
    EXPECT_EQ(encodeProjectText("(ft²) (ft³) café €"), "(ft\xB2) (ft\xB3) caf\xE9 \x80");
}

TEST(TextEncoding, FallsBackToUtf8WithAMarkForOtherScripts)
{
    EXPECT_EQ(encodeProjectText("Überlauf Ω"), "\xEF\xBB\xBF"
                                               "Überlauf Ω");
    EXPECT_EQ(encodeProjectText("雨水"), "\xEF\xBB\xBF"
                                         "雨水");
}

TEST(TextEncoding, OnlyTheMarkMeansUtf8)
{
    // Bytes that also form valid UTF-8 are still the single-byte code page, both ways.
    EXPECT_EQ(decodeProjectText("Caf\xC3\xA9"), "CafÃ©");
    EXPECT_EQ(encodeProjectText("CafÃ©"), "Caf\xC3\xA9");
    EXPECT_EQ(decodeProjectText("\xE9\x9B\xA8 ft\xB2"), "é›¨ ft²");
    for (const char *text : {"Ã©", "雨水", "Überlauf Ω", "€‚ƒ", "a\x1B[2Jb"})
        EXPECT_EQ(decodeProjectText(encodeProjectText(text)), text) << text;
}

TEST(TextEncoding, ReadsEitherForm)
{
    EXPECT_EQ(decodeProjectText("(ft\xB2) caf\xE9 \x80 \x81"), "(ft²) café € \xC2\x81");
    EXPECT_EQ(decodeProjectText("\xEF\xBB\xBF"
                                "雨水"),
              "雨水");
    EXPECT_EQ(decodeProjectText(""), "");
}

TEST(TextEncoding, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(encodeProjectText(decodeProjectText(all)), all);
}

TEST(TextEncoding, RecognisesMalformedUtf8)
{
    EXPECT_TRUE(isValidUtf8("ascii ² ünï 雨 😀"));
    for (const char *bad :
         {"\xB2", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF8\x88\x80\x80\x80", "\xE2\x82"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
}
