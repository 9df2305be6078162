#include "ProjectFile.h"
#include "Calculator.h"
#include "ClipboardText.h"
#include "InputFields.h"
#include "ProjectFileIO.h"
#include "StorageSummary.h"
#include "StorageSummaryText.h"
#include "TextEncoding.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {
const std::string ResultsFile = std::string(PROJECT_GOLDEN_DIR) + "/rectangular-array-results.tvc";

ProjectDocument calculated(const CalcInputs &inputs, const std::string &dataSet)
{
    ProjectDocument document;
    document.inputs = inputs;
    const CalcOutcome outcome = calculate(inputs, test::environmentFor(dataSet), document.results);
    document.reportText = outcome.report();
    return document;
}

// The document a read gave, into the caller's, for tests that look at it after the read.
Result<void> into(Result<ProjectDocument> read, ProjectDocument &document)
{
    if (!read)
        return read.failure();
    document = std::move(read).value();
    return {};
}

Result<void> read(const std::string &text, ProjectDocument &document)
{
    return into(ReadProjectFile(text), document);
}

Result<void> openFile(const std::string &path, ProjectDocument &document)
{
    return into(openProjectFile(path), document);
}

// A failure the reader words itself, not the window's format message.
bool failsWithItsOwnReason(const Result<void> &read)
{
    return !read.ok() && !isInvalidFormat(read) && !read.reason().empty();
}
} // namespace

TEST(ProjectFile, WritesTheInputsOfTheSelectedMethodOnly)
{
    ProjectDocument document;
    document.inputs = test::knownBedAreaExample();
    document.inputs.rows = "7"; // the other method's inputs are not stored
    document.inputs.bottomAreaValue = 1;
    EXPECT_EQ(WriteProjectFile(document), "TVC_Ver01\r\n1\r\nWorked example\r\n0\r\n10\r\n1000\r\n"
                                          "6\r\n6\r\n40\r\n100\r\n1\r\n0\r\n");
    document.inputs.method = 0;
    EXPECT_EQ(WriteProjectFile(document), "TVC_Ver01\r\n0\r\n0\r\n");
}

TEST(ProjectFile, ResultsFileMatchesItsGoldenBytesAndReadsBackIdentically)
{
    CalcInputs inputs = test::rectangularArrayExample();
    inputs.projectName = "  Lot 7, east bed";
    const ProjectDocument document = calculated(inputs, "worked-rect");
    const std::string bytes = encodeProjectText(WriteProjectFile(document));
    ASSERT_EQ(bytes, test::readFile(ResultsFile));

    ProjectDocument reread;
    ASSERT_TRUE(read(decodeProjectText(bytes), reread).ok());
    EXPECT_EQ(reread.inputs.projectName, "  Lot 7, east bed");
    EXPECT_EQ(reread.inputs.rows, "2");
    EXPECT_EQ(reread.inputs.chamberTypeIndex, 0);
    EXPECT_TRUE(reread.results.ResultsValid);
    // The file holds seven significant digits, so the table reads back as its text.
    EXPECT_EQ(StageAreaClipboardText(reread.results), StageAreaClipboardText(document.results));
    EXPECT_EQ(reread.results.SystemWidth, 7.5f);
    EXPECT_EQ(reread.reportText, document.reportText);
    EXPECT_EQ(encodeProjectText(WriteProjectFile(reread)), bytes);
}

// Every figure of the Storage tab, as text: the table's cells and the lines under it.
std::vector<std::string> storageTexts(const CalcRecord &record)
{
    const StorageSummary summary = summarizeStorage(record);
    std::vector<std::string> texts;
    for (std::size_t row = 0; row < summary.rows.size(); ++row)
        for (const std::string &cell : StorageSummaryText::rowCells(summary, row))
            texts.push_back(cell);
    for (const StorageSummaryText::Line &line : StorageSummaryText::totalLines(summary, ""))
        texts.push_back(line.text);
    return texts;
}

