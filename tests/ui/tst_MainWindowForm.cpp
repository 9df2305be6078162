// The main window's make-up: start-up state, captions and menus, the row arrangement of
// each method, the Enter chain, the resize rule and the page switch.
#include "HelpViewerHost.h"
#include "ReportView.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <QTextEdit>
#include <array>

class tst_MainWindowForm : public QObject
{
    Q_OBJECT

private slots:
    void startUpState();
    void rowCaptionsFitLeftOfTheFields();
    void arrangeInputFields_data();
    void arrangeInputFields();
    void switchingMethodsKeepsTypedValues();
    void enterChain_data();
    void enterChain();
    void enterInChamberListDoesNotMove();
    void resizeWiderAndShorter();
    void resizeTooNarrowKeepsLastSize();
    void pageSwitch();
    void reportFontAndTabStops();
    void helpPageWithoutControlLibrary();
    void helpPageHostsRegisteredViewer();
    void helpImageSizesFollowTheImageFiles();
};

void tst_MainWindowForm::startUpState()
{
    WindowFixture f;
    frmTessivaneMain &w = f.window();
    QCOMPARE(w.windowTitle(), QStringLiteral("Tessivane Stage vs Area Calculator for VELDO 3.2"));
    QCOMPARE(w.BaseCaption(), w.windowTitle());
    QCOMPARE(w.centralWidget()->size(), QSize(762, 617));
    QVERIFY(!w.DataChanged()); // the start-up texts are not edits
    QVERIFY(!w.ResultsValid());
    QVERIFY(w.CurrentFileName().isEmpty());
    QCOMPARE(f.tabs()->currentIndex(), 0);

    QCOMPARE(f.chamberType()->count(), 2);
    QCOMPARE(f.chamberType()->itemText(0), QStringLiteral("RX-160"));
    QCOMPARE(f.chamberType()->itemText(1), QStringLiteral("RX-300"));
    QCOMPARE(f.chamberType()->currentIndex(), -1);
    QVERIFY(!f.chamberType()->isEditable());
    QVERIFY(f.method(1)->isChecked());
    QVERIFY(!f.bottomArea()->isChecked());

    const QList<QPair<const char *, QString>> startTexts = {
        {"txtFoundationDepth", "6"},     {"txtCoverThickness", "6"}, {"txtInternalSpacing", "6"},
        {"txtPerimeterThickness", "12"}, {"txtPorosity", "40"},      {"txtBaseElevation", {}}};
    for (const auto &[name, expected] : startTexts)
        QCOMPARE(f.text(name)->text(), expected);
    QVERIFY(f.report()->toPlainText().isEmpty());

    QVERIFY(!f.action("mnuHelp_Manual")->isVisible());
    QVERIFY(!f.action("mnuHelp_Manual")->isEnabled());
    for (QAction *item : w.findChildren<QAction *>())
        QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->objectName()));
}

void tst_MainWindowForm::rowCaptionsFitLeftOfTheFields()
{
    WindowFixture f;
    f.clickMethod(2); // shows the longest captions
    for (QLabel *label : f.window().findChildren<QLabel *>()) {
        if (!label->objectName().startsWith(QLatin1String("lbl")) || !label->isVisible())
            continue;
        QVERIFY2(label->x() + label->sizeHint().width() <= 260, qPrintable(label->objectName()));
        QCOMPARE(label->x(), 10);
    }
    QVERIFY(f.bottomArea()->sizeHint().width() <= 350);
}

