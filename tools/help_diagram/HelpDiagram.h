#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

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
    // Where the legend starts: a printed figure leaves it to the text around it.
    static constexpr qreal legendTop = 540;

    enum class Legend
    {
        Drawn,
        Omitted
    };
    struct LegendEntry
    {
        QString symbol;
        QString meaning;
    };
    // The symbols of the drawing with their meaning, in reading order (left column first).
    static QList<LegendEntry> legendEntries();

    // Pixel size of the image at the given resolution.
    static QSize imageSize(int dotsPerInch, Legend legend = Legend::Drawn);
    QImage render(int dotsPerInch, Legend legend = Legend::Drawn) const;
    void paint(QPainter &painter, Legend legend = Legend::Drawn) const;

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
