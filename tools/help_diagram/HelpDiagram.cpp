#include "HelpDiagram.h"

#include "DiagramFonts.h"
#include "DimensionPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QtMath>

namespace {

// Drawing geometry, logical units (1/100 inch). The drawing is schematic, not to scale.
constexpr int rowCount = 3;
constexpr qreal gradeY = 112;
constexpr qreal stoneTop = 150;
constexpr qreal chamberTop = 212;
constexpr qreal chamberBase = 332;
constexpr qreal foundationBase = 394;
constexpr qreal bedLeft = 170;
constexpr qreal perimeterWidth = 56;
constexpr qreal chamberWidth = 140;
constexpr qreal rowSpacing = 52;
constexpr qreal bedRight =
    bedLeft + 2 * perimeterWidth + rowCount * chamberWidth + (rowCount - 1) * rowSpacing;
constexpr qreal soilBand = 24;
constexpr qreal chainY = 456;
constexpr qreal overallY = 508;

const QColor ink(0x20, 0x20, 0x20);
const QColor stoneGround(0xef, 0xe5, 0xcc);
const QColor stoneFill(0xd9, 0xc8, 0xa2);
const QColor stoneEdge(0xa3, 0x8e, 0x66);
const QColor soilFill(0xe4, 0xd5, 0xbd);
const QColor soilHatch(0x9c, 0x82, 0x60);
const QColor fillColor(0xf4, 0xf2, 0xee);
const QColor chamberWall(0x2e, 0x5e, 0x8a);
const QColor chamberInside(0xe3, 0xee, 0xf8);

void drawTextAt(QPainter &painter, qreal x, qreal baseline, const QString &text, int pixelSize,
                bool bold = false, bool italic = false, const QColor &color = ink)
{
    painter.save();
    painter.setFont(DiagramFonts::font(pixelSize, bold, italic));
    painter.setPen(color);
    painter.drawText(QPointF(x, baseline), text);
    painter.restore();
}

void drawCentredText(QPainter &painter, qreal centreX, qreal baseline, const QString &text,
                     int pixelSize, bool bold = false, bool italic = false,
                     const QColor &color = ink)
{
    const QFontMetricsF metrics(DiagramFonts::font(pixelSize, bold, italic));
    drawTextAt(painter, centreX - metrics.horizontalAdvance(text) / 2, baseline, text, pixelSize,
               bold, italic, color);
}

} // namespace

QSize HelpDiagram::imageSize(int dotsPerInch, Legend legend)
{
    const qreal height = legend == Legend::Drawn ? logicalHeight : legendTop;
    return QSize(qRound(logicalWidth * dotsPerInch / logicalUnitsPerInch),
                 qRound(height * dotsPerInch / logicalUnitsPerInch));
}

