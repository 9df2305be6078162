#include "StorageChart.h"

#include "NiceScale.h"
#include "StorageSummaryText.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

const StorageSummaryText::ChartTexts Texts;
const QString StageTitle = QString::fromStdString(Texts.stageTitle);
const QString AreaTitle = QString::fromStdString(Texts.areaTitle);
const QString StorageTitle = QString::fromStdString(Texts.storageTitle);
const QString StorageShortTitle = QString::fromStdString(Texts.storageShortTitle);
const QString AreaLegend = QString::fromStdString(Texts.areaLegend);
const QString StorageLegend = QString::fromStdString(Texts.storageLegend);

struct Ranges
{
    double stageLow = 0, stageHigh = 1, areaHigh = 1, storageHigh = 1, valueLow = 0;
};

Ranges rangesOf(const StorageSummary &summary)
{
    Ranges r;
    if (summary.rows.empty())
        return r;
    r.stageLow = r.stageHigh = summary.rows.front().stage;
    r.areaHigh = r.storageHigh = 0;
    for (const StorageRow &row : summary.rows) {
        r.stageLow = std::min(r.stageLow, row.stage);
        r.stageHigh = std::max(r.stageHigh, row.stage);
        r.areaHigh = std::max(r.areaHigh, row.area);
        r.storageHigh = std::max(r.storageHigh, row.cumulative);
        r.valueLow = std::min({r.valueLow, row.area, row.cumulative});
    }
    return r;
}

QString tickText(double value, const NiceScale &scale)
{
    return QString::fromStdString(scale.tickText(value));
}

// A scale whose labels, laid side by side, leave room between them.
NiceScale horizontalScale(const QFontMetricsF &m, double low, double high, double length)
{
    int maxTicks = 8;
    for (;;) {
        const NiceScale scale = NiceScale::forRange(low, high, maxTicks);
        const double widest = std::max(m.horizontalAdvance(tickText(scale.first, scale)),
                                       m.horizontalAdvance(tickText(scale.last(), scale)));
        if (maxTicks == 2 || (widest + m.averageCharWidth() * 2) * (scale.count - 1) <= length)
            return scale;
        --maxTicks;
    }
}

NiceScale stageScale(const QFontMetricsF &m, const Ranges &r, double length)
{
    return NiceScale::forRange(r.stageLow, r.stageHigh,
                               std::max(2, int(length / (m.height() * 2.5))));
}

struct Frame
{
    QRectF bounds;
    QRectF plot;
    NiceScale stage, area, storage;
    double stageLabelWidth = 0;
    bool legendOnTwoRows = false;
};

double legendEntryWidth(const QFontMetricsF &m, const QString &text)
{
    return m.height() * 3.5 + m.horizontalAdvance(text);
}

Frame frameOf(const QFontMetricsF &m, const QRectF &bounds, const StorageSummary &summary)
{
    const Ranges r = rangesOf(summary);
    const double h = m.height();
    Frame f;
    f.bounds = bounds;
    f.legendOnTwoRows =
        legendEntryWidth(m, AreaLegend) + legendEntryWidth(m, StorageLegend) > bounds.width() - h;
    // Rows from the top: legend, top axis title, top labels; from the bottom: title, labels.
    const double top = bounds.top() + h * (f.legendOnTwoRows ? 4.6 : 3.6);
    const double bottom = bounds.bottom() - h * 2.4;
    f.stage = stageScale(m, r, bottom - top);
    for (double tick : f.stage.ticks())
        f.stageLabelWidth =
            std::max(f.stageLabelWidth, m.horizontalAdvance(tickText(tick, f.stage)));
    const double left = bounds.left() + h * 1.4 + f.stageLabelWidth + m.averageCharWidth();
    // Room for half of the last labels beyond the plot's right edge.
    const double right = bounds.right() - m.averageCharWidth() * 5;
    f.plot = QRectF(QPointF(left, top), QPointF(std::max(left, right), std::max(top, bottom)));
    f.area = horizontalScale(m, r.valueLow, r.areaHigh, f.plot.width());
    f.storage = horizontalScale(m, r.valueLow, r.storageHigh, f.plot.width());
    return f;
}

double along(const NiceScale &scale, double value)
{
    return (value - scale.first) / (scale.last() - scale.first);
}

void drawLegendEntry(QPainter &p, const QFontMetricsF &m, QPointF at, const QColor &color,
                     const QString &text, double width)
{
    p.setPen(QPen(color, width));
    const double y = at.y() + m.height() / 2;
    p.drawLine(QPointF(at.x(), y), QPointF(at.x() + m.height() * 1.5, y));
    p.setPen(Qt::black);
    p.drawText(QRectF(at.x() + m.height() * 2, at.y(), m.horizontalAdvance(text) + 2, m.height()),
               Qt::AlignLeft | Qt::AlignVCenter, text);
}

