// The files the build generates into the application directory: the help images, the
// splash bitmap and the two PDF documents.
#include "PdfPages.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

QString appFile(const QString &name)
{
    return QStringLiteral(TESSIVANE_APP_DIR "/") + name;
}

const QString memoName = QStringLiteral(
    "VELDO Technical Memo - Adjusting Geometry Parameters for an Exfiltration Trench.pdf");
const QString manualName = QStringLiteral("Tessivane Design Manual.pdf");

// Share of pixels that differ clearly once both images are brought to one small size.
double differingShare(const QImage &a, const QImage &b, QSize size)
{
    const QImage x = a.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    const QImage y = b.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int row = 0; row < size.height(); ++row)
        for (int col = 0; col < size.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            const int difference =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
            if (difference > 48)
                ++differing;
        }
    return double(differing) / (size.width() * size.height());
}

} // namespace

class GeneratedFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void helpImage_data();
    void helpImage();
    void helpImagesAreOneDrawingAtFourScales();
    void helpImageSizesSuitTheHelpPage();
    void signOnBitmap();
    void pdfDocument_data();
    void pdfDocument();
};

void GeneratedFilesTest::helpImage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QSize>("size");
    // The drawing is 10 x 6.9 inches.
    QTest::newRow("smallest") << "H075dpi.png" << 75 << QSize(750, 518);
    QTest::newRow("small") << "H100dpi.png" << 100 << QSize(1000, 690);
    QTest::newRow("medium") << "H150dpi.png" << 150 << QSize(1500, 1035);
    QTest::newRow("large") << "H200dpi.png" << 200 << QSize(2000, 1380);
}

void GeneratedFilesTest::helpImage()
{
    QFETCH(QString, name);
    QFETCH(int, dpi);
    QFETCH(QSize, size);
    QImage image;
    QVERIFY2(image.load(appFile(name)), qPrintable(appFile(name) + " does not load"));
    QCOMPARE(image.size(), size);
    QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), dpi);
    // A real drawing, not an empty canvas: ink, stone and chamber colours are all present.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() > 50, qPrintable(QString::number(colours.size())));
}

void GeneratedFilesTest::helpImagesAreOneDrawingAtFourScales()
{
    // Anything drawn at a fixed pixel size instead of scaling with the resolution shows up
    // as a difference once the images are brought to the same size.
    const QSize common(375, 259);
    const QImage reference(appFile(QStringLiteral("H200dpi.png")));
    QVERIFY(!reference.isNull());
    // At 75 dpi the small stones of the gravel blur differently; the limits stay well below
    // what a label drawn unscaled causes (about 0.5 % to 1 % of the pixels).
    const QList<QPair<QString, double>> images{{QStringLiteral("H075dpi.png"), 0.006},
                                               {QStringLiteral("H100dpi.png"), 0.001},
                                               {QStringLiteral("H150dpi.png"), 0.001}};
    for (const auto &[name, limit] : images) {
        const QImage other(appFile(name));
        QVERIFY(!other.isNull());
        const double share = differingShare(reference, other, common);
        QVERIFY2(share < limit,
                 qPrintable(QStringLiteral("%1 differs in %2 of its pixels").arg(name).arg(share)));
    }
    // The measure notices a drawing that is shifted by a little.
    const QImage shifted = reference.copy(QRect(QPoint(12, 0), reference.size()));
    QVERIFY(differingShare(reference, shifted, common) > 0.01);
}

void GeneratedFilesTest::helpImageSizesSuitTheHelpPage()
{
    // The Help page shows about 740 x 560 pixels: the smallest image roughly fits, the
    // largest needs scrolling in both directions.
    const QSize page(740, 560);
    const QImage smallest(appFile(QStringLiteral("H075dpi.png")));
    const QImage largest(appFile(QStringLiteral("H200dpi.png")));
    QVERIFY(smallest.width() <= page.width() + 20 && smallest.height() <= page.height());
    QVERIFY(largest.width() > page.width() && largest.height() > page.height());
}

void GeneratedFilesTest::signOnBitmap()
{
    const QString path = appFile(QStringLiteral("SignOn.bmp"));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("BM"));
    QVERIFY(bytes.size() > 30);
    const int bitsPerPixel = quint8(bytes[28]) | quint8(bytes[29]) << 8;
    QCOMPARE(bitsPerPixel, 24);

    QImage image;
    QVERIFY(image.loadFromData(bytes, "BMP"));
    // The About window's label sits at 5025 x 3210 twips, 15 twips per pixel at 96 dpi,
    // and reads "Version 1.0.0" in a bold 8.25 point font.
    const QPoint labelTopLeft(5025 / 15, 3210 / 15);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const QRect label(
        labelTopLeft,
        QSize(metrics.horizontalAdvance(QStringLiteral("Version 1.0.0")), metrics.height()));
    QVERIFY2(QRect(QPoint(0, 0), image.size()).contains(label.adjusted(-4, -4, 8, 8)),
             qPrintable(QStringLiteral("%1 x %2").arg(image.width()).arg(image.height())));
    // The label area is plain: one colour everywhere under and around the text.
    const QRgb plain = image.pixel(label.topLeft() - QPoint(4, 4));
    for (int y = label.top() - 4; y <= label.bottom() + 4; ++y)
        for (int x = label.left() - 4; x <= label.right() + 8; ++x)
            QVERIFY2(image.pixel(x, y) == plain,
                     qPrintable(QStringLiteral("drawing at %1, %2").arg(x).arg(y)));
    // Light enough for dark label text.
    QVERIFY(qGray(plain) > 200);
}

void GeneratedFilesTest::pdfDocument_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimumPages");
    QTest::addColumn<QStringList>("phrases");
    QTest::newRow("memo") << memoName << 4
                          << QStringList{QStringLiteral("equivalent pond"),
                                         QStringLiteral("half an inch"),
                                         QStringLiteral("one inch"),
                                         QStringLiteral("100.0417"),
                                         QStringLiteral("101.5833"),
                                         QStringLiteral("57.6"),
                                         QStringLiteral("Limits of the method")};
    // Values that exist only in the chamber data files prove the tables were not retyped.
    QTest::newRow("manual") << manualName << 3
                            << QStringList{
                                   QStringLiteral("RX-160"), QStringLiteral("RX-300"),
                                   QStringLiteral("16.57"), QStringLiteral("48.45"),
                                   QStringLiteral("44.18"), QStringLiteral("12 in"),
                                   QStringLiteral("40 %"), QStringLiteral("Copy to Clipboard"),
                                   QStringLiteral("File > Save"),
                                   // Figure 1's legend is text
                                   QStringLiteral("Base elevation: bottom of the foundation")};
}

void GeneratedFilesTest::pdfDocument()
{
    QFETCH(QString, name);
    QFETCH(int, minimumPages);
    QFETCH(QStringList, phrases);
    QFile file(appFile(name));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    QVERIFY2(pdfPageCount(pdf) >= minimumPages, qPrintable(QString::number(pdfPageCount(pdf))));

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; text not checked");
    QProcess process;
    process.start(pdftotext, {file.fileName(), QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
    for (const QString &phrase : phrases)
        QVERIFY2(text.contains(phrase, Qt::CaseInsensitive), qPrintable(phrase));
}

QTEST_MAIN(GeneratedFilesTest)
#include "GeneratedFilesTest.moc"
