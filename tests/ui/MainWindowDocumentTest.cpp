// The File commands through the window: Clear Data, Open, Save, Save As and Exit across
// the document states, the question before unsaved inputs are given up, the caption rule,
// failed saves and rejected files.
#include "QtUserDialogs.h"
#include "SpecialFiles.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <iterator>

using Shown = FakeUserDialogs::Shown;
using Answer = UserDialogs::Answer;
Q_DECLARE_METATYPE(Answer)

namespace {

enum class BadFile
{
    Made,
    NoFifos,
    Failed,
};

// What a failed Open reads at path: a folder ("folder"), a FIFO ("fifo"), nothing (empty: the
// file is missing) or the bytes, made sparse up to size when one is given.
BadFile makeBadFile(const QString &path, const QByteArray &content, qint64 size = 0)
{
    if (content == "folder")
        return QDir().mkdir(path) ? BadFile::Made : BadFile::Failed;
    if (content == "fifo")
        return SpecialFiles::makeFifo(path) ? BadFile::Made : BadFile::NoFifos;
    if (content.isEmpty())
        return BadFile::Made;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return BadFile::Failed;
    // Sparse: no real disk space.
    return size > 0 && !file.resize(size) ? BadFile::Failed : BadFile::Made;
}

const QString Base = QStringLiteral("Tessivane Stage vs Area Calculator for VELDO 3.2");
const QString SaveQuestion =
    QStringLiteral("Data has changed. Do you want to save the current data?");

// The project as the user sees it: every field, the method, the check box, the report, the
// caption, and whether there is a result and unsaved input.
QStringList projectAsShown(WindowFixture &f)
{
    QStringList shown;
    for (const char *name : {"txtProjectName", "txtNumChambers", "txtBedArea", "txtRows", "txtCols",
                             "txtFoundationDepth", "txtCoverThickness", "txtInternalSpacing",
                             "txtPerimeterThickness", "txtPorosity", "txtBaseElevation"})
        shown << QString::fromLatin1(name) + QLatin1Char('=') + f.text(name)->text();
    shown << QStringLiteral("chamber=%1").arg(f.chamberType()->currentIndex())
          << QStringLiteral("method 2=%1").arg(f.method(2)->isChecked())
          << QStringLiteral("bottom area=%1").arg(f.bottomArea()->isChecked())
          << QStringLiteral("report=") + f.report()->toPlainText()
          << QStringLiteral("results=%1").arg(f.window().ResultsValid())
          << QStringLiteral("changed=%1").arg(f.window().DataChanged())
          << QStringLiteral("caption=") + f.window().windowTitle()
          << QStringLiteral("file=") + f.window().CurrentFileName();
    return shown;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class MainWindowDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void clearDataEmptiesEverything();
    void exitAsksOnlyWhenChanged();
    void closeButtonAsksLikeExit();
    void exitYesWithCancelledSaveAsKeepsWindowOpen();
    void escOnTheRealExitQuestionKeepsEverything();
    void exitYesWithFailedSaveKeepsWindowOpen();
    void cancelledDialogsChangeNothing();
    void saveAndOpenRoundTrip();
    void openAndClearAskFirst_data();
    void openAndClearAskFirst();
    void saveAfterFileWasDeletedAsksForName();
    void saveAsStartsFromExistingFile();
    void failedSavesNameThePath_data();
    void failedSavesNameThePath();
    void readOnlyFileIsRefusedAndKept();
    void failedOpenLeavesProjectAsItWas_data();
    void failedOpenLeavesProjectAsItWas();
    void pastedLineBreaksNeverReachTheFile_data();
    void pastedLineBreaksNeverReachTheFile();
    void openFailuresSaySo_data();
    void openFailuresSaySo();
    void nameThatIsNotUtf8OpensAndSaves();
    void saveAsksBeforeReplacingAFileChangedOnDisk();
    void longestNameIsKeptWholeAndALongerOneRefused();
};

void MainWindowDocumentTest::clearDataEmptiesEverything()
{
    WindowFixture f;
    f.fillMethod2Example(true);
    f.clickCalculate();
    QVERIFY(f.window().ResultsValid());

    f.dialogs.yesNoCancelAnswers.enqueue(Answer::No);
    f.action("mnuFile_Clear")->trigger();
    QCOMPARE(f.dialogs.questions(), QStringList{SaveQuestion});
    for (const char *name : {"txtProjectName", "txtNumChambers", "txtBedArea", "txtRows", "txtCols",
                             "txtFoundationDepth", "txtCoverThickness", "txtInternalSpacing",
                             "txtPerimeterThickness", "txtPorosity", "txtBaseElevation"})
        QVERIFY2(f.text(name)->text().isEmpty(), name);
    QVERIFY(f.method(1)->isChecked());
    QVERIFY(f.text("txtNumChambers")->isVisibleTo(f.text("txtRows")->parentWidget()));
    QVERIFY(!f.text("txtRows")->isVisibleTo(f.text("txtRows")->parentWidget()));
    QCOMPARE(f.chamberType()->currentIndex(), -1);
    QVERIFY(!f.bottomArea()->isChecked());
    QVERIFY(f.report()->toPlainText().isEmpty());
    QVERIFY(!f.window().ResultsValid());
    QVERIFY(f.window().DataChanged());
    QCOMPARE(f.window().windowTitle(), Base);
}

void MainWindowDocumentTest::exitAsksOnlyWhenChanged()
{
    {
        WindowFixture f; // just opened: closes at once
        f.action("mnuFile_Exit")->trigger();
        QVERIFY(!f.window().isVisible());
        QVERIFY(f.dialogs.shown.isEmpty());
    }
    {
        WindowFixture f; // Clear Data marks the document changed
        f.action("mnuFile_Clear")->trigger();
        QVERIFY(f.dialogs.shown.isEmpty()); // nothing was unsaved
        f.dialogs.yesNoCancelAnswers.enqueue(Answer::No);
        f.action("mnuFile_Exit")->trigger();
        QCOMPARE(f.dialogs.questions(), QStringList{SaveQuestion});
        QCOMPARE(f.dialogs.shown.constFirst().title, QStringLiteral("Warning"));
        QVERIFY(!f.window().isVisible());
    }
    {
        WindowFixture f; // saved: no question; edited after the save: asks again
        const QString path = f.workPath(QStringLiteral("saved.tvc"));
        f.fillMethod1Example();
        f.dialogs.fileAnswers.enqueue(path);
        f.action("mnuFile_SaveAs")->trigger();
        QVERIFY(!f.window().DataChanged());
        QVERIFY(f.window().close());
        f.window().show();
        f.type("txtPorosity", QStringLiteral("35"));
        f.dialogs.yesNoCancelAnswers.enqueue(Answer::Yes); // saves to the current file
        f.action("mnuFile_Exit")->trigger();
        QCOMPARE(f.dialogs.questions(), QStringList{SaveQuestion});
        QVERIFY(!f.window().isVisible());
        QVERIFY(!f.window().DataChanged());
        QCOMPARE(f.dialogs.count(Shown::SaveDialog), 1);
    }
}

void MainWindowDocumentTest::closeButtonAsksLikeExit()
{
    WindowFixture f;
    f.type("txtProjectName", QStringLiteral("x"));
    f.dialogs.yesNoCancelAnswers.enqueue(Answer::Cancel);
    QVERIFY(!f.window().close());
    QCOMPARE(f.text("txtProjectName")->text(), QStringLiteral("x"));
    f.dialogs.yesNoCancelAnswers.enqueue(Answer::No);
    QVERIFY(f.window().close());
    QCOMPARE(f.dialogs.questions(), QStringList(2, SaveQuestion));
}

void MainWindowDocumentTest::exitYesWithCancelledSaveAsKeepsWindowOpen()
{
    WindowFixture f;
    f.type("txtProjectName", QStringLiteral("x"));
    f.dialogs.yesNoCancelAnswers.enqueue(Answer::Yes);
    f.action("mnuFile_Exit")->trigger();
    QCOMPARE(f.dialogs.texts(Shown::SaveDialog), QStringList{QString()});
    QCOMPARE(f.dialogs.count(Shown::Error), 0);
    QVERIFY(f.window().isVisible()); // nothing was saved: the edits stay
    QVERIFY(f.window().DataChanged());
}

void MainWindowDocumentTest::escOnTheRealExitQuestionKeepsEverything()
{
    WindowFixture saver;
    saver.fillMethod1Example();
    const QString path = saver.saveAs(QStringLiteral("bed.tvc"));
    const QByteArray saved = bytesOf(path);
    QVERIFY(!saved.isEmpty());

    QtUserDialogs dialogs;
    frmTessivaneMain window(dialogs, saver.appDir());
    dialogs.setOwner(&window);
    window.show();
    QVERIFY(window.openFile(path));
    auto *name = window.findChild<QLineEdit *>(QStringLiteral("txtProjectName"));
    name->setText(QStringLiteral("edited"));
    QString asked;
    QTimer::singleShot(0, [&asked] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        asked = box->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    window.findChild<QAction *>(QStringLiteral("mnuFile_Exit"))->trigger();
    QCOMPARE(asked, SaveQuestion);
    QVERIFY(window.isVisible());
    QCOMPARE(name->text(), QStringLiteral("edited"));
    QVERIFY(window.DataChanged());
    QCOMPARE(bytesOf(path), saved);
}

void MainWindowDocumentTest::exitYesWithFailedSaveKeepsWindowOpen()
{
    WindowFixture f;
    f.type("txtProjectName", QStringLiteral("x"));
    const QString path = f.workPath(QStringLiteral("missing/dir/design.tvc"));
    f.dialogs.yesNoCancelAnswers.enqueue(Answer::Yes);
    f.dialogs.fileAnswers.enqueue(path);
    f.action("mnuFile_Exit")->trigger();
    // The command's own first line, the path, then the reason.
    QCOMPARE(
        f.dialogs.errors(),
        QStringList{
            QStringLiteral("Error saving file:\r\n") + path +
            QStringLiteral(
                "\r\ncannot create a temporary file in its folder: No such file or directory")});
    QVERIFY(f.window().isVisible());
    QVERIFY(f.window().DataChanged());

    // The close button takes the same path.
    f.dialogs.reset();
    f.dialogs.yesNoCancelAnswers.enqueue(Answer::Yes);
    f.dialogs.fileAnswers.enqueue(path);
    QVERIFY(!f.window().close());
    QCOMPARE(f.dialogs.count(Shown::Error), 1);
    QCOMPARE(f.text("txtProjectName")->text(), QStringLiteral("x"));
}

void MainWindowDocumentTest::cancelledDialogsChangeNothing()
{
    WindowFixture f;
    f.type("txtProjectName", QStringLiteral("x"));
    f.action("mnuFile_Save")->trigger();
    QCOMPARE(f.dialogs.texts(Shown::SaveDialog), QStringList{QString()});
    QCOMPARE(f.dialogs.count(Shown::Error), 0);
    QCOMPARE(f.window().windowTitle(), Base);
    QVERIFY(f.window().CurrentFileName().isEmpty());
    QVERIFY(f.window().DataChanged());

    // Open cancelled, or naming a file that is not there: nothing changes either.
    f.action("mnuFile_Open")->trigger();
    f.dialogs.fileAnswers.enqueue(f.workPath(QStringLiteral("nowhere.tvc")));
    f.action("mnuFile_Open")->trigger();
    QCOMPARE(f.text("txtProjectName")->text(), QStringLiteral("x"));
    QCOMPARE(f.dialogs.count(Shown::Error), 0);
}

void MainWindowDocumentTest::saveAndOpenRoundTrip()
{
    WindowFixture f;
    f.fillMethod2Example(true);
    f.clickCalculate();
    const QString report = f.report()->toPlainText();
    const std::string stored = f.window().currentDocument().reportText;
    QVERIFY(!report.isEmpty());

    const QString path = f.workPath(QStringLiteral("array.tvc"));
    f.dialogs.fileAnswers.enqueue(path);
    f.action("mnuFile_Save")->trigger();
    QCOMPARE(f.window().windowTitle(), path);
    QCOMPARE(f.window().CurrentFileName(), path);
    QVERIFY(!f.window().DataChanged());

    f.action("mnuFile_Clear")->trigger();
    QCOMPARE(f.window().windowTitle(), Base);

    f.dialogs.yesNoCancelAnswers.enqueue(Answer::No); // Clear Data marked the project changed
    f.dialogs.fileAnswers.enqueue(path);
    f.action("mnuFile_Open")->trigger();
    QVERIFY(f.dialogs.errors().isEmpty());
    QCOMPARE(f.window().windowTitle(), path);
    QVERIFY(!f.window().DataChanged()); // although loading fired the change events
    QVERIFY(f.method(2)->isChecked());
    QVERIFY(f.text("txtRows")->isVisibleTo(f.text("txtRows")->parentWidget()));
    QCOMPARE(f.text("txtRows")->text(), QStringLiteral("2"));
    QCOMPARE(f.text("txtPerimeterThickness")->text(), QStringLiteral("12"));
    QCOMPARE(f.chamberType()->currentText(), QStringLiteral("RX-300"));
    QVERIFY(f.bottomArea()->isChecked());
    QVERIFY(f.window().ResultsValid());
    QCOMPARE(f.report()->toPlainText(), report);
    QCOMPARE(f.window().currentDocument().reportText, stored);

    f.openEditMenus();
    f.action("mnuEdit_Copy_Width")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("7.5"));

    // The one command-line argument opens a file the same way.
    WindowFixture other;
    QVERIFY(other.window().openFile(path));
    QCOMPARE(other.window().windowTitle(), path);
    QCOMPARE(other.report()->toPlainText(), report);
}

void MainWindowDocumentTest::openAndClearAskFirst_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("saveAsChosen"); // after Yes: a name chosen, or the dialog cancelled
    QTest::addColumn<bool>("goesOn");
    QTest::newRow("Open, Cancel") << "mnuFile_Open" << Answer::Cancel << false << false;
    QTest::newRow("Open, No") << "mnuFile_Open" << Answer::No << false << true;
    QTest::newRow("Open, Yes, saved") << "mnuFile_Open" << Answer::Yes << true << true;
    QTest::newRow("Open, Yes, Save As cancelled")
        << "mnuFile_Open" << Answer::Yes << false << false;
    QTest::newRow("Clear Data, Cancel") << "mnuFile_Clear" << Answer::Cancel << false << false;
    QTest::newRow("Clear Data, No") << "mnuFile_Clear" << Answer::No << false << true;
    QTest::newRow("Clear Data, Yes, saved") << "mnuFile_Clear" << Answer::Yes << true << true;
}

