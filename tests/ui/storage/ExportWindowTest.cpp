// The exports for routing programs in the real window: the two File menu items, when they
// can be used, the files they write beside the project, and failures to write.
#include "WindowFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>

using Shown = FakeUserDialogs::Shown;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The two export items' enabled states once the File menu opens.
QList<bool> exportsEnabled(WindowFixture &f)
{
    emit f.window().findChild<QMenu *>(QStringLiteral("mnuFile"))->aboutToShow();
    return {f.action("mnuFile_ExportSwmm")->isEnabled(),
            f.action("mnuFile_ExportStageStorage")->isEnabled()};
}

} // namespace

class ExportWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void itemsAreEnabledWhileAResultIsValid();
    void swmmNodeIsWrittenBesideTheProject();
    void elevationStorageTableIsWritten();
    void failedExportShowsMessageAndLeavesNoFile_data();
    void failedExportShowsMessageAndLeavesNoFile();
};

// Their place after Export Report as PDF is checked with the whole menu in StorageWindowTest.
void ExportWindowTest::itemsAreEnabledWhileAResultIsValid()
{
    WindowFixture f;
    QCOMPARE(exportsEnabled(f), (QList<bool>{false, false}));
    f.fillMethod2Example();
    f.clickCalculate();
    QCOMPARE(exportsEnabled(f), (QList<bool>{true, true}));
    f.type("txtRows", QStringLiteral("3"));
    QCOMPARE(exportsEnabled(f), (QList<bool>{false, false}));
}

// 10 chambers of 0, 10, 20 ft³ at 0, 12, 24 in in 1000 ft² of 40 % stone, 6 in below and
// above: areas 400 ft² in the stone, 460 ft² beside the chambers, each change one step wide.
void ExportWindowTest::swmmNodeIsWrittenBesideTheProject()
{
    WindowFixture f;
    f.fillMethod1Example();
    f.clickCalculate();
    f.dialogs.fileAnswers.enqueue(f.workPath(QStringLiteral("bed.tvc")));
    f.action("mnuFile_SaveAs")->trigger();
    f.dialogs.reset();
    f.action("mnuFile_ExportSwmm")->trigger(); // cancelled: nothing is written
    QCOMPARE(f.dialogs.texts(Shown::ExportDialog), QStringList{f.workPath("bed.inp")});
    QCOMPARE(f.dialogs.texts(Shown::TextQuestion), QStringList{"Bed_A"}); // the node's name
    QCOMPARE(f.dialogs.shown.constLast().title, QStringLiteral("SWMM input files (*.inp) inp"));
    QVERIFY(!QFile::exists(f.workPath("bed.inp")));

    // A name SWMM cannot read is refused and asked again.
    const QString path = f.workPath(QStringLiteral("node.inp"));
    f.dialogs.reset();
    f.dialogs.textAnswers.enqueue(QStringLiteral("two words"));
    f.dialogs.textAnswers.enqueue(QStringLiteral("Lot_A"));
    f.dialogs.fileAnswers.enqueue(path);
    f.action("mnuFile_ExportSwmm")->trigger();
    QCOMPARE(f.dialogs.texts(Shown::TextQuestion), (QStringList{"Bed_A", "two words"}));
    QCOMPARE(f.dialogs.errors(),
             QStringList{"A SWMM node name takes 1 to 64 printable ASCII characters other than "
                         "blanks, \" and ;, and does not begin with \"[\"."});
    const QByteArray text = readFile(path);
    QVERIFY(text.startsWith("[TITLE]\r\n;;Project Title/Notes\r\nBed A\r\n"));
    QVERIFY(text.contains("\r\n[OPTIONS]\r\n;;Option             Value\r\n"
                          "FLOW_UNITS           CFS\r\n"));
    QVERIFY(text.contains("\r\n[STORAGE]\r\n"));
    QVERIFY(text.contains("\r\nLot_A            100        3          0          TABULAR    "
                          "Lot_A_Curve      0        0\r\n\r\n[OUTFALLS]\r\n"));
    QVERIFY(
        text.contains("\r\nLot_A_Overflow   Lot_A            Lot_A_Out        TRANSVERSE   3 "));
    // The bed's plan area first, where SWMM takes the bottom it seeps through.
    QVERIFY(text.contains("Lot_A_Curve      Storage    0          1000\r\n"));
    QVERIFY(text.endsWith("Lot_A_Curve                 0.5        400\r\n"
                          "Lot_A_Curve                 0.50001    460\r\n"
                          "Lot_A_Curve                 1.5        460\r\n"
                          "Lot_A_Curve                 2.49999    460\r\n"
                          "Lot_A_Curve                 2.5        400\r\n"
                          "Lot_A_Curve                 3          400\r\n"));
    // Exporting changes nothing of the document.
    QVERIFY(!f.window().DataChanged());
    QVERIFY(f.window().ResultsValid());
}

