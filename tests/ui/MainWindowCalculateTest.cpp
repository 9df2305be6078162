// Calculate through the window: the validation order with tab and focus, method #1's
// questions, both worked examples on the Output tab, edits discarding the result, and the
// Edit menu's states and clipboard texts.
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMimeData>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace {

const QString Method1Table = QStringLiteral("100\t400\r\n100.5\t400\r\n101.5\t460\r\n"
                                            "102.5\t460\r\n102.5833\t400\r\n103\t400\r\n");
const QString Method2Table = QStringLiteral("100\t36\r\n100.5\t36\r\n101\t72\r\n101.5\t57.6\r\n"
                                            "101.5833\t36\r\n102\t36\r\n");

} // namespace

class MainWindowCalculateTest : public QObject
{
    Q_OBJECT

private slots:
    void refusalSelectsInputTabAndFocusesField_data();
    void refusalSelectsInputTabAndFocusesField();
    void missingChamberFileKeepsTabAndFocus();
    void method1Questions_data();
    void method1Questions();
    void noAnswerKeepsThePreviousResult();
    void workedExamples_data();
    void workedExamples();
    void everyEditDiscardsTheResult_data();
    void everyEditDiscardsTheResult();
    void editMenuStates();
    void copyReplacesClipboardContents();
    void copyWithoutResultLeavesClipboard();
};

void MainWindowCalculateTest::refusalSelectsInputTabAndFocusesField_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("message");

    QTest::newRow("#1 no chamber type") << 1 << "cmb" << QString() << "cmbChamberType"
                                        << "Select a chamber type.";
    QTest::newRow("#1 chambers not integer") << 1 << "txtNumChambers"
                                             << "2.5"
                                             << "txtNumChambers"
                                             << "The specified value is not an integer.";
    QTest::newRow("#1 chambers zero") << 1 << "txtNumChambers"
                                      << "0"
                                      << "txtNumChambers"
                                      << "The number of chambers must be greater than zero.";
    QTest::newRow("#1 bed area empty") << 1 << "txtBedArea"
                                       << ""
                                       << "txtBedArea"
                                       << "Specify the area of the bed.";
    QTest::newRow("#1 porosity range")
        << 1 << "txtPorosity"
        << "100.5"
        << "txtPorosity"
        << "The porosity should be between 1 and 100 percent (recommended 40% default).";
    QTest::newRow("#1 elevation not a number") << 1 << "txtBaseElevation"
                                               << "abc"
                                               << "txtBaseElevation"
                                               << "The specified value is not a number.";
    QTest::newRow("#2 rows empty") << 2 << "txtRows"
                                   << ""
                                   << "txtRows"
                                   << "Specify the number of rows in the chamber array.";
    QTest::newRow("#2 depth below 6")
        << 2 << "txtFoundationDepth"
        << "5.99"
        << "txtFoundationDepth"
        << "The recommended foundation depth must be at least 6 inches.";
    QTest::newRow("#2 perimeter below 12")
        << 2 << "txtPerimeterThickness"
        << "11.9"
        << "txtPerimeterThickness"
        << "The recommended width of perimter gravel fill is at least 12 inch minimum.";
}

void MainWindowCalculateTest::refusalSelectsInputTabAndFocusesField()
{
    QFETCH(int, method);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, focus);
    QFETCH(QString, message);

    WindowFixture f;
    f.fillExample(method);
    if (field == QLatin1String("cmb"))
        f.pickChamberType(-1);
    else
        f.type(qPrintable(field), typed);
    // A later field is wrong too: only the first failure is reported.
    f.type("txtBaseElevation", field == QLatin1String("txtBaseElevation") ? typed : "x");
    f.tabs()->setCurrentIndex(2);

    f.clickCalculate();
    QCOMPARE(f.dialogs.errors(), QStringList{message});
    QCOMPARE(f.dialogs.shown.constFirst().title, QStringLiteral("Error"));
    QCOMPARE(f.tabs()->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(f.report()->toPlainText().isEmpty());
    QVERIFY(!f.window().ResultsValid());
}

void MainWindowCalculateTest::missingChamberFileKeepsTabAndFocus()
{
    WindowFixture f;
    f.fillMethod2Example();
    QVERIFY(QFile::remove(f.appDir() + QStringLiteral("/RX-300.dat")));
    f.text("txtRows")->setFocus();
    f.tabs()->setCurrentIndex(1);
    f.clickCalculate();
    QCOMPARE(f.dialogs.errors(), QStringList{QStringLiteral("RX-160 design data file not found.")});
    QCOMPARE(f.tabs()->currentIndex(), 1);
}