void tst_MainWindowForm::arrangeInputFields_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<int>>("tops");

    const QStringList method1 = {"txtProjectName", "cmbChamberType",     "txtNumChambers",
                                 "txtBedArea",     "txtFoundationDepth", "txtCoverThickness",
                                 "txtPorosity",    "txtBaseElevation"};
    const QStringList method2 = {"txtProjectName",
                                 "cmbChamberType",
                                 "txtRows",
                                 "txtCols",
                                 "txtFoundationDepth",
                                 "txtCoverThickness",
                                 "txtInternalSpacing",
                                 "txtPerimeterThickness",
                                 "txtPorosity",
                                 "txtBaseElevation"};
    QTest::newRow("method #1") << 1 << method1 << QList<int>{10, 40, 70, 100, 130, 160, 190, 220};
    QTest::newRow("method #2") << 2 << method2
                               << QList<int>{10, 40, 70, 100, 130, 160, 190, 220, 250, 280};
    QTest::newRow("back to #1") << -1 << method1 << QList<int>{10, 40, 70, 100, 130, 160, 190, 220};
}

void tst_MainWindowForm::arrangeInputFields()
{
    QFETCH(int, method);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, tops);

    WindowFixture f;
    if (method == -1) {
        f.clickMethod(2);
        f.clickMethod(1);
    } else {
        f.clickMethod(method);
    }

    QWidget *panel = f.window().findChild<QWidget *>(QStringLiteral("picInput"));
    int visibleFields = 0;
    for (QWidget *child : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QString name = child->objectName();
        if (name.startsWith(QLatin1String("lbl")))
            continue;
        const qsizetype index = shown.indexOf(name);
        QCOMPARE(child->isVisibleTo(panel), index >= 0);
        if (index < 0)
            continue;
        ++visibleFields;
        QCOMPARE(child->y(), tops.at(index));
        QCOMPARE(child->x(), name == QLatin1String("txtPerimeterThickness") ? 261 : 260);
        QCOMPARE(child->width(), name == QLatin1String("txtProjectName") ? 300 : 100);
        QCOMPARE(child->height(), 21);
    }
    QCOMPARE(visibleFields, shown.size());

    // Each shown label sits 4 below its field; hidden rows hide their labels too.
    for (QLabel *label : panel->findChildren<QLabel *>()) {
        QCOMPARE(label->x(), 10);
        if (label->isVisibleTo(panel))
            QVERIFY2(tops.contains(label->y() - 4), qPrintable(label->objectName()));
    }
}

void tst_MainWindowForm::switchingMethodsKeepsTypedValues()
{
    WindowFixture f;
    f.type("txtNumChambers", QStringLiteral("25"));
    f.clickMethod(2);
    f.type("txtRows", QStringLiteral("4"));
    f.clickMethod(1);
    QCOMPARE(f.text("txtNumChambers")->text(), QStringLiteral("25"));
    f.clickMethod(2);
    QCOMPARE(f.text("txtRows")->text(), QStringLiteral("4"));
}

void tst_MainWindowForm::enterChain_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QStringList>("chain");
    QTest::newRow("method #1") << 1 << QStringList{"txtProjectName",     "cmbChamberType",
                                                   "txtNumChambers",     "txtBedArea",
                                                   "txtFoundationDepth", "txtCoverThickness",
                                                   "txtPorosity",        "txtBaseElevation",
                                                   "chkBottomArea"};
    QTest::newRow("method #2") << 2
                               << QStringList{"txtRows",
                                              "txtCols",
                                              "txtFoundationDepth",
                                              "txtCoverThickness",
                                              "txtInternalSpacing",
                                              "txtPerimeterThickness",
                                              "txtPorosity",
                                              "txtBaseElevation",
                                              "chkBottomArea"};
}

void tst_MainWindowForm::enterChain()
{
    QFETCH(int, method);
    QFETCH(QStringList, chain);
    WindowFixture f;
    f.clickMethod(method);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        auto *from = f.window().findChild<QWidget *>(chain.at(i));
        if (chain.at(i) == QLatin1String("cmbChamberType"))
            continue; // the list has no Enter handling; the chain resumes after it
        from->setFocus();
        const QString before = f.text(qPrintable(chain.at(i)))->text();
        QTest::keyClick(from, i % 2 ? Qt::Key_Enter : Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), chain.at(i + 1));
        // The key is consumed, not typed.
        QCOMPARE(f.text(qPrintable(chain.at(i)))->text(), before);
    }
}