QImage HelpDiagram::render(int dotsPerInch, Legend legend) const
{
    QImage image(imageSize(dotsPerInch, legend), QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(dotsPerInch / logicalUnitsPerInch, dotsPerInch / logicalUnitsPerInch);
    paint(painter, legend);
    return image;
}

void HelpDiagram::paint(QPainter &painter, Legend legend) const
{
    paintTitle(painter);
    paintSoilAndFill(painter);
    paintStone(painter);
    for (int row = 0; row < rowCount; ++row)
        paintChamber(painter, chamberLeft(row));
    paintDimensions(painter);
    paintAnnotations(painter);
    if (legend == Legend::Drawn)
        paintLegend(painter);
}

qreal HelpDiagram::chamberLeft(int row) const
{
    return bedLeft + perimeterWidth + row * (chamberWidth + rowSpacing);
}

QRectF HelpDiagram::stoneRect() const
{
    return QRectF(QPointF(bedLeft, stoneTop), QPointF(bedRight, foundationBase));
}

void HelpDiagram::paintTitle(QPainter &painter) const
{
    drawTextAt(painter, 40, 46, QStringLiteral("Chamber bed: cross-section across the rows"), 24,
               true);
    drawTextAt(painter, 40, 74,
               QStringLiteral("Rows run into the page; the chambers of a row lie end to end. "
                              "Schematic, not to scale."),
               14, false, true, QColor(0x50, 0x50, 0x50));
}

void HelpDiagram::paintSoilAndFill(QPainter &painter) const
{
    const QRectF soilOuter(QPointF(bedLeft - soilBand, gradeY),
                           QPointF(bedRight + soilBand, foundationBase + soilBand));
    QPainterPath soil;
    soil.addRect(soilOuter);
    QPainterPath excavation;
    excavation.addRect(QRectF(QPointF(bedLeft, gradeY), QPointF(bedRight, foundationBase)));
    soil = soil.subtracted(excavation);

    painter.save();
    painter.fillPath(soil, soilFill);
    painter.setClipPath(soil);
    painter.setPen(QPen(soilHatch, 1.0));
    for (qreal x = soilOuter.left() - soilOuter.height(); x < soilOuter.right(); x += 9)
        painter.drawLine(QPointF(x, soilOuter.bottom()),
                         QPointF(x + soilOuter.height(), soilOuter.top()));
    painter.restore();

    painter.fillRect(QRectF(QPointF(bedLeft, gradeY), QPointF(bedRight, stoneTop)), fillColor);
    drawCentredText(painter, (bedLeft + bedRight) / 2, (gradeY + stoneTop) / 2 + 5,
                    QStringLiteral("Fill above the stone (not part of the bed)"), 14, false, true,
                    QColor(0x60, 0x60, 0x60));

    painter.save();
    painter.setPen(QPen(ink, 2.0));
    painter.drawLine(QPointF(bedLeft - soilBand - 10, gradeY),
                     QPointF(bedRight + soilBand + 10, gradeY));
    painter.setPen(QPen(ink, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(QPointF(bedLeft, stoneTop), QPointF(bedRight, foundationBase)));
    painter.restore();
}

void HelpDiagram::paintStone(QPainter &painter) const
{
    const QRectF rect = stoneRect();
    painter.save();
    painter.fillRect(rect, stoneGround);
    painter.setClipRect(rect);
    // A fixed seed gives the same gravel in every image and every build.
    QRandomGenerator random(20240611);
    painter.setPen(QPen(stoneEdge, 0.8));
    painter.setBrush(stoneFill);
    const int stoneCount = qRound(rect.width() * rect.height() / 240);
    for (int i = 0; i < stoneCount; ++i) {
        const qreal x = rect.left() + random.bounded(rect.width());
        const qreal y = rect.top() + random.bounded(rect.height());
        const qreal rx = 2.5 + random.bounded(4.0);
        const qreal ry = rx * (0.6 + random.bounded(0.4));
        painter.save();
        painter.translate(x, y);
        painter.rotate(random.bounded(180.0));
        painter.drawEllipse(QPointF(0, 0), rx, ry);
        painter.restore();
    }
    painter.restore();
}

void HelpDiagram::paintChamber(QPainter &painter, qreal left) const
{
    constexpr qreal footWidth = 7;
    constexpr qreal footHeight = 5;
    constexpr qreal wall = 5;
    const qreal centre = left + chamberWidth / 2;
    const qreal footTop = chamberBase - footHeight;
    const qreal outerRx = chamberWidth / 2 - footWidth + 1;
    const qreal outerRy = footTop - chamberTop;

    // The arch springs from the top of both feet, so the two feet are mirror images.
    QPainterPath outer;
    outer.moveTo(left, chamberBase);
    outer.lineTo(left, footTop);
    outer.lineTo(centre - outerRx, footTop);
    outer.arcTo(QRectF(centre - outerRx, footTop - outerRy, 2 * outerRx, 2 * outerRy), 180, -180);
    outer.lineTo(left + chamberWidth, footTop);
    outer.lineTo(left + chamberWidth, chamberBase);
    outer.closeSubpath();

    const qreal innerRx = outerRx - wall;
    const qreal innerRy = outerRy - wall;
    QPainterPath inner;
    inner.moveTo(centre - innerRx, chamberBase);
    inner.lineTo(centre - innerRx, footTop);
    inner.arcTo(QRectF(centre - innerRx, footTop - innerRy, 2 * innerRx, 2 * innerRy), 180, -180);
    inner.lineTo(centre + innerRx, chamberBase);
    inner.closeSubpath();

    painter.save();
    painter.setPen(QPen(chamberWall.darker(130), 1.2));
    painter.setBrush(chamberWall);
    painter.drawPath(outer);
    painter.setPen(Qt::NoPen);
    painter.setBrush(chamberInside);
    painter.drawPath(inner);
    painter.restore();
    drawCentredText(painter, centre, chamberBase - 30, QStringLiteral("Chamber"), 14, false, false,
                    chamberWall.darker(120));
}

void HelpDiagram::paintDimensions(QPainter &painter) const
{
    DimensionPainter dims(painter);

    // Level lines carry the top and base of the chambers out to the vertical dimensions.
    painter.save();
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.9, Qt::DashLine));
    painter.drawLine(QPointF(bedLeft - soilBand, chamberTop),
                     QPointF(chamberLeft(0) + 40, chamberTop));
    painter.drawLine(QPointF(bedLeft - soilBand, chamberBase),
                     QPointF(chamberLeft(0), chamberBase));
    painter.restore();

    const qreal verticalX = bedLeft - soilBand - 34;
    const qreal extendFrom = bedLeft - soilBand - 4;
    dims.vertical(stoneTop, chamberTop, verticalX, extendFrom, QStringLiteral("Dc"));
    dims.vertical(chamberTop, chamberBase, verticalX, extendFrom, QStringLiteral("H"));
    dims.vertical(chamberBase, foundationBase, verticalX, extendFrom, QStringLiteral("Df"));

    const qreal chainFrom = foundationBase + soilBand + 4;
    qreal x = bedLeft;
    dims.horizontal(x, x + perimeterWidth, chainY, chainFrom, QStringLiteral("Se"));
    x += perimeterWidth;
    for (int row = 0; row < rowCount; ++row) {
        dims.horizontal(x, x + chamberWidth, chainY, chamberBase, QStringLiteral("W"));
        x += chamberWidth;
        if (row + 1 < rowCount) {
            dims.horizontal(x, x + rowSpacing, chainY, chainFrom, QStringLiteral("Si"));
            x += rowSpacing;
        }
    }
    dims.horizontal(x, x + perimeterWidth, chainY, chainFrom, QStringLiteral("Se"));

    dims.horizontal(
        bedLeft, bedRight, overallY, chainY + 8,
        QStringLiteral("System width = Nr \u00d7 W + (Nr \u2212 1) \u00d7 Si + 2 \u00d7 Se"));
}

