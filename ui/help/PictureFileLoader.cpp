#include "PictureFileLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>

namespace {

constexpr qsizetype fileHeaderSize = 14;
constexpr qsizetype coreHeaderSize = 12;
constexpr qsizetype infoHeaderSize = 40;
constexpr quint32 uncompressed = 0;
constexpr quint32 bitFields = 3;
constexpr quint32 alphaBitFields = 6;

template <typename T> T readLittleEndian(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

} // namespace

bool PictureFileLoader::isCompleteBitmap(const QByteArray &header, qint64 fileSize)
{
    if (header.size() < fileHeaderSize + coreHeaderSize || !header.startsWith("BM"))
        return false;
    const qint64 pixelOffset = readLittleEndian<quint32>(header, 10);
    const quint32 infoSize = readLittleEndian<quint32>(header, fileHeaderSize);
    qint64 width = 0;
    qint64 height = 0;
    qint64 bitsPerPixel = 0;
    quint32 compression = uncompressed;
    qint64 declaredDataSize = 0;
    if (infoSize == coreHeaderSize) {
        width = readLittleEndian<quint16>(header, 18);
        height = readLittleEndian<quint16>(header, 20);
        bitsPerPixel = readLittleEndian<quint16>(header, 24);
    } else if (infoSize >= infoHeaderSize && header.size() >= fileHeaderSize + infoHeaderSize) {
        width = readLittleEndian<qint32>(header, 18);
        height = std::abs(qint64(readLittleEndian<qint32>(header, 22)));
        bitsPerPixel = readLittleEndian<quint16>(header, 28);
        compression = readLittleEndian<quint32>(header, 30);
        declaredDataSize = readLittleEndian<quint32>(header, 34);
    } else {
        return false;
    }
    const qint64 available = fileSize - pixelOffset;
    if (width <= 0 || height <= 0 || bitsPerPixel <= 0 ||
        pixelOffset < fileHeaderSize + coreHeaderSize || available < 0)
        return false;
    if (compression != uncompressed && compression != bitFields && compression != alphaBitFields)
        return available >= declaredDataSize; // run-length and embedded data state their size
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return height <= available / rowBytes; // divided, as the product may not fit
}

bool PictureFileLoader::looksLikePicture(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QImageReader reader(path);
    return reader.canRead() && reader.size().isValid();
}

QImage PictureFileLoader::load(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    if (!reader.canRead())
        return {};
    if (reader.format() == "bmp") {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) ||
            !isCompleteBitmap(file.read(fileHeaderSize + infoHeaderSize), file.size()))
            return {};
    }
    return reader.read();
}
