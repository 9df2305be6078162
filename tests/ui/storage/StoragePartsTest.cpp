// The storage chart's scales and drawing, the storage texts, and the report document's pages,
// each on its own (no window).
#include "NiceScale.h"
#include "PdfPages.h"
#include "ReportDocument.h"
#include "StorageChart.h"
#include "StorageTexts.h"

#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(StorageSummary)

namespace {

// A pond table with its storage worked out by hand: each area holds over the interval that
// ends at its stage.
StorageSummary pond(const QList<QPair<double, double>> &stageArea)
{
    StorageSummary summary;
    for (const auto &[stage, area] : stageArea) {
        StorageRow row;
        row.stage = stage;
        row.area = area;
        if (!summary.rows.empty()) {
            row.interval = area * (stage - summary.rows.back().stage);
            row.cumulative = summary.rows.back().cumulative + row.interval;
        }
        summary.rows.push_back(row);
    }
    if (!summary.rows.empty())
        summary.pondStorage = summary.rows.back().cumulative;
    return summary;
}

StorageSummary knownBedExample()
{
    return pond({{100, 400},
                 {100.5, 400},
                 {101.5, 460},
                 {102.5, 460},
                 {102.5 + 1 / 12.0, 400},
                 {103, 400}});
}

StorageSummary withBed(StorageSummary summary, double difference)
{
    summary.bedKnown = true;
    summary.bedStorage = 1320;
    summary.chamberStorage = 200;
    summary.stoneStorage = 1120;
    summary.largestDifference = difference;
    summary.tolerance = 0.132;
    summary.pondMatchesBed = difference <= summary.tolerance;
    return summary;
}

ReportContent content(int reportLines, const StorageSummary &summary)
{
    ReportContent c;
    c.programTitle = QStringLiteral("Tessivane 1.0.0");
    c.projectName = QStringLiteral("Bed A");
    c.date = QDate(2024, 5, 17);
    for (int i = 0; i < reportLines; ++i)
        c.reportText += QStringLiteral("\t%1\t%2\r\n").arg(100 + i * 0.5).arg(400 + i);
    c.reportFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    c.reportFont.setPointSizeF(9.75);
    c.tabStops = {30, 108, 186, 264};
    c.summary = summary;
    return c;
}

QImage painted(const StorageSummary &summary, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    StorageChart::paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), summary);
    return image;
}

} // namespace

class StoragePartsTest : public QObject
{
    Q_OBJECT

private slots:
    void niceScale_data();
    void niceScale();
    void niceScaleCoversAnyRange();
    void chartPaintsAnySummary_data();
    void chartPaintsAnySummary();
    void chartCurvesStayInPlotAndFollowTheScale();
    void storageTexts();
    void reportPagesShortAndLong();
    void failedPdfWriteLeavesNothing_data();
    void failedPdfWriteLeavesNothing();
    void paperFollowsTerritory_data();
    void paperFollowsTerritory();
    void systemLengthAndWidthShareAPage();
};

void StoragePartsTest::niceScale_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("maxTicks");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("count");

    QTest::newRow("areas") << 0.0 << 460.0 << 6 << 0.0 << 100.0 << 6;
    QTest::newRow("stages") << 100.0 << 103.0 << 8 << 100.0 << 0.5 << 7;
    QTest::newRow("ends rounded outwards") << 0.0 << 1320.0 << 5 << 0.0 << 500.0 << 4;
    QTest::newRow("too many after rounding") << -7.0 << 3.0 << 6 << -10.0 << 5.0 << 4;
    QTest::newRow("inverted") << 10.0 << 0.0 << 6 << 0.0 << 2.0 << 6;
    QTest::newRow("one value") << 100.0 << 100.0 << 5 << 95.0 << 5.0 << 3;
    QTest::newRow("zero") << 0.0 << 0.0 << 5 << -1.0 << 0.5 << 5;
    QTest::newRow("two ticks at least") << 0.0 << 1.0 << 0 << 0.0 << 1.0 << 2;
    QTest::newRow("not finite") << 0.0 << qInf() << 5 << 0.0 << 1.0 << 2;
    QTest::newRow("nan") << qQNaN() << 1.0 << 5 << 0.0 << 1.0 << 2;
}

