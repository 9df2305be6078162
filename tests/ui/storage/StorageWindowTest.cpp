// The Storage tab and the report commands in the real window: the fourth tab, its figures for
// both methods and when they go, copying its table, the File menu's two items, and the PDF
// and printed report.
#include "PdfPages.h"
#include "StorageChart.h"
#include "StoragePage.h"
#include "WindowFixture.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

#include <optional>

using Shown = FakeUserDialogs::Shown;

namespace {

StoragePage *page(WindowFixture &f)
{
    return f.window().storagePage();
}

QString cell(WindowFixture &f, int row, int column)
{
    const QTableWidgetItem *item = page(f)->table()->item(row, column);
    return item ? item->text() : QString();
}

bool isEmptyPage(WindowFixture &f)
{
    return !page(f)->hasSummary() && page(f)->table()->rowCount() == 0 &&
           page(f)->totalTexts().isEmpty() && page(f)->chart()->summary().rows.empty() &&
           page(f)->findChild<QLabel *>(QStringLiteral("lblStorageHint"))->isVisibleTo(page(f));
}

void openFileMenu(WindowFixture &f)
{
    emit f.window().findChild<QMenu *>(QStringLiteral("mnuFile"))->aboutToShow();
}

bool reportCommandsEnabled(WindowFixture &f)
{
    openFileMenu(f);
    const bool pdf = f.action("mnuFile_ExportPdf")->isEnabled();
    const bool print = f.action("mnuFile_Print")->isEnabled();
    if (pdf != print)
        qFatal("the two report commands disagree");
    return pdf;
}

// A chamber table long enough for a report of several pages.
void writeLongChamberTable(WindowFixture &f)
{
    QFile file(f.appDir() + QStringLiteral("/RX-300.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray text = "Long test chamber\r\n30\r\n18\r\n48\r\n150\r\n";
    for (int i = 0; i < 150; ++i)
        text += QByteArray::number(i * 0.12) + ", " + QByteArray::number(i * 0.06) + "\r\n";
    file.write(text);
}

} // namespace

class StorageWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void fourthTabIsStorage();
    void tabFilledForWorkedExamples_data();
    void tabFilledForWorkedExamples();
    void tabEmptiesWhenResultIsDiscarded();
    void openedFileFillsTabAndSaysWhyBedIsUnknown();
    void reopenedProjectShowsTheFreshFigures();
    void storageTableCopies();
    void reportCommandsInFileMenu();
    void exportWritesPdf();
    void printRendersTheSameDocument();
    void longReportTakesMorePages();
    void chartTitlesStayInside_data();
    void chartTitlesStayInside();
};

void StorageWindowTest::fourthTabIsStorage()
{
    WindowFixture f;
    QTabWidget *tabs = f.tabs();
    QCOMPARE(tabs->count(), 4);
    const QStringList captions = {"Input Data", "Output", "Help", "Storage"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(tabs->tabText(i), captions.at(i));
    QVERIFY(isEmptyPage(f));

    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(3).center());
    QCOMPARE(tabs->currentIndex(), 3);
    QVERIFY(page(f)->isVisible());
    QVERIFY(!f.report()->isVisible());
    QVERIFY(!f.window().findChild<QWidget *>(QStringLiteral("picPage1"))->isVisible());
    QCOMPARE(page(f)->geometry(), f.report()->geometry());
    // The resize rule places it like the other pages.
    f.window().centralWidget()->resize(900, 500);
    QCOMPARE(page(f)->geometry(), f.report()->geometry());
    QCOMPARE(page(f)->width(), 900 - 40);

    tabs->setCurrentIndex(1);
    QVERIFY(!page(f)->isVisible());
    QVERIFY(f.report()->isVisible());
}

void StorageWindowTest::tabFilledForWorkedExamples_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("lastRow");
    QTest::addColumn<QStringList>("totals");

