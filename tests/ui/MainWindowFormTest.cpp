// The main window's make-up: start-up state, captions and menus, the row arrangement of
// each method, the Enter chain, the resize rule and the page switch.
#include "HelpViewerHost.h"
#include "InputRows.h"
#include "ReportDocument.h"
#include "ReportView.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QProcess>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyleOptionMenuItem>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <QTextEdit>
#include <array>

class MainWindowFormTest : public QObject
{
    Q_OBJECT

private slots:
    void startUpState();
    void captionsAtTheWindowFont();
    void arrangeInputFields_data();
    void arrangeInputFields();
    void switchingMethodsKeepsTypedValues();
    void enterChain_data();
    void enterChain();
    void digitsAfterEnterInChamberListReachNextField();
    void resizeWiderAndShorter();
    void resizeTooNarrowKeepsLastSize();
    void pageSwitch();
    void reportTabStops_data();
    void reportTabStops();
    void helpImageSizesAreCheckMarks();
    void helpPageWithoutControlLibrary();
    void helpPageHostsRegisteredViewer();
    void helpImageSizeShowsThatPictureInTheViewer();
    void helpImageSizesFollowTheImageFiles();
};

void MainWindowFormTest::startUpState()
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
    // Only the file commands, Size the Bed and Calculate take keys; the fields keep all others.
    const QStringList withKeys = {"mnuFile_Open",  "mnuFile_Save",      "mnuFile_SaveAs",
                                  "mnuFile_Print", "mnuDesign_SizeBed", "actCalculate"};
    for (QAction *item : w.findChildren<QAction *>())
        QVERIFY2(item->shortcut().isEmpty() == !withKeys.contains(item->objectName()),
                 qPrintable(item->objectName()));
}

void MainWindowFormTest::captionsAtTheWindowFont()
{
    WindowFixture f;
    const qreal windowSize = f.window().font().pointSizeF();
    auto fitsWhole = [windowSize](QWidget *widget) {
        const QString name = widget->objectName();
        QVERIFY2(widget->font().pointSizeF() == windowSize, qPrintable(name));
        QVERIFY2(widget->width() >= widget->sizeHint().width(), qPrintable(name));
    };
    auto *panel = f.window().findChild<InputRows *>(QStringLiteral("picInput"));
    for (int method : {1, 2}) {
        f.clickMethod(method);
        for (int row = 0; row < panel->rowCount(); ++row) {
            QLabel *label = panel->label(row);
            if (!label->isVisible())
                continue;
            fitsWhole(label);
            QCOMPARE(label->x(), 10);
            QVERIFY2(label->geometry().right() + 4 < panel->control(row)->x(),
                     qPrintable(label->objectName()));
        }
    }
    for (const char *name :
         {"optMethod_1", "optMethod_2", "chkBottomArea", "cmdHelp", "cmdCalculate"})
        fitsWhole(f.window().findChild<QWidget *>(QString::fromLatin1(name)));
    auto *help = f.window().findChild<QWidget *>(QStringLiteral("cmdHelp"));
    QVERIFY(f.bottomArea()->geometry().right() < help->x());
    QCOMPARE(help->y(), 441);
}

void MainWindowFormTest::arrangeInputFields_data()
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

void MainWindowFormTest::arrangeInputFields()
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
        // One field column (at 260 or right of it where the captions need it), the
        // perimeter field one pixel further.
        const int column = f.text("txtProjectName")->x();
        QVERIFY(column >= 260);
        QCOMPARE(child->x(), name == QLatin1String("txtPerimeterThickness") ? column + 1 : column);
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

void MainWindowFormTest::switchingMethodsKeepsTypedValues()
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

void MainWindowFormTest::enterChain_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QStringList>("chain");
    QTest::newRow("method #1") << 1 << QStringList{"txtProjectName",     "cmbChamberType",
                                                   "txtNumChambers",     "txtBedArea",
                                                   "txtFoundationDepth", "txtCoverThickness",
                                                   "txtPorosity",        "txtBaseElevation",
                                                   "chkBottomArea"};
    QTest::newRow("method #2") << 2
                               << QStringList{"txtProjectName",
                                              "cmbChamberType",
                                              "txtRows",
                                              "txtCols",
                                              "txtFoundationDepth",
                                              "txtCoverThickness",
                                              "txtInternalSpacing",
                                              "txtPerimeterThickness",
                                              "txtPorosity",
                                              "txtBaseElevation",
                                              "chkBottomArea"};
}