// A reopened project shows the figures of the fresh calculation: both come from the pond
// table as it is written.
TEST(ProjectFile, StorageFiguresAreTheSameAfterSaveAndOpen)
{
    for (CalcInputs inputs :
         {test::shippedKnownBedAreaExample(), test::rectangularArrayExample()}) {
        for (const char *elevation : {"100", "512.5", "5280.25"}) {
            inputs.baseElevation = elevation;
            ResultState state;
            CalcEnvironment shipped;
            shipped.dataDir = TESSIVANE_SHIPPED_DATA;
            const CalcOutcome fresh = calculate(inputs, shipped, state);
            ASSERT_TRUE(fresh.record) << fresh.message;
            ProjectDocument document{inputs, state, fresh.report(), {}};
            const Result<std::string> bytes = projectFileBytes(document);
            ASSERT_TRUE(bytes) << bytes.reason();
            const Result<ProjectDocument> reopened = readProjectBytes(*bytes);
            ASSERT_TRUE(reopened) << reopened.reason();
            const CalcOutcome described = recordOfResult(reopened->inputs, TESSIVANE_SHIPPED_DATA,
                                                         reopened->results, reopened->reportText);
            ASSERT_TRUE(described.record) << described.message;
            EXPECT_EQ(storageTexts(*described.record), storageTexts(*fresh.record))
                << "method " << inputs.method << " at " << elevation;
        }
    }
}

TEST(ProjectFile, SavesAndOpensOnDiskByteIdentically)
{
    test::TempDir dir;
    ProjectDocument document = calculated(test::knownBedAreaExample(), "worked-bed");
    document.inputs.projectName = "Regenrückhaltung 雨水";
    const std::string path = dir.file("bed.tvc");
    ASSERT_TRUE(saveProjectFile(path, document).ok());
    ProjectDocument reread;
    ASSERT_TRUE(openFile(path, reread).ok());
    EXPECT_EQ(reread.inputs.projectName, document.inputs.projectName);
    EXPECT_EQ(reread.reportText, document.reportText);
    const std::string first = test::readFile(path);
    ASSERT_TRUE(saveProjectFile(path, reread).ok());
    EXPECT_EQ(test::readFile(path), first);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no temporary file is left behind";
}

TEST(ProjectFile, SingleByteNameThatLooksLikeUtf8SurvivesOpenAndSave)
{
    test::TempDir dir;
    const std::string path = dir.file("cafe.tvc");
    const std::string bytes = "TVC_Ver01\r\n1\r\nCaf\xC3\xA9\r\n0\r\n1\r\n1\r\n6\r\n6\r\n"
                              "40\r\n0\r\n0\r\n0\r\n";
    test::writeFile(path, bytes);
    ProjectDocument document;
    ASSERT_TRUE(openFile(path, document).ok());
    // Every byte is valid UTF-8, yet without the mark it is the single-byte code page.
    EXPECT_EQ(document.inputs.projectName, "CafÃ©");
    ASSERT_TRUE(saveProjectFile(path, document).ok());
    EXPECT_EQ(test::readFile(path), bytes);
}

