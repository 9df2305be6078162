#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;

// The background of the splash and About windows: "SignOn.bmp" from the application directory
// at its natural size. When the bitmap is missing or does not load completely the windows still
// come up, at a fixed size with the program's name drawn on a plain background.
class SignOnPicture
{
public:
    static constexpr QSize fallbackSize{480, 280};

    explicit SignOnPicture(const QString &appDir);

    static QString fileName() { return QStringLiteral("SignOn.bmp"); }
    static QString programName() { return QStringLiteral("Tessivane Stage vs Area Calculator"); }

    bool isLoaded() const { return !m_bitmap.isNull(); }
    // The size the windows take: the bitmap's pixels map one to one onto the borderless
    // window's client area.
    QSize size() const;
    void paint(QPainter &painter) const;

private:
    QPixmap m_bitmap;
};