void HelpDiagram::paintAnnotations(QPainter &painter) const
{
    DimensionPainter dims(painter);
    const qreal labelX = bedRight + soilBand + 26;

    drawTextAt(painter, labelX, 150, QStringLiteral("Native soil"), 15, true);
    dims.leader(QPointF(labelX - 4, 146), QPointF(bedRight + soilBand / 2, 176));

    drawTextAt(painter, labelX, 250, QStringLiteral("Stone"), 15, true);
    drawTextAt(painter, labelX, 270, QStringLiteral("porosity n"), 15);
    dims.leader(QPointF(labelX - 4, 246), QPointF(bedRight - perimeterWidth / 2, 262));

    // Base elevation: an elevation mark on the level of the bottom of the foundation.
    const qreal markX = labelX + 18;
    painter.save();
    painter.setPen(QPen(ink, 1.2));
    painter.drawLine(QPointF(bedRight + soilBand, foundationBase),
                     QPointF(logicalWidth - 20, foundationBase));
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.9, Qt::DashLine));
    painter.drawLine(QPointF(bedRight, foundationBase),
                     QPointF(bedRight + soilBand, foundationBase));
    QPainterPath triangle;
    triangle.moveTo(markX, foundationBase);
    triangle.lineTo(markX - 8, foundationBase - 13);
    triangle.lineTo(markX + 8, foundationBase - 13);
    triangle.closeSubpath();
    painter.setPen(QPen(ink, 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(triangle);
    painter.restore();
    drawTextAt(painter, markX + 14, foundationBase - 4, QStringLiteral("E0"), 16, true);
    drawTextAt(painter, labelX, foundationBase + 20, QStringLiteral("Base elevation"), 14);
    drawTextAt(painter, labelX, foundationBase + 38, QStringLiteral("(ft datum)"), 14);
}

QList<HelpDiagram::LegendEntry> HelpDiagram::legendEntries()
{
    return {
        {QStringLiteral("Df"),
         QStringLiteral("Foundation depth: stone below the chambers (in, min. 6)")},
        {QStringLiteral("Dc"),
         QStringLiteral("Cover thickness: stone above the chambers (in, min. 6)")},
        {QStringLiteral("Si"), QStringLiteral("Space between rows (in, min. 6)")},
        {QStringLiteral("Se"), QStringLiteral("Perimeter stone at each side (in, min. 12)")},
        {QStringLiteral("W, H"), QStringLiteral("Chamber width and height (chamber data)")},
        {QStringLiteral("n"), QStringLiteral("Gravel porosity (%, 40 recommended)")},
        {QStringLiteral("E0"), QStringLiteral("Base elevation: bottom of the foundation (ft)")},
        {QStringLiteral("Nr"), QStringLiteral("Number of rows (three shown)")},
    };
}

void HelpDiagram::paintLegend(QPainter &painter) const
{
    painter.save();
    painter.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 1.0));
    painter.drawLine(QPointF(40, 548), QPointF(logicalWidth - 40, 548));
    painter.restore();

    const QList<LegendEntry> entries = legendEntries();
    const qsizetype perColumn = (entries.size() + 1) / 2;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const bool leftColumn = i < perColumn;
        const qreal x = leftColumn ? 40 : 540;
        const qreal symbolWidth = leftColumn ? 36 : 52;
        const qreal baseline = 576 + qreal(i % perColumn) * 28;
        drawTextAt(painter, x, baseline, entries.at(i).symbol, 15, true);
        drawTextAt(painter, x + symbolWidth, baseline, entries.at(i).meaning, 14);
    }
}