void tst_MainWindowForm::enterInChamberListDoesNotMove()
{
    WindowFixture f;
    f.chamberType()->setFocus();
    QTest::keyClick(f.chamberType(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.chamberType());
}

namespace {

struct LayoutSnapshot
{
    QRect tabs, page1, report, help, methodFrame, inputFrame, panel, calculate, firstField;
};

LayoutSnapshot snapshot(WindowFixture &f)
{
    frmTessivaneMain &w = f.window();
    return {f.tabs()->geometry(),
            w.findChild<QWidget *>(QStringLiteral("picPage1"))->geometry(),
            f.report()->geometry(),
            w.helpViewer()->widget()->geometry(),
            w.findChild<QWidget *>(QStringLiteral("grpCalculationMethod"))->geometry(),
            w.findChild<QWidget *>(QStringLiteral("grpInputParameters"))->geometry(),
            w.findChild<QWidget *>(QStringLiteral("picInput"))->geometry(),
            w.findChild<QWidget *>(QStringLiteral("cmdCalculate"))->geometry(),
            f.text("txtProjectName")->geometry()};
}

void resizeClient(WindowFixture &f, int width, int height)
{
    f.window().centralWidget()->resize(width, height);
}

} // namespace

void tst_MainWindowForm::resizeWiderAndShorter()
{
    WindowFixture f;
    const LayoutSnapshot before = snapshot(f);
    QCOMPARE(before.tabs, QRect(10, 10, 742, 597));
    const int strip = f.tabs()->tabBar()->sizeHint().height();
    QCOMPARE(before.page1, QRect(10, strip + 10, 722, 597 - strip - 20));
    QCOMPARE(before.report, before.page1);
    QCOMPARE(before.help, before.page1);
    QCOMPARE(before.methodFrame, QRect(0, 0, 722, 81));
    QCOMPARE(before.inputFrame, QRect(0, 90, 722, 335));
    QCOMPARE(before.panel, QRect(10, 20, 702, 305));

    resizeClient(f, 762 + 50, 617);
    const LayoutSnapshot after = snapshot(f);
    for (const auto &[was, now] : {std::pair{before.tabs, after.tabs},
                                   {before.page1, after.page1},
                                   {before.report, after.report},
                                   {before.help, after.help},
                                   {before.methodFrame, after.methodFrame},
                                   {before.inputFrame, after.inputFrame},
                                   {before.panel, after.panel}})
        QCOMPARE(now, was.adjusted(0, 0, 50, 0));
    QCOMPARE(after.calculate, before.calculate);
    QCOMPARE(after.firstField, before.firstField);

    // Shorter: only the tab control and the pages lose height; the frames keep theirs.
    resizeClient(f, 762, 617 - 200);
    const LayoutSnapshot shorter = snapshot(f);
    QCOMPARE(shorter.tabs, before.tabs.adjusted(0, 0, 0, -200));
    QCOMPARE(shorter.report, before.report.adjusted(0, 0, 0, -200));
    QCOMPARE(shorter.inputFrame, before.inputFrame);
    QCOMPARE(shorter.panel, before.panel);
}

void tst_MainWindowForm::resizeTooNarrowKeepsLastSize()
{
    WindowFixture f;
    resizeClient(f, 300, 617);
    const LayoutSnapshot valid = snapshot(f);
    resizeClient(f, 20, 617); // W - 20 would be 0
    QCOMPARE(snapshot(f).tabs, valid.tabs);
    QCOMPARE(snapshot(f).page1, valid.page1);
    resizeClient(f, 0, 0); // minimized
    QCOMPARE(snapshot(f).tabs, valid.tabs);
    QCOMPARE(snapshot(f).panel, valid.panel);
    resizeClient(f, 21, 617); // the first width that moves it again
    QCOMPARE(f.tabs()->geometry(), QRect(10, 10, 1, 597));
}

void tst_MainWindowForm::pageSwitch()
{
    WindowFixture f;
    QWidget *page1 = f.window().findChild<QWidget *>(QStringLiteral("picPage1"));
    QWidget *help = f.window().helpViewer()->widget();
    struct Expect
    {
        int tab;
        bool page1, report, help;
    };
    for (const Expect &e : {Expect{1, false, true, false}, Expect{2, false, false, true},
                            Expect{0, true, false, false}}) {
        QTest::mouseClick(f.tabs()->tabBar(), Qt::LeftButton, {},
                          f.tabs()->tabBar()->tabRect(e.tab).center());
        QCOMPARE(f.tabs()->currentIndex(), e.tab);
        QCOMPARE(page1->isVisible(), e.page1);
        QCOMPARE(f.report()->isVisible(), e.report);
        QCOMPARE(help->isVisible(), e.help);
    }
}

void tst_MainWindowForm::reportFontAndTabStops()
{
    WindowFixture f;
    const QFontMetricsF report(f.report()->font());
    QCOMPARE(report.horizontalAdvance(QLatin1Char('i')),
             report.horizontalAdvance(QLatin1Char('W')));
    const qreal x = QFontMetricsF(f.window().font()).horizontalAdvance(QLatin1Char('X'));
    auto *view = qobject_cast<ReportView *>(f.report());
    QVERIFY(view);
    const QList<qreal> expected = {5 * x, 18 * x, 31 * x, 44 * x};
    QCOMPARE(view->tabStopPositions(), expected);
    // A report shown later still uses them.
    view->setReport("[User Input]\r\n\tA\tB\r\n");
    QCOMPARE(view->tabStopPositions(), expected);
    QCOMPARE(view->toPlainText(), QStringLiteral("[User Input]\n\tA\tB\n"));
    QCOMPARE(view->report(), std::string("[User Input]\r\n\tA\tB\r\n"));
}

void tst_MainWindowForm::helpPageWithoutControlLibrary()
{
    WindowFixture f; // its registry is empty
    HelpViewerHost *host = f.window().helpViewer();
    QVERIFY(!host->hasViewer());
    auto *notice = qobject_cast<QLabel *>(host->widget());
    QVERIFY(notice);
    QVERIFY(notice->text().contains(QStringLiteral("VeldoSharedControls.ctrlPictureViewer")));
    QVERIFY(!host->SetPicture(QPixmap(8, 8)));
    f.tabs()->setCurrentIndex(2);
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->geometry(), f.report()->geometry());
}

