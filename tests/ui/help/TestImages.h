#pragma once

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

} // namespace TestImages
