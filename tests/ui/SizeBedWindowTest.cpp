// Design to a target in the window: Design > Size the Bed... with its table and Use This
// Layout, the Storage tab's elevation and rate with the design figures, and the settings kept
// with the project. The example project over the shipped chamber data, so the numbers are the
// ones the README shows.
#include "DesignFiguresText.h"
#include "DesignSession.h"
#include "StoragePage.h"
#include "WindowFixture.h"

#include <QAbstractItemModel>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

namespace {

const QString Example = QStringLiteral(EXAMPLES_DIR "/rectangular-array.tvc");

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The window over the shipped chamber data with the example project open.
void openExample(WindowFixture &f)
{
    for (const char *name : {"RX-160.dat", "RX-300.dat"}) {
        const QString target = f.appDir() + QLatin1Char('/') + QLatin1String(name);
        QFile::remove(target);
        QVERIFY(QFile::copy(QStringLiteral(SHIPPED_DATA_DIR "/") + QLatin1String(name), target));
    }
    QVERIFY(f.window().openFile(Example));
}

// The engine's session on the same project and data, for the figures the window must show.
DesignSession exampleSession(WindowFixture &f)
{
    DesignSession session(f.appDir().toStdString());
    const Result<ProjectDocument> document = DesignSession::readFile(Example.toStdString());
    if (document)
        session.adopt(*document);
    return session;
}

QDialog *sizeBedDialog(WindowFixture &f)
{
    return f.window().findChild<QDialog *>(QStringLiteral("dlgSizeBed"));
}

void typeIn(QWidget *parent, const char *name, const QString &keys)
{
    auto *edit = parent->findChild<QLineEdit *>(QString::fromLatin1(name));
    QVERIFY2(edit, name);
    edit->setFocus();
    edit->selectAll();
    if (keys.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, keys);
}

QStringList rowCells(const QAbstractItemModel *model, int row)
{
    QStringList cells;
    for (int column = 0; column < model->columnCount(); ++column)
        cells << model->index(row, column).data().toString();
    return cells;
}

QStringList plainLines(const std::vector<DesignFiguresText::FigureLine> &lines)
{
    QStringList texts;
    for (const auto &line : lines)
        texts << QString::fromStdString(DesignFiguresText::plainLine(line));
    return texts;
}

} // namespace

class SizeBedWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void sizeTheBedAndUseALayout();
    void dialogSaysWhyItCannotSize();
    void storageTabShowsTheFiguresOfItsSettings();
    void settingsAreKeptWithTheProjectOnlyWhenUsed();
};

void SizeBedWindowTest::sizeTheBedAndUseALayout()
{
    WindowFixture f;
    openExample(f);
    f.text("txtProjectName")->setFocus();
    QTest::keyClick(f.text("txtProjectName"), Qt::Key_B, Qt::ControlModifier);
    QDialog *dialog = sizeBedDialog(f);
    QVERIFY(dialog && dialog->isVisible());
    typeIn(dialog, "txtRequiredStorage", QStringLiteral("4000"));
    typeIn(dialog, "txtBelowElevation", QStringLiteral("103"));

    auto *table = dialog->findChild<QTableView *>(QStringLiteral("tblLayouts"));
    QCOMPARE(rowCells(table->model(), 0),
             QStringList({"1", "96", "96", "680.00", "4.83", "3286.67", "4021.988", "0.5"}));
    QCOMPARE(table->selectionModel()->selectedRows().value(0).row(), 0);

    DesignSession engine = exampleSession(f);
    DesignTarget target;
    target.requiredStorage = "4000";
    target.elevation = "103";
    engine.setTarget(target);
    const DesignSession::Sizing sizing = engine.sizeBed();
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblSizingHeadline"))->text(),
             QString::fromStdString(DesignFiguresText::sizingHeadline(sizing)));
    // A later row, chosen by the user, is the one taken.
    const SizedLayout &chosen = sizing.answer.layouts.at(1);
    table->selectRow(1);
    dialog->findChild<QPushButton *>(QStringLiteral("cmdUseLayout"))->click();

    QTRY_VERIFY(!sizeBedDialog(f));
    QVERIFY(f.method(2)->isChecked());
    QCOMPARE(f.text("txtRows")->text(), QString::number(chosen.rows));
    QCOMPARE(f.text("txtCols")->text(), QString::number(chosen.chambersPerRow));
    QCOMPARE(f.tabs()->currentIndex(), 1);
    engine.useLayout(chosen.rows, chosen.chambersPerRow);
    QCOMPARE(engine.calculate({}).status, CalcOutcome::Status::Done);
    QCOMPARE(f.report()->toPlainText(),
             QString::fromStdString(engine.report()).replace(QStringLiteral("\r\n"), "\n"));
    QVERIFY(f.window().DataChanged());
}

void SizeBedWindowTest::dialogSaysWhyItCannotSize()
{
    WindowFixture f;
    openExample(f);
    f.type("txtFoundationDepth", QStringLiteral("x"));
    f.action("mnuDesign_SizeBed")->trigger();
    QDialog *dialog = sizeBedDialog(f);
    QVERIFY(dialog);
    auto *headline = dialog->findChild<QLabel *>(QStringLiteral("lblSizingHeadline"));
    typeIn(dialog, "txtRequiredStorage", QStringLiteral("4000"));
    QCOMPARE(headline->text(),
             QStringLiteral("On the Input Data tab, Stone Foundation Depth, [Df] (inches): "
                            "The specified value is not a number."));
    QCOMPARE(dialog->findChild<QTableView *>()->model()->rowCount(), 0);
    QVERIFY(!dialog->findChild<QPushButton *>(QStringLiteral("cmdUseLayout"))->isEnabled());
}