TEST(ProjectFile, FailedSaveLeavesThePreviousFileAlone)
{
    test::TempDir dir;
    const std::string path = dir.file("keep.tvc");
    test::writeFile(path, "previous contents");
    ProjectDocument document;
    // A directory where the temporary file would go cannot hold it; nor can a missing folder.
    EXPECT_FALSE(saveProjectFile(dir.file("missing/x.tvc"), document).ok());
    std::filesystem::create_directory(dir.path() / "taken.tvc");
    EXPECT_FALSE(saveProjectFile(dir.file("taken.tvc"), document).ok());
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "taken.tvc"));
    EXPECT_EQ(test::readFile(path), "previous contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(ProjectFile, VersionLineRules)
{
    const std::string rest = "\r\n1\r\nname\r\n-1\r\n\r\n\r\n\r\n\r\n\r\n\r\n0\r\n0\r\n";
    ProjectDocument document;
    EXPECT_TRUE(read("xx TVC_Ver01 trailing" + rest, document).ok());
    EXPECT_EQ(document.inputs.chamberTypeIndex, -1);
    EXPECT_TRUE(failsWithItsOwnReason(read("TVC_Ver03" + rest, document)));
    EXPECT_TRUE(failsWithItsOwnReason(read("TVC_Ver0" + rest, document)));
    const Result<void> lower = read("tvc_ver01" + rest, document);
    EXPECT_TRUE(isInvalidFormat(lower));
    EXPECT_EQ(lower.reason(), "The selected file input format is invalid");
    EXPECT_TRUE(failsWithItsOwnReason(read("", document)));
}

TEST(ProjectFile, RefusesContentItCannotTakeOver)
{
    // A chamber type one past the list's last entry.
    const std::string beyondList = "TVC_Ver01\r\n1\r\nname\r\n" +
                                   std::to_string(ChamberModels.size()) +
                                   "\r\n1\r\n1\r\n6\r\n6\r\n40\r\n0\r\n0\r\n0\r\n";
    const char *broken[] = {
        "TVC_Ver01\r\n0\r\n0\r\n", // no method
        "TVC_Ver01\r\n3\r\n",      // unknown method
        beyondList.c_str(),
        "TVC_Ver01\r\n1\r\nname\r\n0\r\n1\r\n1\r\n6\r\n6\r\n40\r\n0\r\n3\r\n0\r\n", // box 3
        "TVC_Ver01\r\n1\r\nname\r\n0\r\n1\r\n1\r\n6\r\n6\r\n40\r\n0\r\n0\r\n",      // no flag
        "TVC_Ver01\r\n1\r\nname\r\n0\r\n1\r\n1\r\n6\r\n6\r\n40\r\n0\r\n0\r\n1\r\n0\r\n1\r\n2\r\n"
        "3\r\nreport\r\n", // a results flag with no rows
        "TVC_Ver01\r\n1\r\nname\r\n0\r\n1\r\n1\r\n6\r\n6\r\n40\r\n0\r\n0\r\n1\r\n40000\r\n",
        "TVC_Ver01\r\n1\r\nname\r\n0\r\n1\r\n1\r\n6\r\n6\r\n40\r\n0\r\n0\r\n1\r\n2\r\n1 2\r\n",
        "TVC_Ver01\r\n1\r\nname\r\n0\r\n1\r\n1\r\n6\r\n6\r\n40\r\n0\r\n0\r\n1\r\n1\r\n1 2\r\n"
        "3\r\n4\r\n5\r\n", // results without a report line
        "TVC_Ver01\r\n1\r\nname\r\n0\r\n1\r\n1\r\n6\r\n6\r\n40\r\n0\r\n0\r\n1\r\n1\r\n1 inf\r\n"
        "3\r\n4\r\n5\r\nreport\r\n",
        "TVC_Ver01\r\n2\r\nname\r\n0\r\n1\r\n1\r\n6\r\n6\r\n", // cut short
    };
    for (const char *text : broken) {
        ProjectDocument document;
        EXPECT_TRUE(failsWithItsOwnReason(read(text, document))) << text;
    }
}

TEST(ProjectFile, ReadsPairsSplitOverLinesOrByCommas)
{
    const std::string head =
        "TVC_Ver01\r\n1\r\nname\r\n1\r\n1\r\n1\r\n6\r\n6\r\n40\r\n0\r\n0\r\n1\r\n3\r\n";
    ProjectDocument document;
    ASSERT_TRUE(
        read(head + "100\r\n36\r\n100.5,36\r\n101 , 72\r\n0\r\n0\r\n0\r\nr1\r\nr2", document).ok());
    EXPECT_EQ(document.results.EquivStage, (std::vector<float>{100.0f, 100.5f, 101.0f}));
    EXPECT_EQ(document.results.EquivArea, (std::vector<float>{36.0f, 36.0f, 72.0f}));
    EXPECT_EQ(document.reportText, "r1\r\nr2");
    EXPECT_EQ(document.inputs.chamberTypeIndex, 1);
}

TEST(ProjectFile, IntegerItemsMayBeWholeDecimals)
{
    const std::string inputs = "TVC_Ver01\r\n1\r\nname\r\n1.0\r\n1\r\n1\r\n6\r\n6\r\n40\r\n0\r\n";
    ProjectDocument document;
    ASSERT_TRUE(
        read(inputs + "1.0E0\r\n1.\r\n2.0\r\n100 36\r\n101 72\r\n0\r\n0\r\n0\r\nr1", document)
            .ok());
    EXPECT_EQ(document.inputs.chamberTypeIndex, 1);
    EXPECT_EQ(document.inputs.bottomAreaValue, 1);
    EXPECT_TRUE(document.results.ResultsValid);
    EXPECT_EQ(document.results.EquivArea, (std::vector<float>{36.0f, 72.0f}));
    ASSERT_TRUE(read(inputs + "0.0E0\r\n0.0\r\n", document).ok());
    EXPECT_FALSE(document.results.ResultsValid);
    // A fraction is never rounded into a different meaning.
    EXPECT_TRUE(failsWithItsOwnReason(read(inputs + "0.5\r\n0\r\n", document)));
    EXPECT_TRUE(failsWithItsOwnReason(
        read(inputs + "1\r\n1\r\n1.5\r\n100 36\r\n0\r\n0\r\n0\r\nr1", document)));
}

TEST(ProjectFile, FileWithoutResultsReopensWithInputsOnly)
{
    ProjectDocument document;
    document.inputs = test::rectangularArrayExample();
    ProjectDocument reread;
    ASSERT_TRUE(read(WriteProjectFile(document), reread).ok());
    EXPECT_FALSE(reread.results.ResultsValid);
    EXPECT_TRUE(reread.reportText.empty());
    EXPECT_EQ(reread.inputs.perimeterThickness, "12");
    EXPECT_EQ(reread.inputs.baseElevation, "100");
    EXPECT_TRUE(reread.inputs.numChambers.empty());
}

// Links and pipes as POSIX systems have them.
#ifndef _WIN32
TEST(ProjectFile, OpenSaysWhyAPathIsNotAProjectFile)
{
    test::TempDir dir;
    std::filesystem::create_symlink("loop", dir.file("loop"));
    std::vector<std::pair<std::string, const char *>> cases = {
        {dir.file("missing.tvc"), "the file does not exist"},
        {dir.path().string(), "the file is a folder"},
        {dir.file("loop"), "too many levels of symbolic links"},
    };
    // The WebAssembly build's file system makes no pipes.
    if (::mkfifo(dir.file("fifo").c_str(), 0600) == 0)
        cases.push_back({dir.file("fifo"), "the file is not an ordinary file"});
    for (const auto &[path, reason] : cases) {
        ProjectDocument document;
        EXPECT_EQ(openFile(path, document).reason(), reason) << path;
    }
}
#endif

TEST(ProjectFile, NoProjectAtAllGivesTheProgramsLineAndTheFileName)
{
    test::TempDir dir;
    test::writeFile(dir.file("picture.png"), "\x89PNG\r\n");
    EXPECT_EQ(openFailureMessage(openProjectFile(dir.file("picture.png")), "picture.png"),
              std::string(InvalidFormatMessage) + "\r\npicture.png");
}

TEST(ProjectFile, InvalidUtf8AfterTheMarkIsRefusedNamingItsLine)
{
    const std::string bom = "\xEF\xBB\xBF";
    const std::string head = bom + "TVC_Ver01\r\n1\r\n";
    const std::string tail = "\r\n0\r\n10\r\n1000\r\n6\r\n6\r\n40\r\n100\r\n0\r\n0\r\n";
    EXPECT_EQ(readProjectBytes(head + "\xFF\xFE\xC0\xAF\xED\xA0\x80\xE2\x82" + tail).reason(),
              "line 3 is not valid UTF-8");
    EXPECT_EQ(readProjectBytes(head + "ok" + tail + "x\rbad \xC3").reason(),
              "line 14 is not valid UTF-8");
    EXPECT_TRUE(readProjectBytes(head + "雨水 ² 😀" + tail).ok());
    // Without the mark every byte is a character of the single-byte code page.
    EXPECT_TRUE(readProjectBytes(head.substr(3) + "\xFF\xFE\xC0\xAF" + tail).ok());
}

TEST(ProjectFile, InputsLongerThanTheTextBoxesAreRefusedNotCut)
{
    const std::string head = "\xEF\xBB\xBFTVC_Ver01\r\n1\r\n";
    const std::string tail = "\r\n0\r\n10\r\n1000\r\n6\r\n6\r\n40\r\n100\r\n0\r\n0\r\n";
    std::string emoji; // two UTF-16 units each, as the text boxes count
    for (std::size_t i = 0; i < MaxInputLength / 2; ++i)
        emoji += "😀";
    const Result<ProjectDocument> whole = readProjectBytes(head + emoji + "x" + tail);
    ASSERT_TRUE(whole.ok()) << whole.reason();
    EXPECT_EQ(whole->inputs.projectName, emoji + "x");
    EXPECT_EQ(readProjectBytes(head + emoji + "😀" + tail).reason(),
              "line 3: the project name is longer than 32767 characters");
    EXPECT_EQ(readProjectBytes(head + std::string(40000, 'x') + tail).reason(),
              "line 3: the project name is longer than 32767 characters");

    ProjectDocument document = *whole;
    document.inputs.projectName += "y";
    test::TempDir dir;
    EXPECT_EQ(saveProjectFile(dir.file("p.tvc"), document).reason(),
              "the field project name is longer than 32767 characters");
}

TEST(ProjectFile, FieldsWithALineBreakAreFoundBeforeWriting)
{
    struct Case
    {
        std::string CalcInputs::*field;
        const char *text;
        const char *expected; // the field named, or "" for a writable document
    };
    const Case cases[] = {
        {&CalcInputs::projectName, "Bed A\r\n", "project name"},
        {&CalcInputs::projectName, "Bed\nA", "project name"},
        {&CalcInputs::perimeterThickness, "1\r2", "perimeter thickness"},
        {&CalcInputs::baseElevation, "100\n", "base elevation"},
        {&CalcInputs::numChambers, "10\n", ""}, // a method #1 field: not written for #2
        {&CalcInputs::projectName, "Bed A", ""},
    };
    for (const Case &c : cases) {
        ProjectDocument document = calculated(test::rectangularArrayExample(), "worked-rect");
        document.reportText += "\r\nmore lines\r\n"; // the report's own breaks are fine
        document.inputs.*c.field = c.text;
        EXPECT_EQ(FieldWithLineBreak(document), c.expected) << c.text;
        if (*c.expected) {
            // Every save refuses it, so no caller can write a file that does not read back.
            test::TempDir dir;
            const Result<void> saved = saveProjectFile(dir.file("p.tvc"), document);
            EXPECT_FALSE(saved.ok()) << c.text;
            EXPECT_EQ(saved.reason(),
                      std::string("the field ") + c.expected + " holds a line break");
            EXPECT_FALSE(std::filesystem::exists(dir.file("p.tvc")));
            continue;
        }
        ProjectDocument reread;
        EXPECT_TRUE(read(WriteProjectFile(document), reread).ok()) << c.text;
    }
}

TEST(ProjectFile, SavedReportIsRefusedBeyondWhatACalculationWrites)
{
    const auto manyLines = [](std::size_t count, std::size_t length) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text += std::string(length, 'x') + "\r\n";
        return text;
    };
    struct Case
    {
        std::string report;
        bool reads;
    };
    const Case cases[] = {
        {"[User Input]" + std::string(69999, '\n'), true},         // 70000 lines
        {"[User Input]" + std::string(70000, '\n'), false},        // one more
        {manyLines(2047, 1022), true},                             // 2 MiB less a line
        {std::string(2 * 1024 * 1024 - 2, 'x'), false},            // one line of 2 MiB
        {"x\r\n" + std::string(2 * 1024 * 1024, 'x'), false},      // beyond
        {"\t" + std::string(MaxInputLength + 255, 'x'), true},     // an input as typed
        {"x\r\n" + std::string(MaxInputLength + 257, 'x'), false}, // one line of more
    };
    for (const Case &c : cases) {
        ProjectDocument document = calculated(test::rectangularArrayExample(), "worked-rect");
        document.reportText = c.report;
        ProjectDocument reread;
        const Result<void> result = read(WriteProjectFile(document), reread);
        EXPECT_EQ(result.ok(), c.reads) << c.report.size() << " bytes: " << result.reason();
    }
}

