#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

// The bitmap of the splash and About windows: the program's name over a band that suggests
// chambers in a stone bed. The About window writes its version label at 5025 x 3210 twips,
// which at 96 dpi (15 twips per pixel) is pixel (335, 214); that area is left plain.
class SignOnBitmap
{
public:
    static constexpr QSize size{480, 280};
    // Kept free of drawing, with room for "Version 1.0.0" in a bold 8 to 9 point font.
    static constexpr QRect versionLabelArea{327, 206, 145, 36};
    static constexpr QRgb background = 0xfff6f8fa;

    QImage render() const;

private:
    void paintHeader(QPainter &painter) const;
    void paintStoneBand(QPainter &painter) const;
    void paintCaption(QPainter &painter) const;
};