void SizeBedWindowTest::storageTabShowsTheFiguresOfItsSettings()
{
    WindowFixture f;
    openExample(f);
    f.clickCalculate();
    f.tabs()->setCurrentIndex(3);
    StoragePage *page = f.window().storagePage();
    typeIn(page, "txtBelowElevation", QStringLiteral("103"));
    typeIn(page, "txtInfiltrationRate", QStringLiteral("0.5"));

    DesignSession engine = exampleSession(f);
    QCOMPARE(engine.calculate({}).status, CalcOutcome::Status::Done);
    DesignTarget target;
    target.elevation = "103";
    target.infiltrationRate = "0.5";
    engine.setTarget(target);
    const QStringList expected =
        plainLines(DesignFiguresText::figureLines(*engine.designFigures()));
    QCOMPARE(page->figureTexts(), expected);
    QVERIFY(expected.first().startsWith(QStringLiteral("Storage below 103 ft:")));
    QVERIFY(expected.last().startsWith(QStringLiteral("Time to drain the storage below")));
    QVERIFY(f.window().DataChanged());
    QVERIFY(f.window().ResultsValid());

    // The PDF report's storage page ends with the same lines.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (!pdftotext.isEmpty()) {
        const QString pdf = f.workPath(QStringLiteral("report.pdf"));
        f.dialogs.fileAnswers.enqueue(pdf);
        f.action("mnuFile_ExportPdf")->trigger();
        QProcess tool;
        tool.start(pdftotext, {pdf, QStringLiteral("-")});
        QVERIFY(tool.waitForFinished(30000));
        const QString text = QString::fromUtf8(tool.readAllStandardOutput());
        const QString storagePages =
            text.mid(text.lastIndexOf(QStringLiteral("Storage of the bed"))).simplified();
        for (const auto &line : DesignFiguresText::figureLines(*engine.designFigures())) {
            QVERIFY2(storagePages.contains(QString::fromStdString(line.label + ":")),
                     line.label.c_str());
            QVERIFY2(storagePages.contains(QString::fromStdString(line.value.substr(0, 12))),
                     line.value.c_str());
        }
    }

    // A rate that is not valid says so beside it, and the drawdown is left out.
    typeIn(page, "txtInfiltrationRate", QStringLiteral("-1"));
    const auto *problem = page->findChild<QLabel *>(QStringLiteral("lblInfiltrationRateProblem"));
    QVERIFY(problem->isVisible());
    target.infiltrationRate = "-1";
    QCOMPARE(problem->text(), QString::fromStdString(readTarget(target).message));
    QVERIFY(!page->figureTexts().join('\n').contains(QStringLiteral("Time to drain")));
    QVERIFY(page->figureTexts().first().startsWith(QStringLiteral("Storage below 103 ft:")));
}

void SizeBedWindowTest::settingsAreKeptWithTheProjectOnlyWhenUsed()
{
    WindowFixture f;
    openExample(f);
    // Settings typed and taken back leave nothing to keep: the file is as before.
    f.action("mnuDesign_SizeBed")->trigger();
    typeIn(sizeBedDialog(f), "txtRequiredStorage", QStringLiteral("4000"));
    typeIn(sizeBedDialog(f), "txtRequiredStorage", QString());
    sizeBedDialog(f)->reject();
    QCOMPARE(bytesOf(f.saveAs(QStringLiteral("plain.tvc"))), bytesOf(Example));

    f.action("mnuDesign_SizeBed")->trigger();
    typeIn(sizeBedDialog(f), "txtRequiredStorage", QStringLiteral("4000"));
    typeIn(sizeBedDialog(f), "txtBelowElevation", QStringLiteral("103"));
    sizeBedDialog(f)->reject();
    StoragePage *page = f.window().storagePage();
    // The dialog's elevation is the Storage tab's.
    QCOMPARE(page->findChild<QLineEdit *>(QStringLiteral("txtBelowElevation"))->text(),
             QStringLiteral("103"));
    typeIn(page, "txtInfiltrationRate", QStringLiteral("0.5"));
    const QString saved = f.saveAs(QStringLiteral("target.tvc"));
    QVERIFY(bytesOf(saved).startsWith("TVC_Ver02"));
    QVERIFY(!f.window().DataChanged());

    f.action("mnuFile_Clear")->trigger();
    QCOMPARE(page->findChild<QLineEdit *>(QStringLiteral("txtBelowElevation"))->text(), QString());
    QVERIFY(f.window().openFile(saved));
    QCOMPARE(page->findChild<QLineEdit *>(QStringLiteral("txtBelowElevation"))->text(),
             QStringLiteral("103"));
    QCOMPARE(page->findChild<QLineEdit *>(QStringLiteral("txtInfiltrationRate"))->text(),
             QStringLiteral("0.5"));
    f.action("mnuDesign_SizeBed")->trigger();
    QCOMPARE(sizeBedDialog(f)->findChild<QLineEdit *>(QStringLiteral("txtRequiredStorage"))->text(),
             QStringLiteral("4000"));
}

QTEST_MAIN(SizeBedWindowTest)
#include "SizeBedWindowTest.moc"
