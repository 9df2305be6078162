#include "JsonWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(JsonWriter, PrettyPrintsNestedValuesWithTwoSpaceIndents)
{
    JsonWriter json;
    json.beginObject();
    json.key("name").value("bed");
    json.key("rows").beginArray();
    json.beginObject();
    json.key("stage").value(1);
    json.key("ok").value(true);
    json.endObject();
    json.value(false);
    json.endArray();
    json.key("none").beginArray();
    json.endArray();
    json.key("empty").beginObject();
    json.endObject();
    json.key("missing").null();
    json.endObject();
    EXPECT_EQ(json.text(), "{\n"
                           "  \"name\": \"bed\",\n"
                           "  \"rows\": [\n"
                           "    {\n"
                           "      \"stage\": 1,\n"
                           "      \"ok\": true\n"
                           "    },\n"
                           "    false\n"
                           "  ],\n"
                           "  \"none\": [],\n"
                           "  \"empty\": {},\n"
                           "  \"missing\": null\n"
                           "}\n");
}

TEST(JsonWriter, EscapesQuotesBackslashesAndControlCharacters)
{
    EXPECT_EQ(JsonWriter::quoted("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonWriter::quoted("tab\there\nline\r\x01\x1f"),
              "\"tab\\u0009here\\u000Aline\\u000D\\u0001\\u001F\"");
    EXPECT_EQ(JsonWriter::quoted(std::string("nul\0end", 7)), "\"nul\\u0000end\"");
    // Valid UTF-8 passes unchanged, DEL and "/" need no escape.
    EXPECT_EQ(JsonWriter::quoted("Größe 東京 \xF0\x9F\x98\x80 / \x7f"),
              "\"Größe 東京 \xF0\x9F\x98\x80 / \x7f\"");
    // The C1 controls too (CSI, OSC, and what bytes 81 8D 8F 90 9D of a single-byte file
    // become), so that no terminal acts on them; U+00A0 is a character.
    EXPECT_EQ(JsonWriter::quoted("\xC2\x9B"
                                 "2J \xC2\x9D"
                                 "0;t \xC2\x80\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9F \xC2\xA0"),
              "\"\\u009B2J \\u009D0;t \\u0080\\u0081\\u008D\\u008F\\u0090\\u009F \xC2\xA0\"");
}

TEST(JsonWriter, BytesThatAreNotUtf8BecomeReplacementCharacters)
{
    const std::string bad = "\xEF\xBF\xBD";
    // A single-byte é, a sequence cut short, an overlong "/", a surrogate.
    EXPECT_EQ(JsonWriter::quoted("caf\xE9|\xC3|\xC0\xAF|\xED\xA0\x80"),
              "\"caf" + bad + "|" + bad + "|" + bad + bad + "|" + bad + bad + bad + "\"");
}

TEST(JsonWriter, NumbersTakeTheirShortestExactTextAndNullWhenNotFinite)
{
    JsonWriter json;
    json.beginArray();
    json.value(100.0833f);
    json.value(1.0f / 12);
    json.value(1.0 / 12);
    json.value(-0.5);
    json.value(3e38f);
    json.value(1e-7f);
    json.value(std::numeric_limits<float>::infinity());
    json.value(std::nan(""));
    json.value(std::optional<double>());
    json.value(-32768);
    json.endArray();
    EXPECT_EQ(json.text(), "[\n  100.0833,\n  0.083333336,\n  0.08333333333333333,\n  -0.5,\n"
                           "  3e+38,\n  1e-07,\n  null,\n  null,\n  null,\n  -32768\n]\n");
}
