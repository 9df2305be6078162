// Reads tessivane-calc's JSON back with Qt's own parser, as a script would.
#include "CalcCommand.h"
#include "Calculator.h"
#include "ChamberDataFile.h"
#include "NumberText.h"
#include "ProjectFileIO.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <sstream>

namespace {
struct Run
{
    int status = -1;
    std::string out;
    std::string err;
};

Run runCalc(const std::vector<std::string> &args)
{
    const auto line = CommandLine::parse(args);
    if (!line)
        return {CalcCommand::BadProject, "", line.reason()};
    std::ostringstream out;
    std::ostringstream err;
    Run run;
    run.status = CalcCommand(out, err).run(*line, "/nonexistent");
    run.out = out.str();
    run.err = err.str();
    return run;
}

QJsonObject parsed(const Run &run)
{
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        qWarning("not a JSON object: %s", qPrintable(error.errorString()));
    return document.object();
}

QStringList keysOf(const QJsonValue &value)
{
    QStringList keys = value.toObject().keys();
    keys.sort();
    return keys;
}

QStringList sorted(QStringList keys)
{
    keys.sort();
    return keys;
}

float asFloat(const QJsonValue &value)
{
    return static_cast<float>(value.toDouble());
}

std::string example(const char *name)
{
    return std::string(EXAMPLES_DIR) + "/" + name;
}
} // namespace

class JsonOutputTest : public QObject
{
    Q_OBJECT

private slots:
    void structureAndExactFloats_data();
    void structureAndExactFloats();
    void valuesAgreeWithTheReport();
    void workedExampleStorageByHand();
    void projectNameIsEscaped();
};

void JsonOutputTest::structureAndExactFloats_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("method");
    QTest::newRow("method 2") << "rectangular-array.tvc" << 2;
    QTest::newRow("method 1") << "known-bed-area.tvc" << 1;
}