    // Known bed area: 10 chambers of 20 cu ft in 1000 sq ft, 3 ft deep at 40 % voids:
    // 0.4 * (3000 - 200) + 200 = 1320 cu ft; the pond: 400 * 0.5 + 460 + 460 + 400 / 12 +
    // 400 * (0.5 - 1 / 12).
    const QStringList method1 = {"Storage of the equivalent pond: 1320.000 cu ft",
                                 "Total storage of the bed: 1320.000 cu ft",
                                 "In the stone voids: 1120.000 cu ft",
                                 "In the chambers: 200.000 cu ft"};
    // The last interval runs from the written stage 102.5833, not 102.58333.
    QTest::newRow("#1") << 1 << false << 6 << QStringList{"103.0000", "400.00", "166.681",
                                                          "1320.000", "0.000",  "166.681"}
                        << method1;
    QTest::newRow("#1 bottom area")
        << 1 << true << 7
        << QStringList{"103.0000", "400.00", "166.681", "1320.000", "0.000", "166.681"} << method1;
    // Rectangular array: 12 x 7.5 ft, 6 chambers of 8 cu ft, 2 ft deep:
    // 0.4 * (180 - 48) + 48 = 100.8 cu ft.
    QTest::newRow("#2") << 2 << false << 6
                        << QStringList{"102.0000", "36.00", "15.001", "100.800", "0.000", "15.001"}
                        << QStringList{"Storage of the equivalent pond: 100.800 cu ft",
                                       "Total storage of the bed: 100.800 cu ft",
                                       "In the stone voids: 52.800 cu ft",
                                       "In the chambers: 48.000 cu ft"};
}

void StorageWindowTest::tabFilledForWorkedExamples()
{
    QFETCH(int, method);
    QFETCH(bool, checked);
    QFETCH(int, rows);
    QFETCH(QStringList, lastRow);
    QFETCH(QStringList, totals);

    WindowFixture f;
    f.fillExample(method, checked);
    f.clickCalculate();
    QVERIFY(f.window().ResultsValid());
    QCOMPARE(f.tabs()->currentIndex(), 1); // the Output tab still comes first

    QVERIFY(page(f)->hasSummary());
    QVERIFY(page(f)->summary().bedKnown);
    QCOMPARE(page(f)->table()->rowCount(), rows);
    QCOMPARE(cell(f, 0, 0), QStringLiteral("100.0000"));
    QCOMPARE(cell(f, 0, 3), QStringLiteral("0.000"));
    QStringList last;
    for (int column = 0; column < 6; ++column)
        last << cell(f, rows - 1, column);
    QCOMPARE(last, lastRow);
    QVERIFY(!page(f)->table()->isColumnHidden(5));
    // Shown as name over unit; the whole caption is the header's tip.
    QCOMPARE(page(f)->table()->horizontalHeaderItem(3)->text(),
             QStringLiteral("Cumulative\n(cu ft)"));
    for (int column = 0; column < 6; ++column)
        QCOMPARE(page(f)->table()->horizontalHeaderItem(column)->toolTip(),
                 (QStringList{"Stage (ft)", "Area (sq ft)", "Interval (cu ft)",
                              "Cumulative (cu ft)", "Chambers (cu ft)", "Stone voids (cu ft)"}
                      .at(column)));

    const QStringList shown = page(f)->totalTexts();
    QCOMPARE(shown.mid(0, 4), totals);
    QVERIFY2(shown.value(4).startsWith(QStringLiteral(
                 "The equivalent pond stores what the bed stores at every stage (largest "
                 "difference ")),
             qPrintable(shown.value(4)));
    QVERIFY(!page(f)->findChild<QLabel *>(QStringLiteral("lblStorageCheckFailed")));
    QCOMPARE(page(f)->chart()->summary().rows.size(), std::size_t(rows));
}

void StorageWindowTest::tabEmptiesWhenResultIsDiscarded()
{
    WindowFixture f;
    f.fillMethod1Example();
    f.clickCalculate();
    QVERIFY(page(f)->hasSummary());
    f.type("txtPorosity", QStringLiteral("35"));
    QVERIFY(isEmptyPage(f));

    f.clickCalculate();
    QVERIFY(page(f)->hasSummary());
    f.dialogs.yesNoCancelAnswers.enqueue(UserDialogs::Answer::No);
    f.action("mnuFile_Clear")->trigger();
    QVERIFY(isEmptyPage(f));

    // The next result's figures are its own.
    f.fillMethod2Example();
    f.clickCalculate();
    QCOMPARE(page(f)->summary().rows.back().cumulative, page(f)->summary().pondStorage);
    QVERIFY(std::fabs(page(f)->summary().bedStorage - 100.8) < 1e-3);
}