void MainWindowDocumentTest::openAndClearAskFirst()
{
    QFETCH(QString, command);
    QFETCH(Answer, answer);
    QFETCH(bool, saveAsChosen);
    QFETCH(bool, goesOn);
    WindowFixture source;
    const QString opened = source.workPath(QStringLiteral("bed.tvc"));
    source.fillMethod1Example();
    source.dialogs.fileAnswers.enqueue(opened);
    source.action("mnuFile_SaveAs")->trigger();

    WindowFixture f;
    f.fillMethod2Example(true);
    f.clickCalculate();
    const QStringList before = projectAsShown(f);
    f.dialogs.reset();
    f.dialogs.yesNoCancelAnswers.enqueue(answer);
    const QString saved = f.workPath(QStringLiteral("array.tvc"));
    if (answer == Answer::Yes)
        f.dialogs.fileAnswers.enqueue(saveAsChosen ? saved : QString());
    f.dialogs.fileAnswers.enqueue(opened);
    f.action(qPrintable(command))->trigger();

    QCOMPARE(f.dialogs.questions(), QStringList{SaveQuestion});
    QCOMPARE(f.dialogs.count(Shown::Error), 0);
    QCOMPARE(f.dialogs.count(Shown::SaveDialog), answer == Answer::Yes ? 1 : 0);
    QCOMPARE(bytesOf(saved).contains("\r\nArray B\r\n"), saveAsChosen);
    if (!goesOn) {
        QCOMPARE(projectAsShown(f), before);
        QCOMPARE(f.dialogs.count(Shown::OpenDialog), 0);
        return;
    }
    const bool open = command == QLatin1String("mnuFile_Open");
    QVERIFY(f.method(1)->isChecked());
    QCOMPARE(f.text("txtNumChambers")->text(), open ? QStringLiteral("10") : QString());
    QVERIFY(f.text("txtRows")->text().isEmpty()); // the other method's rows are not kept
    QVERIFY(!f.window().ResultsValid());
    QCOMPARE(f.window().windowTitle(), open ? opened : Base);
}

