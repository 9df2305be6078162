// The generators' own logic: the chamber data reader of the documents, the figures the
// manual derives from the data, and failures that must stop the build with a clear reason.
#include "ChamberModelData.h"
#include "ChamberTablesHtml.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

struct RunResult
{
    int exitCode = -1;
    QString errorOutput;
};

RunResult run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

class GeneratorsTest : public QObject
{
    Q_OBJECT

private slots:
    void readsShippedDataFile();
    void readsItemsSeparatedAnyWay();
    void refusesBrokenDataFile_data();
    void refusesBrokenDataFile();
    void installedStorageMatchesHandCalculation();
    void documentsFailClearly_data();
    void documentsFailClearly();
    void imageGeneratorsFailClearly();
    void documentsWritesPdf();

private:
    QTemporaryDir m_dir;
};

void GeneratorsTest::readsShippedDataFile()
{
    ChamberModelData file;
    QVERIFY2(file.load(QStringLiteral(TESSIVANE_DATA_DIR "/RX-300.dat")),
             qPrintable(file.errorString()));
    QCOMPARE(file.model(), QStringLiteral("RX-300"));
    QCOMPARE(file.width(), 51.0);
    QCOMPARE(file.height(), 30.0);
    QCOMPARE(file.length(), 85.0);
    QCOMPARE(file.rows().size(), 31);
    QCOMPARE(file.rows().constFirst().stage, 0.0);
    QCOMPARE(file.rows().constLast().stage, 30.0);
    QCOMPARE(file.fullStorage(), 48.45);
    QVERIFY(file.description().startsWith(QStringLiteral("RX-300 ")));
}

void GeneratorsTest::readsItemsSeparatedAnyWay()
{
    const QString path =
        writeFile(m_dir, QStringLiteral("X-1.dat"),
                  "Test chamber, with commas, in its name\r\n"
                  "10,8 , 20\n3\n0 0\n4, 1.5\r\n8,2.5 trailing words are ignored\n");
    ChamberModelData file;
    QVERIFY2(file.load(path), qPrintable(file.errorString()));
    QCOMPARE(file.description(), QStringLiteral("Test chamber, with commas, in its name"));
    QCOMPARE(file.length(), 20.0);
    QCOMPARE(file.rows().size(), 3);
    QCOMPARE(file.rows().at(1).storage, 1.5);
    QCOMPARE(file.fullStorage(), 2.5);
}

void GeneratorsTest::refusesBrokenDataFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray() << "the file is empty";
    QTest::newRow("cut short") << QByteArray("d\n10\n8\n20\n3\n0,0\n4,1\n")
                               << "ends before the stage of row 3";
    QTest::newRow("one row") << QByteArray("d\n10\n8\n20\n1\n0,0\n") << "from 2 to 32763";
    QTest::newRow("fractional count")
        << QByteArray("d\n10\n8\n20\n2.5\n0,0\n1,1\n") << "whole number";
    QTest::newRow("equal stages") << QByteArray("d\n10\n8\n20\n2\n0,0\n0,1\n")
                                  << "stages must increase";
    QTest::newRow("storage falls")
        << QByteArray("d\n10\n8\n20\n2\n0,2\n1,1\n") << "storage must not decrease";
    QTest::newRow("not a number") << QByteArray("d\nwide\n8\n20\n2\n0,0\n1,1\n")
                                  << "\"wide\" is not a number";
    QTest::newRow("infinite") << QByteArray("d\n1e999\n8\n20\n2\n0,0\n1,1\n")
                              << "the width \"1e999\" is too large";
}

void GeneratorsTest::refusesBrokenDataFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString path = writeFile(m_dir, QStringLiteral("broken.dat"), content);
    ChamberModelData file;
    QVERIFY(!file.load(path));
    QVERIFY2(file.errorString().contains(reason), qPrintable(file.errorString()));
    QVERIFY(file.errorString().startsWith(path));
}

void GeneratorsTest::installedStorageMatchesHandCalculation()
{
    // RX-160: (34 + 6) x 85 x (16 + 12) / 1728 = 55.093 ft3 of bed per chamber;
    // 16.57 + 0.4 x (55.093 - 16.57) = 31.98 ft3.
    ChamberModelData rx160;
    QVERIFY(rx160.load(QStringLiteral(TESSIVANE_DATA_DIR "/RX-160.dat")));
    QVERIFY(qAbs(ChamberTablesHtml::installedStorage(rx160, 0.4) - 31.979) < 0.002);
    // With no voids only the chamber stores water; with no stone at all, the whole bed.
    QCOMPARE(ChamberTablesHtml::installedStorage(rx160, 0.0), rx160.fullStorage());
    QVERIFY(qAbs(ChamberTablesHtml::installedStorage(rx160, 1.0) - 40.0 * 85 * 28 / 1728) < 1e-9);
}