void StoragePartsTest::niceScale()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, maxTicks);
    const NiceScale scale = NiceScale::forRange(low, high, maxTicks);
    QTEST(scale.first, "first");
    QTEST(scale.step, "step");
    QTEST(scale.count, "count");
}

void StoragePartsTest::niceScaleCoversAnyRange()
{
    // Ranges of every magnitude: the ticks cover the range with a round step, never too many.
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return double(seed >> 8) / double(1u << 24);
    };
    for (int i = 0; i < 2000; ++i) {
        const double magnitude = std::pow(10.0, std::floor(next() * 16) - 6);
        const double low = (next() - 0.5) * magnitude * 10;
        const double high = low + next() * magnitude;
        const int maxTicks = 2 + int(next() * 10);
        const NiceScale scale = NiceScale::forRange(low, high, maxTicks);
        const QString where = QStringLiteral("[%1, %2] max %3").arg(low).arg(high).arg(maxTicks);
        QVERIFY2(scale.count >= 2 && scale.count <= maxTicks, qPrintable(where));
        QVERIFY2(scale.first <= low + scale.step * 1e-9, qPrintable(where));
        QVERIFY2(scale.last() >= high - scale.step * 1e-9, qPrintable(where));
        const double mantissa = scale.step / std::pow(10.0, std::floor(std::log10(scale.step)));
        QVERIFY2(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
                     std::fabs(mantissa - 5) < 1e-9,
                 qPrintable(where));
    }
    // A tick at zero is exactly zero.
    const NiceScale across = NiceScale::forRange(-0.3, 0.3, 7);
    QVERIFY(across.ticks().at(3) == 0.0);
}

void StoragePartsTest::chartPaintsAnySummary_data()
{
    QTest::addColumn<StorageSummary>("summary");
    QTest::newRow("empty") << StorageSummary{};
    QTest::newRow("one row") << pond({{100, 400}});
    QTest::newRow("known bed area") << knownBedExample();
    QTest::newRow("rectangular array") << pond(
        {{100, 36}, {100.5, 36}, {101, 72}, {101.5, 57.6}, {101.5 + 1 / 12.0, 36}, {102, 36}});
    QTest::newRow("flat stages and negative values") << pond({{5, -3}, {5, 0}, {5, 2}});
}

void StoragePartsTest::chartPaintsAnySummary()
{
    QFETCH(StorageSummary, summary);
    for (const QSize size : {QSize(1, 1), QSize(40, 30), QSize(500, 400), QSize(2400, 1800)}) {
        const QImage image = painted(summary, size);
        QCOMPARE(image.size(), size);
    }
}

void StoragePartsTest::chartCurvesStayInPlotAndFollowTheScale()
{
    const QSize size(600, 450);
    const QImage image = painted(knownBedExample(), size);
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    const QFontMetricsF metrics(painter.font(), &probe);
    const QRectF plot = StorageChart::plotArea(metrics, QRectF(0, 0, 600, 450), knownBedExample());
    QVERIFY(plot.width() > 300 && plot.height() > 250);

    const QRgb area = StorageChart::areaColor().rgb();
    const QRgb storage = StorageChart::storageColor().rgb();
    int areaInside = 0;
    int storageInside = 0;
    int rightmostArea = -1;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel != area && pixel != storage)
                continue;
            const bool inside = plot.adjusted(-3, -3, 3, 3).contains(x, y);
            // The legend's swatches sit in the first text row.
            QVERIFY2(inside || y < metrics.height() + 2,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            if (inside && pixel == area) {
                ++areaInside;
                rightmostArea = std::max(rightmostArea, x);
            }
            storageInside += inside && pixel == storage ? 1 : 0;
        }
    }
    QVERIFY(areaInside > 200);
    QVERIFY(storageInside > 200);
    // The widest area, 460, on a 0 to 500 scale.
    const double expected = plot.left() + plot.width() * 460 / 500;
    QVERIFY2(std::fabs(rightmostArea - expected) < 4,
             qPrintable(QStringLiteral("%1 vs %2").arg(rightmostArea).arg(expected)));
}

