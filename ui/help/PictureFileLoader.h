#pragma once

#include <QImage>
#include <QString>

// Reads the picture files of the application directory (help images, "SignOn.bmp"). A picture
// counts only when the whole of it loads: a file that is not a picture, or one cut short, gives
// nothing, so the callers treat it as missing instead of showing an empty or half-black image.
class PictureFileLoader
{
public:
    // Whether the file starts like a picture the reader knows and gives its size; cheap, as
    // only the header is read.
    static bool looksLikePicture(const QString &path);
    // The picture at its natural size; a null image when it does not load completely.
    static QImage load(const QString &path);
    // For a Windows bitmap: whether the file holds all the pixel data its header promises.
    // The platform's bitmap reader fills rows missing at the end with black and reports
    // success, so this is checked before it reads.
    static bool isCompleteBitmap(const QByteArray &header, qint64 fileSize);
};
