#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QSize>
#include <QString>

// Writes small stand-in pictures into a temporary application directory.
namespace TestImages {

inline bool writeImage(const QString &dir, const QString &fileName, QSize size,
                       const char *format = "PNG")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    return image.save(QDir(dir).filePath(fileName), format);
}

// The bytes of a picture file of that format, to be cut short or written under another name.
inline QByteArray encoded(QSize size, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace TestImages