void MainWindowDocumentTest::saveAfterFileWasDeletedAsksForName()
{
    WindowFixture f;
    const QString path = f.saveAs(QStringLiteral("gone.tvc"));
    QVERIFY(QFile::remove(path));

    f.dialogs.reset();
    f.action("mnuFile_Save")->trigger(); // cancelled
    QCOMPARE(f.dialogs.texts(Shown::SaveDialog), QStringList{QString()});
    QVERIFY(!QFile::exists(path));
    QCOMPARE(f.window().CurrentFileName(), path);
    QCOMPARE(f.dialogs.count(Shown::Error), 0);
}

void MainWindowDocumentTest::saveAsStartsFromExistingFile()
{
    WindowFixture f;
    const QString first = f.workPath(QStringLiteral("first.tvc"));
    const QString second = f.workPath(QStringLiteral("second.tvc"));
    f.dialogs.fileAnswers.enqueue(first);
    f.action("mnuFile_SaveAs")->trigger();

    f.dialogs.reset();
    f.dialogs.fileAnswers.enqueue(second);
    f.action("mnuFile_SaveAs")->trigger();
    QCOMPARE(f.dialogs.texts(Shown::SaveDialog), QStringList{first});
    QCOMPARE(f.window().windowTitle(), second);
    QVERIFY(QFile::exists(second));

    // Save now writes the current file without a dialog.
    f.dialogs.reset();
    f.type("txtProjectName", QStringLiteral("changed"));
    f.action("mnuFile_Save")->trigger();
    QVERIFY(f.dialogs.shown.isEmpty());
    QVERIFY(!f.window().DataChanged());
}

