#include "CalcCommand.h"
#include "LineBreaks.h"
#include "Messages.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
struct CalcRun
{
    int status = -1;
    std::string out;
    std::string err;
};

CalcRun runCalc(std::vector<std::string> args, const std::string &programDir = "/nonexistent")
{
    std::ostringstream out;
    std::ostringstream err;
    CalcRun result;
    const auto line = CommandLine::parse(args);
    if (!line) {
        result.status = CalcCommand::BadProject;
        result.err = line.reason();
        return result;
    }
    result.status = CalcCommand(out, err).run(*line, programDir);
    result.out = out.str();
    result.err = err.str();
    return result;
}

std::string dataSet(const std::string &name)
{
    return std::string(CALC_TEST_DATA) + "/" + name;
}

const std::string Method1 = "TVC_Ver01\r\n1\r\nWorked example\r\n0\r\n10\r\n1000\r\n";
} // namespace

TEST(CalcCommand, PrintsTheReportWithUnixLineEnds)
{
    test::TempDir dir;
    test::writeFile(dir.path() / "p.tvc", Method1 + "6\r\n6\r\n40\r\n100\r\n0\r\n0\r\n");
    const CalcRun result = runCalc({dir.file("p.tvc")}, dataSet("worked-bed"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              withLineFeeds(test::readFile(std::string(CALC_GOLDEN_DIR) + "/known-bed-area.txt")));
}

TEST(CalcCommand, TableAndSave)
{
    test::TempDir dir;
    const std::string path = dir.file("p.tvc");
    test::writeFile(path, Method1 + "6\r\n6\r\n40\r\n100\r\n1\r\n0\r\n");
    const CalcRun result =
        runCalc({"--table", "--save", "--data-dir", dataSet("worked-bed"), path});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "100\t1000\n100.0417\t400\n100.5\t400\n101.5\t460\n102.5\t460\n"
                          "102.5833\t400\n103\t400\n");
    const std::string saved = test::readFile(path);
    EXPECT_NE(saved.find("\r\n1\r\n7\r\n100 1000\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[VELDO Equivalent Stage vs Area]\r\n"), std::string::npos);
}

TEST(CalcCommand, RefusalGoesToStandardErrorWithStatus2)
{
    test::TempDir dir;
    const std::string path = dir.file("p.tvc");
    test::writeFile(path, Method1 + "6\r\n6\r\n101\r\n100\r\n0\r\n0\r\n");
    CalcRun result = runCalc({"--data-dir", dataSet("worked-bed"), path});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, std::string(Messages::PorosityRange) + "\n");

    // The shipped data files are not where this program's directory points.
    result = runCalc({path}, dir.path().string());
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "RX-160 design data file not found.\n");
}

TEST(CalcCommand, QuestionStopsWithStatus3UnlessYes)
{
    test::TempDir dir;
    const std::string path = dir.file("p.tvc");
    test::writeFile(path, Method1 + "4\r\n6\r\n40\r\n100\r\n0\r\n0\r\n");
    CalcRun result = runCalc({"--data-dir", dataSet("worked-bed"), path});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, withLineFeeds(Messages::FoundationQuestion) + "\n");

    result = runCalc({"--yes", "--data-dir", dataSet("worked-bed"), path});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("Foundation Depth = 4 inches"), std::string::npos);
}

TEST(CalcCommand, UnreadableProjectIsStatus1WithAReason)
{
    test::TempDir dir;
    test::writeFile(dir.path() / "bad.tvc", "not a project\r\n");
    CalcRun result = runCalc({dir.file("bad.tvc")});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("The selected file input format is invalid"), std::string::npos);
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line";

    result = runCalc({dir.file("missing.tvc")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(runCalc({}).status, 1);
    EXPECT_EQ(runCalc({"--bogus", "x.tvc"}).status, 1);
    EXPECT_EQ(runCalc({"a.tvc", "b.tvc"}).status, 1);
}

TEST(CalcCommand, ShippedDataFilesCalculateTheExamples)
{
    for (const char *example :
         {"rectangular-array.tvc", "known-bed-area.tvc", "with-results.tvc"}) {
        const CalcRun result =
            runCalc({"--data-dir", SHIPPED_DATA_DIR, std::string(EXAMPLES_DIR) + "/" + example});
        EXPECT_EQ(result.status, 0) << example << ": " << result.err;
        EXPECT_NE(result.out.find("[VELDO Equivalent Stage vs Area]"), std::string::npos);
    }
}

namespace {
std::string example(const char *name)
{
    return std::string(EXAMPLES_DIR) + "/" + name;
}

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}
} // namespace