void GeneratorsTest::documentsFailClearly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString source = writeFile(m_dir, QStringLiteral("doc.html"),
                                     "<html><body><p>{{version}} {{unknown}}</p></body></html>");
    const QString plain =
        writeFile(m_dir, QStringLiteral("plain.html"), "<p>{{chamber-models}}</p>");
    const QString broken = writeFile(m_dir, QStringLiteral("RX-1.dat"), "d\n10\n8\n");
    const QString output = m_dir.filePath(QStringLiteral("out.pdf"));
    QTest::newRow("missing arguments") << QStringList{QStringLiteral("--source"), source}
                                       << "--source, --output and --title are required";
    QTest::newRow("missing source")
        << QStringList{QStringLiteral("--source"), m_dir.filePath(QStringLiteral("none.html")),
                       QStringLiteral("--output"), output,
                       QStringLiteral("--title"),  QStringLiteral("T")}
        << "cannot read";
    QTest::newRow("placeholder without value")
        << QStringList{QStringLiteral("--source"), source,
                       QStringLiteral("--output"), output,
                       QStringLiteral("--title"),  QStringLiteral("T"),
                       QStringLiteral("--set"),    QStringLiteral("version=1.0.0")}
        << "has no value for {{unknown}}";
    QTest::newRow("malformed set") << QStringList{QStringLiteral("--source"), source,
                                                  QStringLiteral("--output"), output,
                                                  QStringLiteral("--title"),  QStringLiteral("T"),
                                                  QStringLiteral("--set"),    QStringLiteral("=x")}
                                   << "--set expects name=value";
    QTest::newRow("broken chamber data")
        << QStringList{QStringLiteral("--source"),       plain,
                       QStringLiteral("--output"),       output,
                       QStringLiteral("--title"),        QStringLiteral("T"),
                       QStringLiteral("--chamber-data"), broken}
        << "ends before the length";
    QTest::newRow("output in a missing directory")
        << QStringList{QStringLiteral("--source"),
                       plain,
                       QStringLiteral("--output"),
                       m_dir.filePath(QStringLiteral("missing/out.pdf")),
                       QStringLiteral("--title"),
                       QStringLiteral("T")}
        << "cannot write";
}

void GeneratorsTest::documentsFailClearly()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const RunResult result = run(QStringLiteral(TESSIVANE_DOCUMENTS_TOOL), arguments);
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errorOutput.contains(message), qPrintable(result.errorOutput));
}

void GeneratorsTest::imageGeneratorsFailClearly()
{
    const QString missingDir = m_dir.filePath(QStringLiteral("missing"));
    RunResult result = run(QStringLiteral(TESSIVANE_HELP_DIAGRAM_TOOL), {missingDir});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errorOutput.contains(QStringLiteral("does not exist")),
             qPrintable(result.errorOutput));

    // A directory where the bitmap should be.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("taken.bmp")));
    result =
        run(QStringLiteral(TESSIVANE_SIGNON_TOOL), {m_dir.filePath(QStringLiteral("taken.bmp"))});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errorOutput.contains(QStringLiteral("cannot write")),
             qPrintable(result.errorOutput));

    result = run(QStringLiteral(TESSIVANE_SIGNON_TOOL), {});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.errorOutput.contains(QStringLiteral("usage")));
}

void GeneratorsTest::documentsWritesPdf()
{
    const QString source = writeFile(m_dir, QStringLiteral("ok.html"),
                                     "<html><body><h1>T</h1>{{chamber-summary}}</body></html>");
    const QString output = m_dir.filePath(QStringLiteral("ok.pdf"));
    const RunResult result =
        run(QStringLiteral(TESSIVANE_DOCUMENTS_TOOL),
            {QStringLiteral("--source"), source, QStringLiteral("--output"), output,
             QStringLiteral("--title"), QStringLiteral("T"), QStringLiteral("--chamber-data"),
             QStringLiteral(TESSIVANE_DATA_DIR "/RX-160.dat")});
    QVERIFY2(result.exitCode == 0, qPrintable(result.errorOutput));
    QFile pdf(output);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
}

QTEST_MAIN(GeneratorsTest)
#include "GeneratorsTest.moc"
