#include "TerminalText.h"
#include "DecimalSeparator.h"

#include <gtest/gtest.h>

TEST(TerminalText, ShowsControlCharactersButKeepsTabsAndLineBreaks)
{
    EXPECT_EQ(escapedForTerminal("\tName = a\x1B]0;t\x07"
                                 "b\x1B[2J\r\x7F\x01\n"),
              "\tName = a^[]0;t^Gb^[[2J^M^?^A\n");
    EXPECT_EQ(escapedForTerminal("csi \xC2\x9B"
                                 "2J nel \xC2\x85 nbsp \xC2\xA0 ft² 雨"),
              "csi \\u009B2J nel \\u0085 nbsp \xC2\xA0 ft² 雨");
    EXPECT_EQ(escapedForTerminal("cut \xC2"), "cut \xC2");
}

TEST(DecimalSeparator, FollowsTheLocaleNamesLanguageAndTerritory)
{
    for (const char *name : {"de_DE.UTF-8", "de", "fr_CA", "pt_BR.UTF-8@x", "nb-NO", "no_NO",
                             "en_ZA", "ru_RU.KOI8-R", "sr_Latn_RS"})
        EXPECT_EQ(decimalSeparatorForLocale(name), ',') << name;
    for (const char *name : {"", "C", "C.UTF-8", "POSIX", "en_US.UTF-8", "de_CH", "es_MX", "ja_JP",
                             "ar_EG", "xx_DE", "uz_Arab_AF"})
        EXPECT_EQ(decimalSeparatorForLocale(name), '.') << name;
}