// Regenerate after an intended change with:
//   build/app/tessivane-calc --format json --data-dir data examples/rectangular-array.tvc
//     > tests/cli/golden/rectangular-array.json
TEST(CalcCommandFormats, JsonOfTheRectangularArrayExampleMatchesTheGolden)
{
    const CalcRun result = runCalc(
        {"--format", "json", "--data-dir", SHIPPED_DATA_DIR, example("rectangular-array.tvc")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, test::readFile(std::string(CLI_GOLDEN_DIR) + "/rectangular-array.json"));
}

TEST(CalcCommandFormats, CsvHasTheHeaderAndOneLinePerPondRow)
{
    test::TempDir dir;
    test::writeFile(dir.path() / "p.tvc", Method1 + "6\r\n6\r\n40\r\n100\r\n1\r\n0\r\n");
    const CalcRun result =
        runCalc({"--format", "csv", "--data-dir", dataSet("worked-bed"), dir.file("p.tvc")});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> csv = lines(result.out);
    ASSERT_EQ(csv.size(), 1u + 7u) << result.out; // the worked example's 7 pond rows
    EXPECT_EQ(csv[0], "stage_ft,area_sqft,interval_cuft,cumulative_cuft,chambers_cuft,"
                      "stoneVoids_cuft,bedCumulative_cuft");
    EXPECT_EQ(csv[1], "100,1000,0,0,0,0,0");
    EXPECT_EQ(csv[3].rfind("100.5,400,", 0), 0u) << csv[3];
    for (const std::string &line : csv)
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 6) << line;
    EXPECT_EQ(result.out.back(), '\n');
    EXPECT_EQ(result.out.find('\r'), std::string::npos);
}

namespace {
// A locale that writes numbers the German way, to show that no stream formatting is used.
struct CommaDecimals : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};
} // namespace

TEST(CalcCommandFormats, NumberTextsIgnoreTheLocale)
{
    test::TempDir dir;
    test::writeFile(dir.path() / "p.tvc", Method1 + "6\r\n6\r\n40\r\n100\r\n0\r\n0\r\n");
    const std::locale commas(std::locale::classic(), new CommaDecimals);
    const std::locale previous = std::locale::global(commas);
    for (const char *format : {"csv", "json", "stage-storage"}) {
        std::ostringstream out;
        std::ostringstream err;
        out.imbue(commas);
        const auto line = CommandLine::parse(
            {"--format", format, "--data-dir", dataSet("worked-bed"), dir.file("p.tvc")});
        ASSERT_TRUE(line) << line.reason();
        EXPECT_EQ(CalcCommand(out, err).run(*line, "/nonexistent"), 0) << err.str();
        EXPECT_NE(out.str().find("1320"), std::string::npos) << format;
        EXPECT_NE(out.str().find("100.5"), std::string::npos) << format;
        EXPECT_EQ(out.str().find("1.320"), std::string::npos) << format;
        EXPECT_EQ(out.str().find("100,5"), std::string::npos) << format;
    }
    std::locale::global(previous);
}

TEST(CalcCommandFormats, FailuresLeaveStandardOutputEmpty)
{
    test::TempDir dir;
    const std::string path = dir.file("p.tvc");
    test::writeFile(path, Method1 + "6\r\n6\r\n101\r\n100\r\n0\r\n0\r\n");
    CalcRun result = runCalc({"--format", "json", "--data-dir", dataSet("worked-bed"), path});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, std::string(Messages::PorosityRange) + "\n");

    result = runCalc({"--format", "csv", dir.file("missing.tvc")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");

    // A usage error through the real argument list: the reason, then the usage text.
    std::ostringstream out;
    std::ostringstream err;
    std::vector<std::string> args = {"tessivane-calc", "--table", "--format", "json", path};
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    EXPECT_EQ(CalcCommand(out, err).run(static_cast<int>(argv.size()), argv.data()), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str().rfind("tessivane-calc: --table ", 0), 0u) << err.str();
    EXPECT_NE(err.str().find("Usage: tessivane-calc"), std::string::npos);

    // Standard output that cannot be written (a full disk) fails the run.
    test::writeFile(path, Method1 + "6\r\n6\r\n40\r\n100\r\n0\r\n0\r\n");
    std::ostream unwritable(nullptr);
    std::ostringstream reason;
    const auto line =
        CommandLine::parse({"--format=csv", "--data-dir", dataSet("worked-bed"), path});
    ASSERT_TRUE(line) << line.reason();
    EXPECT_EQ(CalcCommand(unwritable, reason).run(*line, "/nonexistent"), 1);
    EXPECT_EQ(reason.str(), "tessivane-calc: could not write to standard output\n");
}

TEST(CalcCommandSave, ReadOnlyProjectIsRefusedWithOneLineAndLeftAlone)
{
    test::TempDir dir;
    const std::string path = dir.file("p.tvc");
    const std::string before = Method1 + "6\r\n6\r\n40\r\n100\r\n0\r\n0\r\n";
    test::writeFile(path, before);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    const CalcRun result = runCalc({"--save", "--data-dir", dataSet("worked-bed"), path});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              "tessivane-calc: Error saving file: " + path + ": the file is read-only\n");
    EXPECT_EQ(test::readFile(path), before);
}