void MainWindowCalculateTest::method1Questions_data()
{
    QTest::addColumn<QString>("depth");
    QTest::addColumn<QString>("cover");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("done");

    QTest::newRow("exactly 6 asks nothing") << "6"
                                            << "6" << QList<bool>{} << 0 << true;
    QTest::newRow("depth Yes goes on") << "5.9"
                                       << "6" << QList<bool>{true} << 1 << true;
    QTest::newRow("both Yes") << "5"
                              << "4" << QList<bool>{true, true} << 2 << true;
    QTest::newRow("depth No stops before cover") << "5"
                                                 << "4" << QList<bool>{false} << 1 << false;
    QTest::newRow("cover No") << "6"
                              << "1" << QList<bool>{false} << 1 << false;
}

void MainWindowCalculateTest::method1Questions()
{
    QFETCH(QString, depth);
    QFETCH(QString, cover);
    QFETCH(QList<bool>, answers);
    QFETCH(int, questions);
    QFETCH(bool, done);

    WindowFixture f;
    f.fillMethod1Example();
    f.type("txtFoundationDepth", depth);
    f.type("txtCoverThickness", cover);
    for (bool answer : answers)
        f.dialogs.yesNoAnswers.enqueue(answer);
    f.clickCalculate();
    QCOMPARE(f.dialogs.count(FakeUserDialogs::Shown::Question), questions);
    QCOMPARE(f.dialogs.count(FakeUserDialogs::Shown::Error), 0);
    if (questions > 0) {
        QCOMPARE(f.dialogs.shown.constFirst().title, QStringLiteral("Warning"));
        QVERIFY(f.dialogs.questions().constFirst().contains(QStringLiteral("\r\n\r\nDo you wish")));
    }
    QCOMPARE(f.window().ResultsValid(), done);
    QCOMPARE(f.tabs()->currentIndex(), done ? 1 : 0);
    if (!done) {
        // A No is a silent stop: no tab or focus change, an empty report.
        QVERIFY(f.report()->toPlainText().isEmpty());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdCalculate"));
    }
}

void MainWindowCalculateTest::noAnswerKeepsThePreviousResult()
{
    WindowFixture f;
    f.fillMethod1Example();
    f.type("txtFoundationDepth", QStringLiteral("5"));
    f.dialogs.yesNoAnswers.enqueue(true);
    f.clickCalculate();
    QVERIFY(f.window().ResultsValid());
    f.openEditMenus();
    f.action("mnuEdit_Copy_StageArea")->trigger();
    const QString first = QApplication::clipboard()->text();
    QVERIFY(first.startsWith(QStringLiteral("100\t400\r\n100.4167\t400\r\n")));
    QApplication::clipboard()->clear();

    f.dialogs.yesNoAnswers.enqueue(false);
    f.clickCalculate();
    QVERIFY(f.report()->toPlainText().isEmpty());
    QVERIFY(f.window().ResultsValid());
    f.openEditMenus();
    QVERIFY(f.action("mnuEdit_Copy")->isEnabled());
    f.action("mnuEdit_Copy_StageArea")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), first);
}

void MainWindowCalculateTest::workedExamples_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("reportLine");

    QTest::newRow("#1") << 1 << false << Method1Table
                        << QStringLiteral("\tNumber of Chambers = 10");
    QTest::newRow("#1 bottom area")
        << 1 << true << QStringLiteral("100\t1000\r\n100.0417\t400\r\n") + Method1Table.mid(9)
        << QStringLiteral("\tPreserve bottom area for unsaturated infiltration in VELDO = Yes");
    QTest::newRow("#2") << 2 << false << Method2Table
                        << QStringLiteral("\tTotal System Length = 12 ft (excluding end areas).");
    QTest::newRow("#2 bottom area")
        << 2 << true << QStringLiteral("100\t90\r\n100.0833\t36\r\n") + Method2Table.mid(8)
        << QStringLiteral("\tTotal Bottom Area = 90 ft\u00B2 (excluding end areas).");
}