// Every cell and line of the tab, as shown.
QStringList tabTexts(WindowFixture &f)
{
    QStringList texts = page(f)->totalTexts();
    for (int row = 0; row < page(f)->table()->rowCount(); ++row)
        for (int column = 0; column < page(f)->table()->columnCount(); ++column)
            texts << cell(f, row, column);
    return texts;
}

void StorageWindowTest::openedFileFillsTabAndSaysWhyBedIsUnknown()
{
    WindowFixture f;
    f.fillMethod2Example();
    f.clickCalculate();
    const QStringList before = tabTexts(f);
    const QString path = f.saveAs(QStringLiteral("array.tvc"));
    f.action("mnuFile_Clear")->trigger();
    QVERIFY(isEmptyPage(f));

    QVERIFY(f.window().openFile(path));
    QCOMPARE(tabTexts(f), before);
    QCOMPARE(page(f)->table()->rowCount(), 6);

    // Without its chamber file the bed cannot be described: pond figures and the reason.
    QVERIFY(QFile::remove(f.appDir() + QStringLiteral("/RX-300.dat")));
    QVERIFY(f.window().openFile(path));
    QVERIFY(f.window().ResultsValid());
    QVERIFY(!page(f)->summary().bedKnown);
    const QStringList shown = page(f)->totalTexts();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(0), QStringLiteral("Storage of the equivalent pond: 100.800 cu ft"));
    QCOMPARE(shown.at(1), QStringLiteral("The bed check is not available: the chamber data file "
                                         "RX-300.dat was not found."));
    QVERIFY(page(f)->table()->isColumnHidden(4));
    QVERIFY(page(f)->table()->isColumnHidden(5));
    QCOMPARE(cell(f, 5, 3), QStringLiteral("100.800"));
}

// Far above the datum the written stages (52802.83) lose digits of the calculated ones
// (52802.8333); a reopened project still shows the figures of the fresh calculation, all of them.
void StorageWindowTest::reopenedProjectShowsTheFreshFigures()
{
    WindowFixture f;
    f.fillMethod1Example();
    f.type("txtBaseElevation", QStringLiteral("52800.25"));
    f.clickCalculate();
    const QStringList fresh = tabTexts(f);
    const QString path = f.saveAs(QStringLiteral("high.tvc"));
    f.action("mnuFile_Clear")->trigger();
    QVERIFY(isEmptyPage(f));
    QVERIFY(f.window().openFile(path));
    QCOMPARE(tabTexts(f), fresh);
}

void StorageWindowTest::storageTableCopies()
{
    WindowFixture f;
    f.openEditMenus();
    QVERIFY(!f.action("mnuEdit_Copy")->isEnabled());
    f.fillMethod2Example();
    f.clickCalculate();
    f.openEditMenus();
    QAction *fromMenu = f.action("mnuEdit_Copy_StorageTable");
    QCOMPARE(fromMenu->text(), QStringLiteral("Storage &Table"));
    QVERIFY(fromMenu->isEnabled());

    // What the table shows, header over the rows, TAB between cells, CR LF after each line.
    QTableWidget *table = page(f)->table();
    const auto lines = [&](const QList<int> &rows, const QList<int> &columns) {
        QString text;
        for (int row = -1; row < table->rowCount(); ++row) {
            if (row >= 0 && !rows.contains(row))
                continue;
            QStringList cells;
            for (int column : columns)
                cells << (row < 0 ? table->horizontalHeaderItem(column)->toolTip()
                                  : cell(f, row, column));
            text += cells.join(u'\t') + QStringLiteral("\r\n");
        }
        return text;
    };
    const QList<int> allColumns = {0, 1, 2, 3, 4, 5};
    const QString whole = lines({0, 1, 2, 3, 4, 5}, allColumns);
    QVERIFY(whole.startsWith(QStringLiteral("Stage (ft)\tArea (sq ft)\tInterval (cu ft)\t")));
    QCOMPARE(whole.count(QStringLiteral("\r\n")), 7);

    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    fromMenu->trigger();
    QCOMPARE(clipboard->text(), whole);

    // The table's context menu holds the same command.
    QCOMPARE(table->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(table->actions().size(), 1);
    QCOMPARE(table->actions().constFirst()->text(), QStringLiteral("Copy Storage Table"));
    clipboard->clear();
    table->actions().constFirst()->trigger();
    QCOMPARE(clipboard->text(), whole);

    // Ctrl+C copies the selected rows only, under the header.
    f.tabs()->setCurrentIndex(3);
    table->setFocus();
    table->selectRow(1);
    table->selectionModel()->select(table->model()->index(4, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    clipboard->clear();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), lines({1, 4}, allColumns));

    // A single cell: its row and column.
    table->clearSelection();
    table->selectionModel()->select(table->model()->index(2, 3), QItemSelectionModel::Select);
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), lines({2}, {3}));

    // Gone with the result.
    f.type("txtPorosity", QStringLiteral("35"));
    f.openEditMenus();
    QVERIFY(!fromMenu->isEnabled());
}

