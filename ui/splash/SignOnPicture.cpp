#include "SignOnPicture.h"

#include "PictureFileLoader.h"

#include <QDir>
#include <QFont>
#include <QPainter>

SignOnPicture::SignOnPicture(const QString &appDir)
{
    // A bitmap cut short would come up partly black; it counts as missing.
    const QImage image = PictureFileLoader::load(QDir(appDir).filePath(fileName()));
    if (!image.isNull())
        m_bitmap = QPixmap::fromImage(image);
}

QSize SignOnPicture::size() const
{
    return isLoaded() ? m_bitmap.size() : fallbackSize;
}

void SignOnPicture::paint(QPainter &painter) const
{
    if (isLoaded()) {
        painter.drawPixmap(0, 0, m_bitmap);
        return;
    }
    const QRect area(QPoint(0, 0), fallbackSize);
    painter.fillRect(area, QColor(0xf6, 0xf8, 0xfa));
    painter.setPen(QColor(0x30, 0x40, 0x50));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    QFont font = painter.font();
    font.setPointSizeF(16);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(area.adjusted(20, 0, -20, -area.height() / 3),
                     Qt::AlignCenter | Qt::TextWordWrap, programName());
}