void MainWindowCalculateTest::workedExamples()
{
    QFETCH(int, method);
    QFETCH(bool, checked);
    QFETCH(QString, table);
    QFETCH(QString, reportLine);

    WindowFixture f;
    f.fillExample(method, checked);
    f.clickCalculate();

    QVERIFY2(f.dialogs.shown.isEmpty(), qPrintable(f.dialogs.errors().join('|')));
    QVERIFY(f.window().ResultsValid());
    QCOMPARE(f.tabs()->currentIndex(), 1);
    QVERIFY(f.report()->isVisible());
    const QString shown = f.report()->toPlainText();
    QVERIFY(shown.startsWith(QStringLiteral("[User Input]\n")));
    QVERIFY2(shown.contains(reportLine + '\n'), qPrintable(shown));
    QVERIFY(!shown.contains('\r'));

    f.openEditMenus();
    f.action("mnuEdit_Copy_StageArea")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), table);
    // The report's table holds the same rows, each behind a tab.
    QString reportRows = table;
    reportRows.replace(QStringLiteral("\r\n"), QStringLiteral("\n\t"));
    QVERIFY(shown.endsWith('\t' + reportRows.chopped(1)));

    if (method == 2) {
        f.action("mnuEdit_Copy_Length")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12"));
        f.action("mnuEdit_Copy_Width")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("7.5"));
    }
    // Copies change nothing of the document.
    QVERIFY(f.window().ResultsValid());
}

void MainWindowCalculateTest::everyEditDiscardsTheResult_data()
{
    QTest::addColumn<QString>("edit");
    for (const char *field :
         {"txtProjectName", "txtNumChambers", "txtBedArea", "txtRows", "txtCols",
          "txtFoundationDepth", "txtCoverThickness", "txtInternalSpacing", "txtPerimeterThickness",
          "txtPorosity", "txtBaseElevation"})
        QTest::newRow(field) << QString::fromLatin1(field);
    QTest::newRow("chamber type") << "cmbChamberType";
    QTest::newRow("check box twice") << "chkBottomArea";
    QTest::newRow("method option") << "optMethod_2";
}

void MainWindowCalculateTest::everyEditDiscardsTheResult()
{
    QFETCH(QString, edit);
    WindowFixture f;
    f.fillMethod1Example();
    f.clickCalculate();
    QVERIFY(f.window().ResultsValid());

    if (edit == QLatin1String("cmbChamberType")) {
        f.pickChamberType(1);
    } else if (edit == QLatin1String("chkBottomArea")) {
        QTest::mouseClick(f.bottomArea(), Qt::LeftButton);
        QTest::mouseClick(f.bottomArea(), Qt::LeftButton);
    } else if (edit == QLatin1String("optMethod_2")) {
        f.clickMethod(2);
    } else {
        QLineEdit *field = f.text(qPrintable(edit));
        field->setCursorPosition(int(field->text().size()));
        QTest::keyClick(field, Qt::Key_0);
    }
    QVERIFY(!f.window().ResultsValid());
    QVERIFY(f.report()->toPlainText().isEmpty());
    QVERIFY(f.window().DataChanged());
    f.openEditMenus();
    QVERIFY(!f.action("mnuEdit_Copy")->isEnabled());
}

void MainWindowCalculateTest::editMenuStates()
{
    WindowFixture f;
    f.openEditMenus();
    QVERIFY(!f.action("mnuEdit_Copy")->isEnabled());

    f.fillMethod1Example();
    f.clickCalculate();
    f.openEditMenus();
    QVERIFY(f.action("mnuEdit_Copy")->isEnabled());
    QVERIFY(f.action("mnuEdit_Copy_StageArea")->isEnabled());
    QVERIFY(!f.action("mnuEdit_Copy_Length")->isEnabled());
    QVERIFY(!f.action("mnuEdit_Copy_Width")->isEnabled());

    f.fillMethod2Example();
    f.clickCalculate();
    f.openEditMenus();
    QVERIFY(f.action("mnuEdit_Copy_Length")->isEnabled());
    QVERIFY(f.action("mnuEdit_Copy_Width")->isEnabled());
}

void MainWindowCalculateTest::copyReplacesClipboardContents()
{
    WindowFixture f;
    f.fillMethod2Example();
    f.clickCalculate();
    auto *earlier = new QMimeData;
    earlier->setHtml(QStringLiteral("<b>a long earlier entry</b>"));
    earlier->setText(QStringLiteral("a long earlier entry"));
    QApplication::clipboard()->setMimeData(earlier);
    f.openEditMenus();
    f.action("mnuEdit_Copy_Width")->trigger();
    const QMimeData *now = QApplication::clipboard()->mimeData();
    QCOMPARE(now->formats(), QStringList{QStringLiteral("text/plain")});
    QCOMPARE(now->text(), QStringLiteral("7.5"));
}

void MainWindowCalculateTest::copyWithoutResultLeavesClipboard()
{
    WindowFixture f;
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    for (const char *copy : {"mnuEdit_Copy_StageArea", "mnuEdit_Copy_Length", "mnuEdit_Copy_Width"})
        f.action(copy)->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
    QVERIFY(f.dialogs.shown.isEmpty());
}

QTEST_MAIN(MainWindowCalculateTest)
#include "MainWindowCalculateTest.moc"