void MainWindowDocumentTest::failedSavesNameThePath_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("reason");
    QTest::newRow("Save As into a missing directory")
        << "mnuFile_SaveAs"
        << "missing/x.tvc"
        << "Error Saving File:\r\n"
        << "cannot create a temporary file in its folder: No such file or directory";
    QTest::newRow("Save onto a directory") << "mnuFile_Save"
                                           << "folder.tvc"
                                           << "Error saving file:\r\n"
                                           << "not an ordinary file";
}

void MainWindowDocumentTest::failedSavesNameThePath()
{
    QFETCH(QString, command);
    QFETCH(QString, target);
    QFETCH(QString, prefix);
    QFETCH(QString, reason);
    WindowFixture f;
    QVERIFY(QDir(f.workPath({})).mkpath(QStringLiteral("folder.tvc")));
    f.type("txtProjectName", QStringLiteral("x"));
    const QString path = f.workPath(target);
    f.dialogs.fileAnswers.enqueue(path);
    f.action(qPrintable(command))->trigger();
    QCOMPARE(f.dialogs.errors(), QStringList{prefix + path + QStringLiteral("\r\n") + reason});
    QCOMPARE(f.dialogs.shown.last().title, QStringLiteral("Error"));
    QCOMPARE(f.window().windowTitle(), Base);
    QVERIFY(f.window().CurrentFileName().isEmpty());
    QVERIFY(f.window().DataChanged());
}