TEST(CalcCommandSave, NothingIsSavedOrReportedDoneWhenTheOutputCannotBeWritten)
{
    test::TempDir dir;
    const std::string path = dir.file("p.tvc");
    const std::string before = Method1 + "6\r\n6\r\n40\r\n100\r\n0\r\n0\r\n";
    test::writeFile(path, before);
    const std::string reason = "tessivane-calc: could not write to standard output\n";
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"--save", "--data-dir", dataSet("worked-bed"), path},
          {"--save", "--table", "--data-dir", dataSet("worked-bed"), path},
          {"--help"},
          {"--version"}}) {
        std::ostream unwritable(nullptr);
        std::ostringstream err;
        const auto line = CommandLine::parse(args);
        ASSERT_TRUE(line) << line.reason();
        EXPECT_EQ(CalcCommand(unwritable, err).run(*line, "/nonexistent"), 1) << args[0];
        EXPECT_EQ(err.str(), reason);
    }
    EXPECT_EQ(test::readFile(path), before);
}

// Regenerate after an intended change with:
//   build/app/tessivane-calc --format swmm --data-dir data examples/rectangular-array.tvc
//     > tests/cli/golden/rectangular-array.inp
// Last changed when the file became a model SWMM runs as it stands (an overflow weir at the
// top of the bed to a free outfall), the curve began with the bed's plan area (SWMM's
// seepage bottom) and names longer than 16 characters took a hash of the project name.
// The same for --format stage-storage and rectangular-array-storage.csv. The browser page's
// downloads are held to these files too.
TEST(CalcCommandFormats, RoutingExportsOfTheRectangularArrayExampleMatchTheGoldens)
{
    for (const auto &[format, golden] : {std::pair{"swmm", "rectangular-array.inp"},
                                         {"stage-storage", "rectangular-array-storage.csv"}}) {
        const CalcRun result = runCalc(
            {"--format", format, "--data-dir", SHIPPED_DATA_DIR, example("rectangular-array.tvc")});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.out, test::readFile(std::string(CLI_GOLDEN_DIR) + "/" + golden));
    }
}

TEST(CalcCommandFormats, TheDesignerNamesTheNodeAndGivesItsSeepageRate)
{
    const CalcRun result =
        runCalc({"--format", "swmm", "--node-name", "Lot3_Bed", "--infiltration-rate", "1.5",
                 "--data-dir", SHIPPED_DATA_DIR, example("known-bed-area.tvc")});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("\r\nLot3_Bed         512.5      4.25       0          TABULAR    "
                              "Lot3_Bed_Curve   0        0        1.5\r\n"),
              std::string::npos)
        << result.out;
    const CalcRun refused =
        runCalc({"--format", "swmm", "--infiltration-rate", "-1", example("known-bed-area.tvc")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
}

TEST(CalcCommandFormats, StageStorageRunsFromTheBaseToTheTopOfTheBed)
{
    test::TempDir dir;
    test::writeFile(dir.path() / "p.tvc", Method1 + "6\r\n6\r\n40\r\n100\r\n1\r\n0\r\n");
    const CalcRun result = runCalc(
        {"--format", "stage-storage", "--data-dir", dataSet("worked-bed"), dir.file("p.tvc")});
    ASSERT_EQ(result.status, 0) << result.err;
    // The bed's breaks: base, top of the foundation, the chamber table's rows, top of cover.
    EXPECT_EQ(lines(result.out),
              (std::vector<std::string>{"elevation_ft,storage_cuft,storage_acft", "100,0,0",
                                        "100.5,200,0.0045914", "101.5,660,0.0151515",
                                        "102.5,1120,0.0257117", "103,1320,0.030303"}));
}

TEST(CalcCommandFormats, AChamberTableWhoseStorageFallsGivesNoSwmmCurve)
{
    test::TempDir dir;
    test::writeFile(dir.path() / "RX-160.dat",
                    "Falling\r\n30\r\n24\r\n48\r\n3\r\n0, 0\r\n12, 10\r\n24, 0\r\n");
    test::writeFile(dir.path() / "p.tvc", Method1 + "6\r\n6\r\n5\r\n100\r\n0\r\n0\r\n");
    const CalcRun result =
        runCalc({"--format", "swmm", "--data-dir", dir.path().string(), dir.file("p.tvc")});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("tessivane-calc: The bed's storage falls between depths ", 0), 0u)
        << result.err;
    const CalcRun table = runCalc(
        {"--format", "stage-storage", "--data-dir", dir.path().string(), dir.file("p.tvc")});
    EXPECT_EQ(table.status, 2);
    EXPECT_EQ(table.out, "");
    EXPECT_EQ(table.err, result.err);
}