void tst_MainWindowForm::helpPageHostsRegisteredViewer()
{
#ifndef VELDO_CONTROLS_LIBRARY
    QSKIP("the control library is not part of this build");
#else
    WindowFixture f(true);
    HelpViewerHost *host = f.window().helpViewer();
    QVERIFY2(host->hasViewer(), qPrintable(host->failure()));
    QCOMPARE(host->widget()->objectName(), QStringLiteral("ctrlPictureViewer1"));
    QCOMPARE(host->widget()->parentWidget(), f.tabs());
    QPixmap picture(40, 30);
    picture.fill(Qt::blue);
    QVERIFY(host->SetPicture(picture));
    QVERIFY(host->Refresh());
    QVERIFY(!host->widget()->isVisible());
    f.tabs()->setCurrentIndex(2);
    QVERIFY(host->widget()->isVisible());
    QCOMPARE(host->widget()->geometry(), f.report()->geometry());
#endif
}

void tst_MainWindowForm::helpImageSizesFollowTheImageFiles()
{
    WindowFixture f(false, {QStringLiteral("H150dpi.png")});
    const std::array<const char *, 4> sizes = {"mnuHelp_Image_Size_1", "mnuHelp_Image_Size_2",
                                               "mnuHelp_Image_Size_3", "mnuHelp_Image_Size_4"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(f.action(sizes[i])->isEnabled(), i == 2);
        QCOMPARE(f.action(sizes[i])->isChecked(), i == 2);
    }
}

QTEST_MAIN(tst_MainWindowForm)
#include "tst_MainWindowForm.moc"