void MainWindowDocumentTest::readOnlyFileIsRefusedAndKept()
{
    WindowFixture f;
    f.fillMethod1Example();
    const QString path = f.saveAs(QStringLiteral("locked.tvc"));
    QVERIFY(f.dialogs.errors().isEmpty());
    const auto bytesOnDisk = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = bytesOnDisk();
    QVERIFY(before.contains("\r\nBed A\r\n"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                            QFileDevice::ReadOther));

    f.dialogs.reset();
    f.type("txtProjectName", QStringLiteral(" changed"));
    f.action("mnuFile_Save")->trigger();
    const QString readOnly = QStringLiteral("\r\nthe file is read-only");
    QCOMPARE(f.dialogs.errors(),
             QStringList{QStringLiteral("Error saving file:\r\n") + path + readOnly});
    QCOMPARE(f.window().windowTitle(), path);
    QVERIFY(f.window().DataChanged());
    QCOMPARE(bytesOnDisk(), before);

    f.dialogs.reset();
    f.dialogs.fileAnswers.enqueue(path);
    f.action("mnuFile_SaveAs")->trigger();
    QCOMPARE(f.dialogs.errors(),
             QStringList{QStringLiteral("Error Saving File:\r\n") + path + readOnly});
    QCOMPARE(bytesOnDisk(), before);
}