void StoragePartsTest::storageTexts()
{
    QCOMPARE(StorageTexts::columnCaptions(),
             (QStringList{"Stage (ft)", "Area (sq ft)", "Interval (cu ft)", "Cumulative (cu ft)",
                          "Chambers (cu ft)", "Stone voids (cu ft)"}));
    QCOMPARE(StorageTexts::stageText(102.58333), QStringLiteral("102.5833"));
    QCOMPARE(StorageTexts::areaText(57.6), QStringLiteral("57.60"));
    QCOMPARE(StorageTexts::volumeText(-0.0004), QStringLiteral("0.000"));
    QCOMPARE(StorageTexts::volumeText(-0.02), QStringLiteral("-0.020"));

    StorageSummary pondOnly = knownBedExample();
    QCOMPARE(StorageTexts::rowCells(pondOnly, 2),
             (QStringList{"101.5000", "460.00", "460.000", "660.000", "", ""}));
    const auto texts = [](const QList<StorageTexts::Line> &lines) {
        QStringList result;
        for (const auto &line : lines)
            result << line.text + (line.warning ? QStringLiteral(" [!]") : QString());
        return result;
    };
    QCOMPARE(texts(StorageTexts::totalLines(pondOnly, "RX-160 design data file not found.")),
             (QStringList{"Storage of the equivalent pond: 1320.000 cu ft",
                          "The bed check is not available: RX-160 design data file not found."}));
    // A reason of several lines stays on the one line the total takes.
    QCOMPARE(texts(StorageTexts::totalLines(pondOnly, "First line.\r\nSecond line.\r\n")).at(1),
             QStringLiteral("The bed check is not available: First line. Second line."));
    QCOMPARE(texts(StorageTexts::totalLines(withBed(pondOnly, 0.0001), {})),
             (QStringList{"Storage of the equivalent pond: 1320.000 cu ft",
                          "Total storage of the bed: 1320.000 cu ft",
                          "In the stone voids: 1120.000 cu ft", "In the chambers: 200.000 cu ft",
                          "The equivalent pond stores what the bed stores at every stage "
                          "(largest difference 0.0001 cu ft)."}));
    QCOMPARE(
        texts(StorageTexts::totalLines(withBed(pondOnly, 12.5), {})).constLast(),
        QStringLiteral("CHECK FAILED: the equivalent pond does not store what the bed "
                       "stores (largest difference 12.5000 cu ft, allowed 0.1320 cu ft). [!]"));
}

void StoragePartsTest::reportPagesShortAndLong()
{
    QTemporaryDir dir;
    StorageSummary manyRows;
    for (int i = 0; i < 200; ++i)
        manyRows.rows.push_back({100 + i * 0.1, 50, 5, 5.0 * i, 0, 0, 0});
    struct Case
    {
        int lines;
        StorageSummary summary;
        int minPages, maxPages;
    };
    for (const Case &c : {Case{12, knownBedExample(), 2, 2}, Case{0, StorageSummary{}, 2, 2},
                          Case{400, knownBedExample(), 6, 12}, Case{12, manyRows, 3, 8}}) {
        const QString path = dir.filePath(
            QStringLiteral("report-%1-%2.pdf").arg(c.lines).arg(c.summary.rows.size()));
        ReportDocument report(content(c.lines, c.summary));
        QVERIFY2(report.writePdf(path), qPrintable(report.errorString()));
        QPdfWriter sameSize(dir.filePath(QStringLiteral("unused.pdf")));
        sameSize.setPageLayout(ReportDocument::defaultPageLayout());
        const int expected = report.pageCount(sameSize);
        QCOMPARE(pdfPageCount(path), expected);
        QVERIFY2(expected >= c.minPages && expected <= c.maxPages,
                 qPrintable(QStringLiteral("%1 lines, %2 rows: %3 pages")
                                .arg(c.lines)
                                .arg(c.summary.rows.size())
                                .arg(expected)));
    }
}

void StoragePartsTest::failedPdfWriteLeavesNothing_data()
{
    QTest::addColumn<bool>("directoryInTheWay");
    QTest::newRow("missing directory") << false;
    QTest::newRow("directory where the file should be") << true;
}