void JsonOutputTest::structureAndExactFloats()
{
    QFETCH(QString, file);
    QFETCH(int, method);
    const std::string path = example(file.toStdString().c_str());
    const Run run = runCalc({"--format", "json", "--data-dir", SHIPPED_DATA_DIR, path});
    QCOMPARE(run.status, 0);
    QCOMPARE(QString::fromStdString(run.err), QString());
    const QJsonObject json = parsed(run);

    // The calculation again, on its own, for the exact floats the JSON must carry.
    const Result<ProjectDocument> opened = openProjectFile(path);
    QVERIFY(opened.ok());
    const ProjectDocument &document = *opened;
    CalcEnvironment environment;
    environment.dataDir = SHIPPED_DATA_DIR;
    ResultState result;
    QVERIFY(calculate(document.inputs, environment, result).status == CalcOutcome::Status::Done);
    QCOMPARE(document.inputs.method, method);
    const bool rectangular = document.inputs.method == 2;

    QStringList top = {"program", "version", "project",        "method",  "methodName",
                       "inputs",  "chamber", "equivalentPond", "storage", "quantities"};
    if (rectangular)
        top << "system";
    QCOMPARE(keysOf(json), sorted(top));
    QCOMPARE(json["program"].toString(), QStringLiteral("tessivane-calc"));
    QCOMPARE(json["version"].toString(), QStringLiteral("1.0.0"));
    QCOMPARE(json["project"].toString(), QString::fromStdString(document.inputs.projectName));
    QCOMPARE(json["method"].toInt(), document.inputs.method);
    QCOMPARE(json["methodName"].toString(),
             rectangular ? QStringLiteral("rectangular array") : QStringLiteral("known bed area"));
    QStringList inputs = {"chamberType",      "foundationDepth_in", "coverThickness_in",
                          "porosity_percent", "baseElevation_ft",   "bottomArea"};
    inputs << (rectangular ? QStringList{"rows", "chambersPerRow", "internalSpacing_in",
                                         "perimeterThickness_in"}
                           : QStringList{"numChambers", "bedArea_sqft"});
    QCOMPARE(keysOf(json["inputs"]), sorted(inputs));
    QVERIFY(json["inputs"]["bottomArea"].isBool());

    const QJsonArray pond = json["equivalentPond"].toArray();
    QCOMPARE(pond.size(), qsizetype(result.EquivRows));
    const QJsonArray rows = json["storage"]["rows"].toArray();
    QCOMPARE(rows.size(), pond.size());
    for (qsizetype i = 0; i < pond.size(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        QCOMPARE(asFloat(pond[i]["stage_ft"]), result.EquivStage[k]);
        QCOMPARE(asFloat(pond[i]["area_sqft"]), result.EquivArea[k]);
        QCOMPARE(asFloat(rows[i]["stage_ft"]), result.EquivStage[k]);
        QCOMPARE(keysOf(rows[i]),
                 sorted({"stage_ft", "area_sqft", "interval_cuft", "cumulative_cuft",
                         "chambers_cuft", "stoneVoids_cuft", "bedCumulative_cuft"}));
    }

    ChamberDesignData chamber;
    QVERIFY(loadSelectedChamber(document.inputs, environment, chamber) == std::nullopt);
    const QJsonArray table = json["chamber"]["table"].toArray();
    QCOMPARE(table.size(), qsizetype(chamber.Stage.size()));
    for (qsizetype i = 0; i < table.size(); ++i) {
        QCOMPARE(asFloat(table[i]["stage_in"]), chamber.Stage[static_cast<std::size_t>(i)]);
        QCOMPARE(asFloat(table[i]["storage_cuft"]), chamber.Storage[static_cast<std::size_t>(i)]);
    }
    QCOMPARE(asFloat(json["chamber"]["height_in"]), chamber.Height);

    const QJsonObject summary = json["storage"]["summary"].toObject();
    QCOMPARE(summary["bedKnown"].toBool(), true);
    QCOMPARE(summary["pondMatchesBed"].toBool(), true);
    QVERIFY(summary["largestDifference_cuft"].toDouble() <= summary["tolerance_cuft"].toDouble());
    QCOMPARE(summary["pondStorage_cuft"].toDouble(), rows.last()["cumulative_cuft"].toDouble());
}

void JsonOutputTest::valuesAgreeWithTheReport()
{
    const std::string path = example("rectangular-array.tvc");
    const Run report = runCalc({"--data-dir", SHIPPED_DATA_DIR, path});
    const QJsonObject json =
        parsed(runCalc({"--format=json", "--data-dir", SHIPPED_DATA_DIR, path}));
    const QString text = QString::fromStdString(report.out);
    const auto number = [](const QJsonValue &value) {
        return QString::fromStdString(NumToText(asFloat(value)));
    };
    const QJsonObject system = json["system"].toObject();
    QVERIFY2(text.contains("Total System Length = " + number(system["length_ft"]) + " ft"),
             qPrintable(text));
    QVERIFY(text.contains("Total System Width = " + number(system["width_ft"]) + " ft."));
    QVERIFY(text.contains("Total Bottom Area = " + number(system["bottomArea_sqft"]) + " ft²"));
    QVERIFY(
        text.contains("Gravel Porosity = " + number(json["inputs"]["porosity_percent"]) + " %"));
    QString table;
    for (const QJsonValue &row : json["equivalentPond"].toArray())
        table += "\t" + number(row["stage_ft"]) + "\t" + number(row["area_sqft"]) + "\n";
    QVERIFY2(text.endsWith(table), qPrintable(table));
}

// Method #1's worked example: the pond holds 400 × 0.5 + 460 + 460 + 400 / 12 +
// 400 × (0.5 − 1/12) ft³; the bed 200 ft³ of foundation voids, 920 around and in the
// chambers and 200 in the cover.
void JsonOutputTest::workedExampleStorageByHand()
{
    test::TempDir dir;
    test::writeFile(dir.path() / "p.tvc", "TVC_Ver01\r\n1\r\nWorked example\r\n0\r\n10\r\n1000\r\n"
                                          "6\r\n6\r\n40\r\n100\r\n0\r\n0\r\n");
    const QJsonObject json =
        parsed(runCalc({"--format", "json", "--data-dir",
                        std::string(CALC_TEST_DATA) + "/worked-bed", dir.file("p.tvc")}));
    const QJsonObject summary = json["storage"]["summary"].toObject();
    const double pond = 400 * 0.5 + 460 + 460 + 400.0 / 12 + 400 * (0.5 - 1.0 / 12);
    QVERIFY(qAbs(summary["pondStorage_cuft"].toDouble() - pond) < 1e-3);
    QVERIFY(qAbs(summary["bedStorage_cuft"].toDouble() - 1320) < 1e-9);
    QVERIFY(qAbs(summary["chamberStorage_cuft"].toDouble() - 200) < 1e-9);
    QVERIFY(qAbs(summary["stoneStorage_cuft"].toDouble() - 1120) < 1e-9);
    QCOMPARE(summary["pondMatchesBed"].toBool(), true);
}

void JsonOutputTest::projectNameIsEscaped()
{
    const std::string name = "Say \"hi\" \\ to\tGröße 東京";
    test::TempDir dir;
    // UTF-8 as the program writes it, with the byte-order mark.
    test::writeFile(dir.path() / "p.tvc",
                    "\xEF\xBB\xBFTVC_Ver01\r\n1\r\n" + name +
                        "\r\n0\r\n10\r\n1000\r\n6\r\n6\r\n40\r\n100\r\n0\r\n0\r\n");
    const Run run = runCalc({"--format", "json", "--data-dir",
                             std::string(CALC_TEST_DATA) + "/worked-bed", dir.file("p.tvc")});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.find("\"project\": \"Say \\\"hi\\\" \\\\ to\\u0009Größe 東京\",") !=
                 std::string::npos,
             run.out.c_str());
    QCOMPARE(parsed(run)["project"].toString(), QString::fromStdString(name));
}

QTEST_GUILESS_MAIN(JsonOutputTest)
#include "JsonOutputTest.moc"