void MainWindowDocumentTest::failedOpenLeavesProjectAsItWas_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<qint64>("size");        // the file's size when it is to be this large
    QTest::addColumn<bool>("byDialog");
    QTest::newRow("not a project") << QByteArray("shopping list\r\neggs\r\n") << 0LL << true;
    QTest::newRow("another version") << QByteArray("TVC_Ver02\r\n1\r\n") << 0LL << true;
    QTest::newRow("cut short") << QByteArray("TVC_Ver01\r\n1\r\nBed\r\n") << 0LL << true;
    QTest::newRow("too large") << QByteArray("TVC_Ver01\r\n") << (65LL << 20) << true;
    QTest::newRow("missing, from the command line") << QByteArray() << 0LL << false;
}

void MainWindowDocumentTest::failedOpenLeavesProjectAsItWas()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    QFETCH(bool, byDialog);
    WindowFixture f;
    f.fillMethod2Example(true);
    f.dialogs.fileAnswers.enqueue(f.workPath(QStringLiteral("mine.tvc")));
    f.action("mnuFile_SaveAs")->trigger();
    f.clickCalculate();
    QVERIFY(f.window().ResultsValid());
    const QStringList before = projectAsShown(f);

    const QString path = f.workPath(QStringLiteral("bad.tvc"));
    const BadFile made = makeBadFile(path, content, size);
    if (made == BadFile::NoFifos)
        QSKIP("this system has no FIFOs");
    QVERIFY(made == BadFile::Made);
    f.dialogs.reset();
    if (byDialog) {
        f.dialogs.fileAnswers.enqueue(path);
        f.action("mnuFile_Open")->trigger();
    } else {
        QVERIFY(!f.window().openNativeFile(QFile::encodeName(path)));
    }
    QCOMPARE(f.dialogs.count(Shown::Question), 0); // nothing was unsaved
    QCOMPARE(f.dialogs.errors().size(), 1);
    QCOMPARE(projectAsShown(f), before);
}

void MainWindowDocumentTest::pastedLineBreaksNeverReachTheFile_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    QTest::newRow("trailing LF") << "Bed A\n"
                                 << "Bed A";
    QTest::newRow("trailing CR LF") << "Bed A\r\n"
                                    << "Bed A";
    QTest::newRow("inner CR LF") << "North\r\nlot"
                                 << "North lot";
    QTest::newRow("inner LF and CR") << "a\nb\rc\r\n\r\n"
                                     << "a b c";
}

void MainWindowDocumentTest::pastedLineBreaksNeverReachTheFile()
{
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    WindowFixture f;
    f.fillMethod1Example();
    QLineEdit *name = f.text("txtProjectName");
    name->selectAll();
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(name->text(), kept);

    const QString path = f.workPath(QStringLiteral("pasted.tvc"));
    f.dialogs.fileAnswers.enqueue(path);
    f.action("mnuFile_Save")->trigger();
    QCOMPARE(f.dialogs.count(Shown::Error), 0);
    WindowFixture reopened;
    QVERIFY(reopened.window().openFile(path));
    QCOMPARE(reopened.text("txtProjectName")->text(), kept);
    QCOMPARE(reopened.text("txtBaseElevation")->text(), QStringLiteral("100"));
}