// The design target is written only when the user set a setting: version 02 with a block of
// its own; a damaged block fails the read at its line.
TEST(ProjectFile, DesignTargetMakesVersion02AndReadsBack)
{
    ProjectDocument plain = calculated(test::rectangularArrayExample(), "worked-rect");
    const std::string version01 = WriteProjectFile(plain);
    ASSERT_EQ(version01.rfind("TVC_Ver01\r\n", 0), 0u);

    ProjectDocument sized = plain;
    sized.target.requiredStorage = " 4000";
    sized.target.elevation = "103.0";
    sized.target.maxRows = "a=b"; // kept as typed, checked where it is used
    sized.target.infiltrationRate = "Ölfeld";
    const std::string version02 = WriteProjectFile(sized);
    const std::string block = "[Design Target]\r\nRequiredStorage= 4000\r\nBelowElevation=103.0\r\n"
                              "LargestLength=\r\nLargestWidth=\r\nMostRows=a=b\r\n"
                              "MostChambersPerRow=\r\nInfiltrationRate=Ölfeld\r\n"
                              "[End Design Target]\r\n";
    const std::size_t inputsEnd = version01.find("\r\n0\r\n1\r\n") + 5; // bottom area, flag
    EXPECT_EQ(version02, "TVC_Ver02" + version01.substr(9, inputsEnd - 9) + block +
                             version01.substr(inputsEnd));
    ProjectDocument reread;
    ASSERT_TRUE(read(version02, reread).ok());
    EXPECT_EQ(reread.target, sized.target);
    EXPECT_EQ(WriteProjectFile(reread), version02);

    const std::string head = version02.substr(0, version02.find("[Design Target]"));
    const std::pair<std::string, std::string> damaged[] = {
        {"RequiredStorage=1\r\n[End Design Target]\r\n0\r\n", "line 14: \"[Design Target]\""},
        {"[Design Target]\r\nDepth=3\r\n[End Design Target]\r\n0\r\n", "line 15: \"Depth\" is not"},
        {"[Design Target]\r\nMostRows\r\n[End Design Target]\r\n0\r\n",
         "line 15: \"MostRows\" is not"},
        {"[Design Target]\r\nMostRows=1\r\nMostRows=2\r\n[End Design Target]\r\n0\r\n",
         "line 16: the setting \"MostRows\" appears twice"},
        {"[Design Target]\r\nMostRows=1\r\n", "\"[End Design Target]\" is missing"},
    };
    for (const auto &[text, reason] : damaged) {
        const Result<void> result = read(head + text, reread);
        ASSERT_TRUE(failsWithItsOwnReason(result)) << text;
        EXPECT_NE(result.reason().find(reason), std::string::npos) << result.reason();
    }
}
