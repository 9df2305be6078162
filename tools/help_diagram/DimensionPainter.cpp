#include "DimensionPainter.h"

#include "DiagramFonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {
constexpr qreal extensionOvershoot = 6;
constexpr qreal labelGap = 5;
} // namespace

DimensionPainter::DimensionPainter(QPainter &painter) : m_painter(painter) {}

void DimensionPainter::horizontal(qreal x1, qreal x2, qreal y, qreal extendFromY,
                                  const QString &label)
{
    const qreal direction = y > extendFromY ? 1 : -1;
    extensionLine({x1, extendFromY}, {x1, y + direction * extensionOvershoot});
    extensionLine({x2, extendFromY}, {x2, y + direction * extensionOvershoot});

    m_painter.save();
    m_painter.setPen(QPen(m_ink, 1.3));
    m_painter.drawLine(QPointF(x1, y), QPointF(x2, y));
    m_painter.restore();
    arrowhead({x1, y}, -1, 0);
    arrowhead({x2, y}, 1, 0);

    m_painter.save();
    m_painter.setPen(m_ink);
    m_painter.setFont(DiagramFonts::font(labelPixelSize, true));
    const QFontMetricsF metrics(m_painter.font());
    const qreal width = metrics.horizontalAdvance(label);
    m_painter.drawText(QPointF((x1 + x2 - width) / 2, y + labelGap + metrics.ascent()), label);
    m_painter.restore();
}

void DimensionPainter::vertical(qreal y1, qreal y2, qreal x, qreal extendFromX,
                                const QString &label)
{
    const qreal direction = x > extendFromX ? 1 : -1;
    extensionLine({extendFromX, y1}, {x + direction * extensionOvershoot, y1});
    extensionLine({extendFromX, y2}, {x + direction * extensionOvershoot, y2});

    m_painter.save();
    m_painter.setPen(QPen(m_ink, 1.3));
    m_painter.drawLine(QPointF(x, y1), QPointF(x, y2));
    m_painter.restore();
    arrowhead({x, y1}, 0, -1);
    arrowhead({x, y2}, 0, 1);

    m_painter.save();
    m_painter.setPen(m_ink);
    m_painter.setFont(DiagramFonts::font(labelPixelSize, true));
    const QFontMetricsF metrics(m_painter.font());
    const qreal width = metrics.horizontalAdvance(label);
    const qreal baseline = (y1 + y2) / 2 + (metrics.ascent() - metrics.descent()) / 2;
    m_painter.drawText(QPointF(x - labelGap - 2 - width, baseline), label);
    m_painter.restore();
}

void DimensionPainter::arrowhead(QPointF tip, qreal dx, qreal dy)
{
    const qreal length = std::hypot(dx, dy);
    const QPointF along(dx / length, dy / length);
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * arrowLength;
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(base + across * arrowHalfWidth);
    path.lineTo(base - across * arrowHalfWidth);
    path.closeSubpath();
    m_painter.fillPath(path, m_ink);
}

void DimensionPainter::leader(QPointF from, QPointF to)
{
    m_painter.save();
    m_painter.setPen(QPen(m_ink, 1.1));
    m_painter.drawLine(from, to);
    m_painter.setBrush(m_ink);
    m_painter.setPen(Qt::NoPen);
    m_painter.drawEllipse(to, 2.6, 2.6);
    m_painter.restore();
}

void DimensionPainter::extensionLine(QPointF from, QPointF to)
{
    m_painter.save();
    m_painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.9));
    m_painter.drawLine(from, to);
    m_painter.restore();
}
