#include "CalcCommand.h"
#include "Messages.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
struct Result
{
    int status = -1;
    std::string out;
    std::string err;
};

Result runCalc(std::vector<std::string> args, const std::string &programDir = "/nonexistent")
{
    std::ostringstream out;
    std::ostringstream err;
    std::string error;
    Result result;
    const auto line = CommandLine::parse(args, error);
    if (!line) {
        result.status = CalcCommand::BadProject;
        result.err = error;
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
    const Result result = runCalc({dir.file("p.tvc")}, dataSet("worked-bed"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, withUnixLineEnds(test::readFile(std::string(CALC_GOLDEN_DIR) +
                                                          "/known-bed-area.txt")));
}

TEST(CalcCommand, TableAndSave)
{
    test::TempDir dir;
    const std::string path = dir.file("p.tvc");
    test::writeFile(path, Method1 + "6\r\n6\r\n40\r\n100\r\n1\r\n0\r\n");
    const Result result = runCalc({"--table", "--save", "--data-dir", dataSet("worked-bed"), path});
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
    Result result = runCalc({"--data-dir", dataSet("worked-bed"), path});
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
    Result result = runCalc({"--data-dir", dataSet("worked-bed"), path});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, withUnixLineEnds(Messages::FoundationQuestion) + "\n");

    result = runCalc({"--yes", "--data-dir", dataSet("worked-bed"), path});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("Foundation Depth = 4 inches"), std::string::npos);
}

TEST(CalcCommand, UnreadableProjectIsStatus1WithAReason)
{
    test::TempDir dir;
    test::writeFile(dir.path() / "bad.tvc", "not a project\r\n");
    Result result = runCalc({dir.file("bad.tvc")});
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
        const Result result =
            runCalc({"--data-dir", SHIPPED_DATA_DIR, std::string(EXAMPLES_DIR) + "/" + example});
        EXPECT_EQ(result.status, 0) << example << ": " << result.err;
        EXPECT_NE(result.out.find("[VELDO Equivalent Stage vs Area]"), std::string::npos);
    }
}
