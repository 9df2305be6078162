#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

class QPainter;

// Draws engineering dimension lines (extension lines, a line with two arrowheads and a
// label) in the painter's logical units.
class DimensionPainter
{
public:
    explicit DimensionPainter(QPainter &painter);

    // A horizontal dimension from x1 to x2 at height y; the label stands below the line.
    // The extension lines run from extendFromY to just past y.
    void horizontal(qreal x1, qreal x2, qreal y, qreal extendFromY, const QString &label);
    // A vertical dimension from y1 to y2 at x; the label stands left of the line. The
    // extension lines run from extendFromX to just past x.
    void vertical(qreal y1, qreal y2, qreal x, qreal extendFromX, const QString &label);
    // A filled arrowhead whose tip is at tip, pointing in the direction (dx, dy).
    void arrowhead(QPointF tip, qreal dx, qreal dy);
    // A thin leader line from a label to a point with a small dot at the point.
    void leader(QPointF from, QPointF to);

    static constexpr qreal arrowLength = 11;
    static constexpr qreal arrowHalfWidth = 3.6;
    static constexpr int labelPixelSize = 16;

private:
    void extensionLine(QPointF from, QPointF to);

    QPainter &m_painter;
    QColor m_ink{0x20, 0x20, 0x20};
};
