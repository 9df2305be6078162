#include "SignOnBitmap.h"

#include "DiagramFonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace {
constexpr int headerHeight = 168;
constexpr int bandHeight = 14;
} // namespace

QImage SignOnBitmap::render() const
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(QColor::fromRgb(background));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintHeader(painter);
    paintStoneBand(painter);
    paintCaption(painter);
    painter.end();
    return image;
}

void SignOnBitmap::paintHeader(QPainter &painter) const
{
    QLinearGradient gradient(0, 0, 0, headerHeight);
    gradient.setColorAt(0, QColor(0x17, 0x3f, 0x66));
    gradient.setColorAt(1, QColor(0x2c, 0x6a, 0x9e));
    painter.fillRect(QRect(0, 0, size.width(), headerHeight), gradient);

    // Three chamber arches standing on the stone band, drawn as light outlines.
    painter.save();
    painter.setPen(QPen(QColor(255, 255, 255, 90), 3));
    painter.setBrush(QColor(255, 255, 255, 22));
    for (int i = 0; i < 3; ++i) {
        const qreal left = 300 + i * 58;
        QPainterPath arch;
        arch.moveTo(left, headerHeight);
        arch.arcTo(QRectF(left, headerHeight - 56, 50, 112), 180, -180);
        painter.drawPath(arch);
    }
    painter.restore();

    painter.setPen(Qt::white);
    painter.setFont(DiagramFonts::font(46, true));
    painter.drawText(QPointF(28, 68), QStringLiteral("Tessivane"));
    painter.setFont(DiagramFonts::font(22));
    painter.drawText(QPointF(30, 104), QStringLiteral("Stage vs Area Calculator"));
    painter.setPen(QColor(0xcf, 0xe3, 0xf5));
    painter.setFont(DiagramFonts::font(18, false, true));
    painter.drawText(QPointF(30, 138), QStringLiteral("for VELDO 3.2"));
}

void SignOnBitmap::paintStoneBand(QPainter &painter) const
{
    const QRect band(0, headerHeight, size.width(), bandHeight);
    painter.fillRect(band, QColor(0xe6, 0xd9, 0xbb));
    QRandomGenerator random(160300);
    painter.save();
    painter.setClipRect(band);
    painter.setPen(QPen(QColor(0xa3, 0x8e, 0x66), 0.7));
    painter.setBrush(QColor(0xd2, 0xbf, 0x96));
    for (int i = 0; i < 260; ++i) {
        const qreal x = random.bounded(double(size.width()));
        const qreal y = headerHeight + random.bounded(double(bandHeight));
        const qreal r = 1.2 + random.bounded(2.0);
        painter.drawEllipse(QPointF(x, y), r * 1.3, r);
    }
    painter.restore();
    painter.setPen(QPen(QColor(0x17, 0x3f, 0x66), 2));
    painter.drawLine(0, headerHeight + bandHeight, size.width(), headerHeight + bandHeight);
}

void SignOnBitmap::paintCaption(QPainter &painter) const
{
    painter.setPen(QColor(0x44, 0x4c, 0x55));
    painter.setFont(DiagramFonts::font(13));
    painter.drawText(QPointF(30, 214), QStringLiteral("Equivalent pond stage vs area tables"));
    painter.drawText(QPointF(30, 232), QStringLiteral("for chamber beds in stone"));
    painter.setPen(QPen(QColor(0x2c, 0x6a, 0x9e), 3));
    painter.drawLine(0, size.height() - 2, size.width(), size.height() - 2);
}
