#include "CsvStorage.h"
#include "JsonResult.h"
#include "ResultExport.h"

#include "Calculator.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

// A bed that cannot be described (the check is then left out) still gives the pond's own
// figures, with the bed's columns empty in CSV and null in JSON.
TEST(ExportWriters, BedUnknownLeavesTheBedFiguresEmpty)
{
    CalcInputs inputs = test::knownBedAreaExample();
    inputs.bottomAreaValue = 1;
    ResultState result;
    const CalcOutcome outcome = calculate(inputs, test::environmentFor("worked-bed"), result);
    ASSERT_EQ(outcome.status, CalcOutcome::Status::Done);
    ResultExport data;
    data.record = *outcome.record;
    data.storage = summarizeStorage(result, nullptr);

    const std::string csv = csvStorageText(data.storage);
    EXPECT_NE(csv.find("\n100,1000,0,0,,,\n100.0417,400,"), std::string::npos) << csv;
    EXPECT_EQ(csv.substr(csv.size() - 4), ",,,\n");

    const std::string json = jsonResultText(data);
    EXPECT_NE(json.find("\"chambers_cuft\": null,\n"), std::string::npos);
    EXPECT_NE(json.find("\"pondStorage_cuft\": 1320"), std::string::npos) << json;
    EXPECT_NE(json.find("\"bedStorage_cuft\": null,\n"), std::string::npos);
    EXPECT_NE(json.find("\"pondMatchesBed\": false,\n      \"bedKnown\": false\n"),
              std::string::npos);
}