void StorageWindowTest::reportCommandsInFileMenu()
{
    WindowFixture f;
    QStringList items;
    for (QAction *action : f.window().findChild<QMenu *>(QStringLiteral("mnuFile"))->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(items, (QStringList{"&Clear Data", "&Open", "&Save", "Save &As", "-",
                                 "&Export Report as PDF...", "SWMM Storage Node...",
                                 "Elevation–Storage Table...", "&Print Report...", "-", "E&xit"}));

    QVERIFY(!reportCommandsEnabled(f));
    f.fillMethod1Example();
    f.clickCalculate();
    QVERIFY(f.action("mnuFile_ExportPdf")->isEnabled()); // also before the menu opens
    QVERIFY(reportCommandsEnabled(f));
    f.type("txtNumChambers", QStringLiteral("11"));
    QVERIFY(!reportCommandsEnabled(f));
    f.clickCalculate();
    QVERIFY(reportCommandsEnabled(f));
    f.dialogs.yesNoCancelAnswers.enqueue(UserDialogs::Answer::No);
    f.action("mnuFile_Clear")->trigger();
    QVERIFY(!reportCommandsEnabled(f));
}

void StorageWindowTest::exportWritesPdf()
{
    WindowFixture f;
    f.fillMethod1Example();
    f.clickCalculate();
    f.dialogs.reset();
    f.action("mnuFile_ExportPdf")->trigger(); // cancelled: nothing happens
    QCOMPARE(f.dialogs.texts(Shown::PdfDialog), QStringList{QString()});

    const QString project = f.saveAs(QStringLiteral("bed.tvc"));
    f.dialogs.reset();
    const QString pdf = f.workPath(QStringLiteral("exported.pdf"));
    f.dialogs.fileAnswers.enqueue(pdf);
    f.action("mnuFile_ExportPdf")->trigger();
    // Offered beside the project file, under its name.
    QCOMPARE(f.dialogs.texts(Shown::PdfDialog), QStringList{f.workPath(QStringLiteral("bed.pdf"))});
    QVERIFY2(f.dialogs.errors().isEmpty(), qPrintable(f.dialogs.errors().join('|')));
    QCOMPARE(pdfPageCount(pdf), 2);
    // Exporting changes nothing of the document.
    QVERIFY(!f.window().DataChanged());
    QVERIFY(f.window().ResultsValid());
}

void StorageWindowTest::printRendersTheSameDocument()
{
    WindowFixture f;
    f.fillMethod1Example(true);
    f.clickCalculate();
    f.action("mnuFile_Print")->trigger(); // cancelled dialog prints nothing
    QCOMPARE(f.dialogs.count(Shown::PrintDialog), 1);

    f.dialogs.printToPdf = f.workPath(QStringLiteral("printed.pdf"));
    f.action("mnuFile_Print")->trigger();
    QVERIFY(f.dialogs.errors().isEmpty());
    QCOMPARE(pdfPageCount(f.dialogs.printToPdf), 2);
}

void StorageWindowTest::longReportTakesMorePages()
{
    WindowFixture f;
    writeLongChamberTable(f);
    f.fillMethod2Example();
    f.clickCalculate();
    QVERIFY2(f.dialogs.errors().isEmpty(), qPrintable(f.dialogs.errors().join('|')));
    QVERIFY(page(f)->table()->rowCount() > 100);
    const QString pdf = f.workPath(QStringLiteral("long.pdf"));
    f.dialogs.fileAnswers.enqueue(pdf);
    f.action("mnuFile_ExportPdf")->trigger();
    QVERIFY(pdfPageCount(pdf) > 4);
}

void StorageWindowTest::chartTitlesStayInside_data()
{
    QTest::addColumn<QSize>("window");
    QTest::newRow("560 x 420") << QSize(560, 420);
    QTest::newRow("480 x 360") << QSize(480, 360);
    QTest::newRow("first size") << QSize(762, 617);
}

namespace {

// A paint device that keeps every text drawn on it with the clip in force, both in device
// pixels: what the screen would show of it. Shapes are dropped.
class TextRecorder : public QPaintDevice, QPaintEngine
{
public:
    struct DrawnText
    {
        QString text;
        QRectF extent;
        std::optional<QRectF> clip;
    };
    explicit TextRecorder(QSize size) : QPaintEngine(AllFeatures), m_size(size) {}
    QList<DrawnText> texts;

    QPaintEngine *paintEngine() const override { return const_cast<TextRecorder *>(this); }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath &) override {}
    void updateState(const QPaintEngineState &changed) override
    {
        if (changed.state() & DirtyTransform)
            m_transform = changed.transform();
        if (changed.state() & DirtyClipPath)
            clip(changed.clipOperation(), changed.clipPath().boundingRect());
        if (changed.state() & DirtyClipRegion)
            clip(changed.clipOperation(), QRectF(changed.clipRegion().boundingRect()));
    }
    void drawTextItem(const QPointF &at, const QTextItem &item) override
    {
        const QFontMetricsF m(item.font(), this);
        const QRectF extent(at.x(), at.y() - m.ascent(), m.horizontalAdvance(item.text()),
                            m.height());
        texts.append({item.text(), m_transform.mapRect(extent), m_clip});
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 96; // resolutions, and enough for depth and size in mm
        }
    }

private:
    void clip(Qt::ClipOperation operation, const QRectF &rect)
    {
        const QRectF mapped = m_transform.mapRect(rect);
        if (operation == Qt::NoClip)
            m_clip.reset();
        else if (operation == Qt::IntersectClip && m_clip)
            m_clip = m_clip->intersected(mapped);
        else
            m_clip = mapped;
    }

    QSize m_size;
    QTransform m_transform;
    std::optional<QRectF> m_clip;
};

} // namespace