void MainWindowFormTest::enterChain()
{
    QFETCH(int, method);
    QFETCH(QStringList, chain);
    WindowFixture f;
    f.clickMethod(method);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        auto *from = f.window().findChild<QWidget *>(chain.at(i));
        from->setFocus();
        const auto shown = [&] {
            auto *edit = qobject_cast<QLineEdit *>(from);
            return edit ? edit->text() : f.chamberType()->currentText();
        };
        const QString before = shown();
        QTest::keyClick(from, i % 2 ? Qt::Key_Enter : Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), chain.at(i + 1));
        // The key is consumed, not typed.
        QCOMPARE(shown(), before);
    }
}

void MainWindowFormTest::digitsAfterEnterInChamberListReachNextField()
{
    for (const int method : {1, 2}) {
        WindowFixture f;
        f.clickMethod(method);
        f.pickChamberType(1);
        f.chamberType()->setFocus();
        QTest::keyClick(f.chamberType(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
        QCOMPARE(f.text(method == 1 ? "txtNumChambers" : "txtRows")->text(), QStringLiteral("12"));
        QCOMPARE(f.chamberType()->currentIndex(), 1);
    }
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

void MainWindowFormTest::resizeWiderAndShorter()
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

void MainWindowFormTest::resizeTooNarrowKeepsLastSize()
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

void MainWindowFormTest::pageSwitch()
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

namespace {

// Where the text after each tab of a report line starts, from the left of the line's text,
// as laid out in the Output tab.
QList<qreal> startsAfterTabsInView(QTextEdit *view, const QTextBlock &block)
{
    QList<qreal> starts;
    const auto xAt = [view, &block](int offset) {
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + offset);
        return qreal(view->cursorRect(cursor).left());
    };
    const QString text = block.text();
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\t'))
            starts.append(xAt(i + 1) - xAt(0));
    }
    return starts;
}

// The printed lines of a PDF as poppler's text extraction reads them: per page and top,
// the words from left to right with where each starts (points).
QMap<QPair<int, int>, QMap<qreal, QString>> pdfLines(const QString &pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    tool.waitForFinished(30000);
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    QMap<QPair<int, int>, QMap<qreal, QString>> lines;
    const QStringList pages =
        QString::fromUtf8(tool.readAllStandardOutput()).split(QStringLiteral("<page "));
    for (int page = 0; page < pages.size(); ++page)
        for (const QRegularExpressionMatch &m : word.globalMatch(pages.at(page)))
            lines[{page, qRound(m.captured(2).toDouble())}].insert(m.captured(1).toDouble(),
                                                                   m.captured(3));
    return lines;
}

// Where the first word after each tab of a report line starts on paper, from `left`.
QList<qreal> startsAfterTabsInPdf(const QMap<QPair<int, int>, QMap<qreal, QString>> &lines,
                                  const QString &line, qreal left)
{
    QStringList words;
    QList<int> firstWords;
    for (const QString &field : line.split(QLatin1Char('\t')).mid(1)) {
        firstWords.append(int(words.size()));
        words += field.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    for (const QMap<qreal, QString> &printed : lines) {
        if (printed.values() != words)
            continue;
        QList<qreal> starts;
        for (int index : firstWords)
            starts.append(printed.keys().at(index) - left);
        return starts;
    }
    return {};
}

} // namespace

void MainWindowFormTest::reportTabStops_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::newRow("Output tab") << false;
    QTest::newRow("exported PDF") << true;
}

void MainWindowFormTest::reportTabStops()
{
    QFETCH(bool, pdf);
    WindowFixture f;
    f.fillMethod2Example();
    f.clickCalculate();
    QVERIFY(f.window().ResultsValid());
    const qreal x = QFontMetricsF(f.window().font()).horizontalAdvance(QLatin1Char('X'));
    QList<qreal> stops = {5 * x, 18 * x, 31 * x, 44 * x};

    QList<QList<qreal>> starts; // per report line with tabs
    QTextEdit *view = f.report();
    if (!pdf) {
        QVERIFY(view->isVisible());
        for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
            if (block.text().contains(QLatin1Char('\t')))
                starts.append(startsAfterTabsInView(view, block));
    } else {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const ReportContent content = f.window().reportContent();
        ReportDocument report(content);
        const QString path = f.workPath(QStringLiteral("report.pdf"));
        QVERIFY2(report.writePdf(path), qPrintable(report.errorString()));
        const auto lines = pdfLines(path);
        qreal left = -1; // where "[User Input]" starts
        for (const QMap<qreal, QString> &printed : lines)
            if (printed.first() == QLatin1String("[User"))
                left = printed.firstKey();
        QVERIFY(left >= 0);
        // The stops on paper: the screen's lengths in points.
        const qreal pointsPerPixel = 72.0 / view->logicalDpiX();
        for (qreal &stop : stops)
            stop *= pointsPerPixel;
        for (const QString &line : content.reportText.split(QStringLiteral("\r\n")))
            if (line.contains(QLatin1Char('\t'))) {
                starts.append(startsAfterTabsInPdf(lines, line, left));
                QVERIFY2(!starts.constLast().isEmpty(), qPrintable(line));
            }
    }
    // Every line of the report keeps its text left of the next stop, so the k-th tab
    // reaches the k-th stop.
    QVERIFY(starts.size() > 20);
    const qreal tolerance = pdf ? 0.6 : 1.0;
    for (const QList<qreal> &line : starts)
        for (qsizetype k = 0; k < line.size(); ++k)
            QVERIFY2(qAbs(line.at(k) - stops.at(k)) <= tolerance,
                     qPrintable(QStringLiteral("tab %1 reaches %2, its stop is at %3")
                                    .arg(k + 1)
                                    .arg(line.at(k))
                                    .arg(stops.at(k))));
}

namespace {

// Notes what the style is asked to draw for each menu item.
class MenuItemRecorder : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_MenuItem)
            if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option))
                items.insert(item->text, {item->checkType, item->checked});
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable QHash<QString, QPair<QStyleOptionMenuItem::CheckType, bool>> items;
};

} // namespace

