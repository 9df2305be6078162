#include "CommandLine.h"

#include <gtest/gtest.h>

namespace {
struct ParseCase
{
    const char *name;
    std::vector<std::string> args;
    std::optional<ExportKind> format; // nothing: a usage error
    const char *errorPart = "";
};

void PrintTo(const ParseCase &c, std::ostream *os)
{
    *os << c.name;
}

class CommandLineFormat : public testing::TestWithParam<ParseCase>
{
};
} // namespace

TEST_P(CommandLineFormat, Parses)
{
    const ParseCase &c = GetParam();
    const auto line = CommandLine::parse(c.args);
    if (c.format) {
        ASSERT_TRUE(line) << line.reason();
        EXPECT_EQ(line->format, *c.format);
        EXPECT_EQ(line->projectPath, "p.tvc");
    } else {
        EXPECT_FALSE(line);
        EXPECT_NE(line.reason().find(c.errorPart), std::string::npos) << line.reason();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineFormat,
    testing::Values(
        ParseCase{"Default", {"p.tvc"}, ExportKind::Report},
        ParseCase{"Json", {"--format", "json", "p.tvc"}, ExportKind::Json},
        ParseCase{"CsvAfterFile", {"p.tvc", "--format", "csv"}, ExportKind::StorageCsv},
        ParseCase{"EqualsForm", {"--format=json", "p.tvc"}, ExportKind::Json},
        ParseCase{"LastWins", {"--format=csv", "--format", "report", "p.tvc"}, ExportKind::Report},
        ParseCase{
            "TableWithReport", {"--table", "--format", "report", "p.tvc"}, ExportKind::Report},
        ParseCase{
            "TableWithJson", {"--table", "--format", "json", "p.tvc"}, std::nullopt, "--table"},
        ParseCase{"Swmm", {"--format", "swmm", "p.tvc"}, ExportKind::SwmmStorageNode},
        ParseCase{
            "StageStorage", {"--format=stage-storage", "p.tvc"}, ExportKind::ElevationStorageTable},
        ParseCase{"SwmmWithTable", {"--table", "--format=swmm", "p.tvc"}, std::nullopt, "--table"},
        ParseCase{"CsvWithTable", {"--format=csv", "p.tvc", "--table"}, std::nullopt, "--table"},
        ParseCase{"Unknown",
                  {"--format", "xml", "p.tvc"},
                  std::nullopt,
                  "unknown format \"xml\" (use one of report, json, csv, swmm, stage-storage)"},
        ParseCase{"CaseMatters", {"--format=JSON", "p.tvc"}, std::nullopt, "report, json, csv"},
        ParseCase{"EmptyValue", {"--format=", "p.tvc"}, std::nullopt, "unknown format \"\""},
        ParseCase{"MissingValue",
                  {"p.tvc", "--format"},
                  std::nullopt,
                  "--format needs one of report, json, csv"},
        ParseCase{"OptionAsValue",
                  {"--format", "--table", "p.tvc"},
                  std::nullopt,
                  "unknown format \"--table\""},
        ParseCase{"SwmmNodeChoices",
                  {"--format=swmm", "--node-name", "Lot_3", "--infiltration-rate=0.5", "p.tvc"},
                  ExportKind::SwmmStorageNode},
        ParseCase{"RateNotANumber",
                  {"--format=swmm", "--infiltration-rate", "fast", "p.tvc"},
                  std::nullopt,
                  "--infiltration-rate: The infiltration rate must be a positive number of inches "
                  "per hour. (not \"fast\")"},
        ParseCase{"RateZero",
                  {"--format=swmm", "--infiltration-rate=0", "p.tvc"},
                  std::nullopt,
                  "not \"0\""},
        ParseCase{"RateMissing",
                  {"--format=swmm", "p.tvc", "--infiltration-rate"},
                  std::nullopt,
                  "--infiltration-rate needs a value"},
        ParseCase{"NodeNameWithBlank",
                  {"--format=swmm", "--node-name", "Lot 3", "p.tvc"},
                  std::nullopt,
                  "--node-name: A SWMM node name takes 1 to 64 printable ASCII characters"},
        ParseCase{"NodeChoicesNeedSwmm",
                  {"--node-name=Bed", "p.tvc"},
                  std::nullopt,
                  "--node-name names the SWMM storage node and needs --format swmm"}),
    [](const testing::TestParamInfo<ParseCase> &caseInfo) { return caseInfo.param.name; });