// An axis title centred on `centre` along its axis and kept between `low` and `high`; when
// that room is too narrow, the first form that fits, else the last one cut with an ellipsis.
void drawTitle(QPainter &p, const QFontMetricsF &m, const QStringList &forms, double centre,
               double y, double low, double high)
{
    const double room = high - low;
    QString text = forms.constLast();
    for (const QString &form : forms) {
        if (m.horizontalAdvance(form) <= room) {
            text = form;
            break;
        }
    }
    if (m.horizontalAdvance(text) > room)
        text = m.elidedText(text, Qt::ElideRight, room);
    const double width = m.horizontalAdvance(text);
    const double left = std::clamp(centre - width / 2, low, std::max(low, high - width));
    p.drawText(QRectF(left, y, width, m.height()),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
}

void drawAxes(QPainter &p, const QFontMetricsF &m, const Frame &f, double lineWidth)
{
    const QRectF &plot = f.plot;
    const double h = m.height();
    const QPen grid(QColor(0xd8, 0xd8, 0xd8), lineWidth / 2);
    for (double tick : f.stage.ticks()) {
        const double y = plot.bottom() - along(f.stage, tick) * plot.height();
        p.setPen(grid);
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(Qt::black);
        p.drawText(QRectF(plot.left() - h * 20, y - h / 2, h * 20 - m.averageCharWidth() / 2, h),
                   Qt::AlignRight | Qt::AlignVCenter, tickText(tick, f.stage));
    }
    const auto labels = [&](const NiceScale &scale, double y, const QColor &color) {
        p.setPen(color);
        for (double tick : scale.ticks()) {
            const double x = plot.left() + along(scale, tick) * plot.width();
            p.drawText(QRectF(x - h * 10, y, h * 20, h), Qt::AlignCenter, tickText(tick, scale));
        }
    };
    for (double tick : f.area.ticks()) {
        const double x = plot.left() + along(f.area, tick) * plot.width();
        p.setPen(grid);
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    labels(f.area, plot.bottom() + h * 0.2, StorageChart::areaColor().darker(130));
    labels(f.storage, plot.top() - h * 1.2, StorageChart::storageColor().darker(130));
    p.setPen(QPen(Qt::black, lineWidth / 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    const QRectF &bounds = f.bounds;
    p.setPen(StorageChart::areaColor().darker(130));
    drawTitle(p, m, {AreaTitle}, plot.center().x(), plot.bottom() + h * 1.3, bounds.left(),
              bounds.right());
    p.setPen(StorageChart::storageColor().darker(130));
    drawTitle(p, m, {StorageTitle, StorageShortTitle}, plot.center().x(), plot.top() - h * 2.3,
              bounds.left(), bounds.right());
    p.save();
    p.setPen(Qt::black);
    p.translate(plot.left() - f.stageLabelWidth - m.averageCharWidth() - h * 0.7,
                plot.center().y());
    p.rotate(-90); // x now runs upwards from the plot's middle
    drawTitle(p, m, {StageTitle}, 0, -h / 2, plot.center().y() - bounds.bottom(),
              plot.center().y() - bounds.top());
    p.restore();
}

} // namespace

StorageChart::StorageChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("storageChart"));
}

void StorageChart::setSummary(const StorageSummary &summary)
{
    m_summary = summary;
    update();
}

QSize StorageChart::minimumSizeHint() const
{
    const int h = fontMetrics().height();
    return {h * 16, h * 14};
}

void StorageChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paint(painter, QRectF(rect()), m_summary);
}

QRectF StorageChart::plotArea(const QFontMetricsF &metrics, const QRectF &bounds,
                              const StorageSummary &summary)
{
    return frameOf(metrics, bounds, summary).plot;
}

void StorageChart::paint(QPainter &painter, const QRectF &bounds, const StorageSummary &summary)
{
    const QFontMetricsF m(painter.font(), painter.device());
    const Frame f = frameOf(m, bounds, summary);
    if (f.plot.width() < m.height() || f.plot.height() < m.height())
        return; // too small for anything readable
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double lineWidth = std::max(1.0, m.height() / 7);
    drawAxes(painter, m, f, lineWidth);

    const QPointF legend(bounds.left() + m.height() / 2, bounds.top());
    drawLegendEntry(painter, m, legend, areaColor(), AreaLegend, lineWidth * 1.5);
    drawLegendEntry(painter, m,
                    f.legendOnTwoRows ? legend + QPointF(0, m.height())
                                      : legend + QPointF(legendEntryWidth(m, AreaLegend), 0),
                    storageColor(), StorageLegend, lineWidth * 1.5);
    if (summary.rows.empty()) {
        painter.setPen(Qt::darkGray);
        painter.drawText(f.plot, Qt::AlignCenter, QStringLiteral("No storage figures"));
        painter.restore();
        return;
    }

    const auto point = [&](const NiceScale &scale, double value, double stage) {
        return QPointF(f.plot.left() + along(scale, value) * f.plot.width(),
                       f.plot.bottom() - along(f.stage, stage) * f.plot.height());
    };
    QPainterPath areaSteps(point(f.area, summary.rows.front().area, summary.rows.front().stage));
    QPainterPath storageLine(
        point(f.storage, summary.rows.front().cumulative, summary.rows.front().stage));
    for (std::size_t i = 1; i < summary.rows.size(); ++i) {
        const StorageRow &row = summary.rows[i];
        areaSteps.lineTo(point(f.area, row.area, summary.rows[i - 1].stage));
        areaSteps.lineTo(point(f.area, row.area, row.stage));
        storageLine.lineTo(point(f.storage, row.cumulative, row.stage));
    }
    painter.setClipRect(f.plot.adjusted(-lineWidth, -lineWidth, lineWidth, lineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(areaColor(), lineWidth * 1.5));
    painter.drawPath(areaSteps);
    painter.setPen(QPen(storageColor(), lineWidth * 1.5));
    painter.drawPath(storageLine);
    painter.setBrush(storageColor());
    for (const StorageRow &row : summary.rows)
        painter.drawEllipse(point(f.storage, row.cumulative, row.stage), lineWidth * 1.6,
                            lineWidth * 1.6);
    painter.restore();
}