void MainWindowFormTest::helpImageSizesAreCheckMarks()
{
    WindowFixture f(false, {QStringLiteral("H100dpi.png"), QStringLiteral("H150dpi.png")});
    f.action("mnuHelp_Image_Size_3")->trigger();
    auto *menu = f.window().findChild<QMenu *>(QStringLiteral("mnuHelp_Image"));
    QVERIFY(menu);
    MenuItemRecorder style;
    menu->setStyle(&style);
    menu->grab(); // the menu as it shows, drawn by the style
    menu->setStyle(nullptr);
    const QStringList captions = {"Smallest", "Small", "Medium", "Large"};
    for (int i = 0; i < captions.size(); ++i) {
        QVERIFY2(style.items.contains(captions.at(i)), qPrintable(captions.at(i)));
        const auto [checkType, checked] = style.items.value(captions.at(i));
        QCOMPARE(checkType, QStyleOptionMenuItem::NonExclusive); // a check mark
        QCOMPARE(checked, i == 2);
    }
}

void MainWindowFormTest::helpPageWithoutControlLibrary()
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

void MainWindowFormTest::helpPageHostsRegisteredViewer()
{
    WindowFixture f(true);
    HelpViewerHost *host = f.window().helpViewer();
    QVERIFY2(host->hasViewer(), qPrintable(host->errorString()));
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
}

void MainWindowFormTest::helpImageSizeShowsThatPictureInTheViewer()
{
    WindowFixture f(true, {QStringLiteral("H075dpi.png"), QStringLiteral("H200dpi.png")});
    QWidget *viewer = f.window().helpViewer()->widget();
    QCOMPARE(viewer->property("ImageWidth").toInt(), 16); // the first size that loads

    f.action("mnuHelp_Image_Size_4")->trigger();
    QCOMPARE(viewer->property("ImageWidth").toInt(), 32);
    QVERIFY(f.action("mnuHelp_Image_Size_4")->isChecked());
    QVERIFY(!f.action("mnuHelp_Image_Size_1")->isChecked());

    // A size whose file went missing moves the check mark but keeps the picture.
    QVERIFY(QFile::remove(QDir(f.appDir()).filePath(QStringLiteral("H075dpi.png"))));
    f.action("mnuHelp_Image_Size_1")->trigger();
    QCOMPARE(viewer->property("ImageWidth").toInt(), 32);
    QVERIFY(f.action("mnuHelp_Image_Size_1")->isChecked());
}

void MainWindowFormTest::helpImageSizesFollowTheImageFiles()
{
    WindowFixture f(false, {QStringLiteral("H150dpi.png")});
    const std::array<const char *, 4> sizes = {"mnuHelp_Image_Size_1", "mnuHelp_Image_Size_2",
                                               "mnuHelp_Image_Size_3", "mnuHelp_Image_Size_4"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(f.action(sizes[i])->isEnabled(), i == 2);
        QCOMPARE(f.action(sizes[i])->isChecked(), i == 2);
    }
}

QTEST_MAIN(MainWindowFormTest)
#include "MainWindowFormTest.moc"