void ExportWindowTest::elevationStorageTableIsWritten()
{
    WindowFixture f;
    f.fillMethod1Example(true);
    f.clickCalculate();
    const QString path = f.workPath(QStringLiteral("storage.csv"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older table, replaced whole\n");
    old.close();
    f.dialogs.fileAnswers.enqueue(path);
    f.action("mnuFile_ExportStageStorage")->trigger();
    QVERIFY2(f.dialogs.errors().isEmpty(), qPrintable(f.dialogs.errors().join('|')));
    QCOMPARE(f.dialogs.texts(Shown::ExportDialog), QStringList{QString()}); // no project file
    QCOMPARE(f.dialogs.shown.constFirst().title, QStringLiteral("CSV files (*.csv) csv"));
    QCOMPARE(readFile(path), QByteArray("elevation_ft,storage_cuft,storage_acft\n"
                                        "100,0,0\n"
                                        "100.5,200,0.0045914\n"
                                        "101.5,660,0.0151515\n"
                                        "102.5,1120,0.0257117\n"
                                        "103,1320,0.030303\n"));
    QCOMPARE(QDir(f.workPath(QString())).entryList(QDir::Files | QDir::Hidden),
             QStringList{"storage.csv"}); // no temporary file left beside it
}

void ExportWindowTest::failedExportShowsMessageAndLeavesNoFile_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("directoryInTheWay");
    QTest::addColumn<QString>("message");
    const QString swmm = QStringLiteral("Error exporting the SWMM storage node:");
    const QString table = QStringLiteral("Error exporting the elevation–storage table:");
    const QString pdf = QStringLiteral("Error exporting the report as PDF:");
    QTest::newRow("PDF, missing directory") << "mnuFile_ExportPdf"
                                            << "missing/report.pdf" << false << pdf;
    QTest::newRow("PDF, directory in the way") << "mnuFile_ExportPdf"
                                               << "taken.pdf" << true << pdf;
    QTest::newRow("SWMM, missing directory") << "mnuFile_ExportSwmm"
                                             << "missing/node.inp" << false << swmm;
    QTest::newRow("table, directory in the way") << "mnuFile_ExportStageStorage"
                                                 << "table.csv" << true << table;
}

void ExportWindowTest::failedExportShowsMessageAndLeavesNoFile()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(bool, directoryInTheWay);
    QFETCH(QString, message);
    WindowFixture f;
    f.fillMethod2Example();
    f.clickCalculate();
    const QString path = f.workPath(name);
    if (directoryInTheWay)
        QVERIFY(QDir().mkdir(path));
    f.dialogs.fileAnswers.enqueue(path);
    f.action(qPrintable(item))->trigger();

    QCOMPARE(f.dialogs.errors().size(), 1);
    const QString error = f.dialogs.errors().constFirst();
    QVERIFY2(error.startsWith(message + "\r\n" + path + "\r\n") &&
                 error.size() > message.size() + path.size() + 4,
             qPrintable(error));
    QCOMPARE(f.dialogs.shown.constLast().title, QStringLiteral("Error"));
    QCOMPARE(QFileInfo(path).isDir(), directoryInTheWay);
    QCOMPARE(QDir(f.workPath(QString()))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             directoryInTheWay ? QStringList{name} : QStringList{});
}

QTEST_MAIN(ExportWindowTest)
#include "ExportWindowTest.moc"