void StorageWindowTest::chartTitlesStayInside()
{
    QFETCH(QSize, window);
    WindowFixture f;
    f.fillMethod2Example();
    f.clickCalculate();
    f.window().resize(window);
    f.tabs()->setCurrentIndex(3);
    StorageChart *chart = page(f)->chart();
    QVERIFY(chart->isVisible());

    // The chart as its widget paints it: no text may be cut by a clip or by the widget's
    // own edges.
    TextRecorder device(chart->size());
    {
        QPainter painter(&device);
        painter.setFont(chart->font());
        StorageChart::paint(painter, QRectF(QPointF(0, 0), chart->size()), chart->summary());
    }
    const QRectF bounds = QRectF(QPointF(0, 0), chart->size()).adjusted(-0.5, -0.5, 0.5, 0.5);
    QStringList titles;
    for (const TextRecorder::DrawnText &drawn : device.texts) {
        const QString where = QStringLiteral("\"%1\" at %2,%3 %4 wide")
                                  .arg(drawn.text)
                                  .arg(drawn.extent.x())
                                  .arg(drawn.extent.y())
                                  .arg(drawn.extent.width());
        QVERIFY2(bounds.contains(drawn.extent), qPrintable(where));
        if (drawn.clip)
            QVERIFY2(drawn.clip->adjusted(-0.5, -0.5, 0.5, 0.5).contains(drawn.extent),
                     qPrintable(where));
        if (drawn.text.contains(QLatin1String("(cu ft)")) ||
            drawn.text.contains(QLatin1String("(sq ft)")) ||
            drawn.text.contains(QLatin1String("(ft)")))
            titles.append(drawn.text);
    }
    QCOMPARE(titles.size(), 3); // shortened maybe, but there
}

QTEST_MAIN(StorageWindowTest)
#include "StorageWindowTest.moc"