void MainWindowDocumentTest::openFailuresSaySo_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<bool>("byDialog");
    QTest::addColumn<QString>("message"); // %1: the path; "..." the reader's reason
    QTest::newRow("missing, from the command line")
        << QByteArray() << false << "Cannot open the file:\r\n%1\r\nIt does not exist.";
    QTest::newRow("bad method, from the command line")
        << QByteArray("TVC_Ver01\r\n7\r\n") << false << "Cannot open the file:\r\n%1\r\n...";
    QTest::newRow("bad method, File > Open")
        << QByteArray("TVC_Ver01\r\n7\r\n") << true << "Cannot open the file:\r\n%1\r\n...";
    QTest::newRow("not a project, from the command line")
        << QByteArray("eggs\r\n") << false << "The selected file input format is invalid\r\n%1";
    QTest::newRow("not a project, File > Open")
        << QByteArray("\x89PNG\r\n\x1a\n") << true
        << "The selected file input format is invalid\r\n%1";
    QTest::newRow("invalid UTF-8 after the mark")
        << QByteArray("\xEF\xBB\xBFTVC_Ver01\r\n1\r\n\xFF\xFE\xC0\xAF\xED\xA0\x80\xE2\x82\r\n")
        << true << "Cannot open the file:\r\n%1\r\nline 3 is not valid UTF-8";
    QTest::newRow("a folder, from the command line")
        << QByteArray("folder") << false << "Cannot open the file:\r\n%1\r\nthe file is a folder";
    QTest::newRow("a pipe, from the command line") << QByteArray("fifo") << false
                                                   << "Cannot open the file:\r\n%1\r\nthe file is "
                                                      "not an ordinary file";
}

void MainWindowDocumentTest::openFailuresSaySo()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, byDialog);
    QFETCH(QString, message);
    WindowFixture f;
    const QString path = f.workPath(QStringLiteral("bad.tvc"));
    const BadFile made = makeBadFile(path, content);
    if (made == BadFile::NoFifos)
        QSKIP("this system has no FIFOs");
    QVERIFY(made == BadFile::Made);
    if (byDialog) {
        f.dialogs.fileAnswers.enqueue(path);
        f.action("mnuFile_Open")->trigger();
    } else {
        QVERIFY(!f.window().openNativeFile(QFile::encodeName(path)));
    }
    QCOMPARE(f.dialogs.errors().size(), 1);
    const QString shown = f.dialogs.errors().constFirst();
    const QString expected = message.contains(QLatin1String("%1")) ? message.arg(path) : message;
    if (expected.endsWith(QLatin1String("...")))
        QVERIFY2(shown.startsWith(expected.chopped(3)) && shown.size() > expected.size(),
                 qPrintable(shown));
    else
        QCOMPARE(shown, expected);
    QCOMPARE(f.dialogs.shown.last().title, QStringLiteral("Error"));
    QVERIFY(f.window().CurrentFileName().isEmpty());
}

void MainWindowDocumentTest::nameThatIsNotUtf8OpensAndSaves()
{
    if (!SpecialFiles::namesAreBytes())
        QSKIP("file names are text on this system");
    WindowFixture f;
    f.fillMethod1Example();
    const QString plain = f.workPath(QStringLiteral("plain.tvc"));
    f.dialogs.fileAnswers.enqueue(plain);
    f.action("mnuFile_Save")->trigger();
    // The same project under a name whose bytes are Latin-1, not UTF-8.
    const QByteArray latin1 = QFile::encodeName(f.workPath({})) + "/caf\xe9\xff.tvc";
    const std::filesystem::path raw(latin1.toStdString());
    std::filesystem::copy_file(std::filesystem::path(plain.toStdString()), raw);

    WindowFixture other;
    QVERIFY(other.window().openNativeFile(latin1));
    QVERIFY(other.dialogs.shown.isEmpty());
    QCOMPARE(other.text("txtProjectName")->text(), QStringLiteral("Bed A"));
    QCOMPARE(other.window().windowTitle(), QFile::decodeName(latin1));

    other.type("txtProjectName", QStringLiteral("Bed B"));
    other.action("mnuFile_Save")->trigger();
    QVERIFY(other.dialogs.shown.isEmpty()); // no dialog, no error: the file was found
    std::ifstream saved(raw, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(saved)), {});
    QVERIFY(bytes.find("\r\nBed B\r\n") != std::string::npos);
    int files = 0;
    for (const auto &entry : std::filesystem::directory_iterator(raw.parent_path())) {
        Q_UNUSED(entry);
        ++files;
    }
    QCOMPARE(files, 2);           // plain.tvc and the Latin-1 name, nothing under a mangled name
    std::filesystem::remove(raw); // QTemporaryDir cannot name it to remove it
}