// The worked array's other inputs, sized for a target: the table, JSON and CSV, exit 2 with
// the reason when nothing within the limits fits, and --save keeping the settings.
TEST(CalcCommand, SizesTheBedForATargetInOneStep)
{
    test::TempDir dir;
    const std::string path = dir.file("p.tvc");
    test::writeFile(path, "TVC_Ver01\r\n2\r\nWorked example\r\n0\r\n\r\n\r\n6\r\n6\r\n6\r\n12\r\n"
                          "40\r\n100\r\n0\r\n0\r\n");
    const std::string data = dataSet("worked-rect");
    CalcRun run = runCalc({"--size", "50", "--below=101", "--max-rows", "2", path}, data);
    EXPECT_EQ(run.status, 0) << run.err;
    // By hand: one row of 5 (20 x 4.5 ft) holds 5 x 5 + 0.4 x (90 x 1 - 25) = 51 ft³ below
    // 101 ft; two rows of 3 (12 x 7.5 ft) 6 x 5 + 0.4 x (90 - 30) = 54 ft³.
    EXPECT_EQ(run.out, "2 layouts hold 50 cu ft below 101 ft, fewest chambers first:\n"
                       "Rows  Chambers per row  Chambers  Length (ft)  Width (ft)  Plan area (sq "
                       "ft)  Storage (cu ft)  Surplus (%)\n"
                       "   1                 5         5        20.00        4.50              "
                       "90.00           51.000          2.0\n"
                       "   2                 3         6        12.00        7.50              "
                       "90.00           54.000          8.0\n");
    run = runCalc({"--size", "50", "--below", "101", "--max-rows", "2", "--format", "csv", path},
                  data);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n', 100)),
              "rows,chambersPerRow,chambers,length_ft,width_ft,planArea_sqft,storage_cuft,"
              "surplus_percent\n1,5,5,20,4.5,90,51,2");
    run = runCalc({"--size", "50", "--below", "101", "--format", "json", path}, data);
    EXPECT_NE(run.out.find("\"requiredStorage_cuft\": 50,\n    \"elevation_ft\": 101,"),
              std::string::npos);

    run =
        runCalc({"--size", "60", "--below", "101", "--max-rows=2", "--max-per-row=3", path}, data);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "No layout within the limits holds 60 cu ft below 101 ft: the most any "
                       "allowed layout holds is 54.000 cu ft.\n");

    run = runCalc({"--size", "lots", path}, data);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "--size: The required storage must be a positive number of cubic feet. "
                       "(not \"lots\")");
    EXPECT_EQ(runCalc({"--max-rows", "2", path}, data).status, 1);

    // The settings on the command line are saved with the project, as version 02.
    test::writeFile(path, "TVC_Ver01\r\n2\r\nWorked example\r\n0\r\n2\r\n3\r\n6\r\n6\r\n6\r\n12\r\n"
                          "40\r\n100\r\n0\r\n0\r\n");
    run = runCalc({"--below", "101", "--infiltration-rate", "1", "--save", path}, data);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\nStorage below 101 ft: 54.000 cu ft (0.0012 acre-ft), 53.6 % of the "
                           "bed's storage\nTime to drain the full bed at 1 in/hr: 13.4 hours\n"
                           "Time to drain the storage below 101 ft: 7.2 hours\n"),
              std::string::npos)
        << run.out;
    const std::string saved = test::readFile(path);
    EXPECT_EQ(saved.rfind("TVC_Ver02\r\n", 0), 0u);
    EXPECT_NE(saved.find("BelowElevation=101\r\n"), std::string::npos);
    // The saved rate is the SWMM node's seepage rate.
    run = runCalc({"--format", "swmm", path}, data);
    EXPECT_NE(run.out.find("Ksat"), std::string::npos) << run.out;
}
