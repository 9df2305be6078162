#pragma once

#include "StorageSummary.h"

#include <QColor>
#include <QWidget>

class QFontMetricsF;
class QPainter;

// The storage chart: stage (ft datum) upwards against the equivalent pond's area (bottom axis,
// a step line: each area belongs to the interval that ends at its stage) and the cumulative
// storage (top axis, a line through the points). One drawing routine serves the screen and
// the printed page; it sizes everything from the painter's font.
class StorageChart : public QWidget
{
    Q_OBJECT

public:
    explicit StorageChart(QWidget *parent = nullptr);

    void setSummary(const StorageSummary &summary);
    const StorageSummary &summary() const { return m_summary; }

    static void paint(QPainter &painter, const QRectF &bounds, const StorageSummary &summary);
    // Where paint draws the curves for the same font, bounds and summary.
    static QRectF plotArea(const QFontMetricsF &metrics, const QRectF &bounds,
                           const StorageSummary &summary);

    static QColor areaColor() { return QColor(0x1f, 0x5f, 0xbf); }
    static QColor storageColor() { return QColor(0xd9, 0x6b, 0x00); }

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    StorageSummary m_summary;
};