void StoragePartsTest::failedPdfWriteLeavesNothing()
{
    QFETCH(bool, directoryInTheWay);
    QTemporaryDir dir;
    const QString path = directoryInTheWay ? dir.filePath(QStringLiteral("taken.pdf"))
                                           : dir.filePath(QStringLiteral("missing/report.pdf"));
    if (directoryInTheWay)
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.pdf")));
    ReportDocument report(content(10, knownBedExample()));
    QVERIFY(!report.writePdf(path));
    QVERIFY(!report.errorString().isEmpty());
    QCOMPARE(QFileInfo(path).isDir(), directoryInTheWay);
    const QStringList left =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QCOMPARE(left, directoryInTheWay ? QStringList{"taken.pdf"} : QStringList{});
}

void StoragePartsTest::paperFollowsTerritory_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QSize>("points"); // the page's size as the PDF file states it
    const QSize letter(612, 792);
    const QSize a4(595, 842);
    for (const char *name :
         {"en_US", "es_US", "en_CA", "fr_CA", "es_MX", "es_CL", "es_CO", "es_CR", "es_GT", "es_PA",
          "en_PH", "es_PR", "es_VE", "es_SV", "es_NI", "es_BO", "en_BZ"})
        QTest::newRow(name) << name << letter;
    for (const char *name : {"en_GB", "en_AU", "en_IE", "en_IN", "de_DE", "fr_FR", "es_ES", "es_AR",
                             "pt_BR", "ja_JP", "zh_CN", "es_DO", "C"})
        QTest::newRow(name) << name << a4;
}

void StoragePartsTest::paperFollowsTerritory()
{
    QFETCH(QString, locale);
    QFETCH(QSize, points);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    ReportDocument report(content(3, knownBedExample()));
    const bool written = report.writePdf(path);
    QLocale::setDefault(before);
    QVERIFY(written);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    static const QRegularExpression box(QStringLiteral("/MediaBox \\[([\\d. ]+)\\]"));
    const QRegularExpressionMatch found = box.match(QString::fromLatin1(file.readAll()));
    QVERIFY(found.hasMatch());
    const QStringList corners = found.captured(1).simplified().split(u' ');
    QCOMPARE(corners.size(), 4);
    QCOMPARE(QSize(qRound(corners.at(2).toDouble()), qRound(corners.at(3).toDouble())), points);
}

void StoragePartsTest::systemLengthAndWidthShareAPage()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    bool brokeBeforeLength = false;
    // Lines before the block push it down, line by line, across the first page break.
    for (int lines = 30; lines < 90; ++lines) {
        ReportContent c = content(lines, knownBedExample());
        c.reportText += QStringLiteral("[Total Sytstem Dimensions]\r\n\r\n"
                                       "\tTotal System Length = 30.5 ft (excluding end areas).\r\n"
                                       "\tTotal System Width = 7.5 ft.\r\n"
                                       "\tTotal Bottom Area = 228.75 ft2.\r\n\r\n");
        const QString path = dir.filePath(QStringLiteral("report-%1.pdf").arg(lines));
        ReportDocument report(c);
        QVERIFY(report.writePdf(path));
        QProcess tool;
        tool.start(pdftotext, {path, QStringLiteral("-")});
        QVERIFY(tool.waitForFinished(30000));
        const QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\f');
        const auto pageOf = [&pages](const QString &text) {
            for (qsizetype i = 0; i < pages.size(); ++i)
                if (pages.at(i).contains(text))
                    return int(i);
            return -1;
        };
        const int length = pageOf(QStringLiteral("Total System Length"));
        QVERIFY(length >= 0);
        QVERIFY2(pageOf(QStringLiteral("Total System Width")) == length,
                 qPrintable(QStringLiteral("split after %1 lines").arg(lines)));
        brokeBeforeLength |= pageOf(QStringLiteral("[Total Sytstem Dimensions]")) < length;
    }
    QVERIFY(brokeBeforeLength); // the page break did fall inside the block once
}

QTEST_MAIN(StoragePartsTest)
#include "StoragePartsTest.moc"