void MainWindowDocumentTest::saveAsksBeforeReplacingAFileChangedOnDisk()
{
    const QString question =
        QStringLiteral("The file has changed since it was opened. Replace it?");
    WindowFixture f;
    f.fillMethod1Example();
    const QString path = f.workPath(QStringLiteral("shared.tvc"));
    f.dialogs.fileAnswers.enqueue(path);
    f.action("mnuFile_Save")->trigger();

    // Another program (or another copy of this one) saves the file meanwhile.
    const QByteArray theirs = bytesOf(path).replace("Bed A", "Bed Z");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(theirs);
    file.close();

    f.type("txtProjectName", QStringLiteral("Bed B"));
    f.dialogs.shown.clear();
    f.action("mnuFile_Save")->trigger(); // No: theirs stays
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().text, question);
    QCOMPARE(f.dialogs.shown.first().title, QStringLiteral("Warning"));
    QCOMPARE(bytesOf(path), theirs);
    QVERIFY(f.window().DataChanged());

    f.dialogs.yesNoAnswers.enqueue(true);
    f.action("mnuFile_Save")->trigger(); // Yes: ours replaces it
    QVERIFY(bytesOf(path).contains("\r\nBed B\r\n"));
    QVERIFY(!f.window().DataChanged());

    f.dialogs.shown.clear(); // unchanged since our own save: no question
    f.type("txtProjectName", QStringLiteral("Bed C"));
    f.action("mnuFile_Save")->trigger();
    QVERIFY(f.dialogs.shown.isEmpty());
    QVERIFY(bytesOf(path).contains("\r\nBed C\r\n"));
}

void MainWindowDocumentTest::longestNameIsKeptWholeAndALongerOneRefused()
{
    WindowFixture f;
    f.fillMethod1Example();
    const QString path = f.workPath(QStringLiteral("long.tvc"));
    f.dialogs.fileAnswers.enqueue(path);
    f.action("mnuFile_Save")->trigger();
    const QByteArray saved = bytesOf(path);
    // 32767 UTF-16 units, as many as a text box takes: two for each emoji.
    QByteArray longest = "\xEF\xBB\xBF" + saved;
    longest.replace(
        "Bed A",
        QString(16383, QChar(0x263A)).toUtf8().replace("\xE2\x98\xBA", "\xF0\x9F\x98\x80") + "x");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(longest);
    file.close();

    WindowFixture reader;
    QVERIFY(reader.window().openFile(path));
    QCOMPARE(reader.text("txtProjectName")->text().size(), 32767);
    reader.type("txtBaseElevation", QStringLiteral("101"));
    reader.action("mnuFile_Save")->trigger();
    QVERIFY(reader.dialogs.errors().isEmpty());
    QCOMPARE(bytesOf(path), QByteArray(longest).replace("\r\n100\r\n", "\r\n101\r\n"));

    // One unit more would be cut by the text box: the file is refused instead.
    QByteArray longer = saved;
    longer.replace("Bed A", QByteArray(40000, 'x'));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(longer);
    file.close();
    WindowFixture refuser;
    QVERIFY(!refuser.window().openFile(path));
    QCOMPARE(refuser.dialogs.errors().constFirst(),
             QStringLiteral("Cannot open the file:\r\n%1\r\nline 3: the project name is longer "
                            "than 32767 characters")
                 .arg(path));
}

QTEST_MAIN(MainWindowDocumentTest)
#include "MainWindowDocumentTest.moc"
