#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>

class QPainter;

// The help diagram of the calculator's inputs: a cross-section through the stone bed across
// the rows, with the chambers, the foundation, the cover, the spacing between rows, the
// perimeter stone, the base elevation and a legend of the symbols. It is drawn in logical
// units of 1/100 inch, so an image at d dots per inch is the drawing scaled by d / 100.
class HelpDiagram
{
public:
    static constexpr qreal logicalWidth = 1000;
    static constexpr qreal logicalHeight = 690;
    static constexpr qreal logicalUnitsPerInch = 100;

    // Pixel size of the image at the given resolution.
    static QSize imageSize(int dotsPerInch);
    QImage render(int dotsPerInch) const;
    void paint(QPainter &painter) const;

private:
    void paintTitle(QPainter &painter) const;
    void paintSoilAndFill(QPainter &painter) const;
    void paintStone(QPainter &painter) const;
    void paintChamber(QPainter &painter, qreal left) const;
    void paintDimensions(QPainter &painter) const;
    void paintAnnotations(QPainter &painter) const;
    void paintLegend(QPainter &painter) const;

    qreal chamberLeft(int row) const;
    QRectF stoneRect() const;
};
