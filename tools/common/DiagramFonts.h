#pragma once

#include <QFont>
#include <QString>

// The generators draw with DejaVu Sans so that images and documents look the same on every
// build machine. It checks once that the family is there, loading the font files from the
// usual Debian location when fontconfig does not list them.
class DiagramFonts
{
public:
    // Returns an empty string when the font is usable, otherwise what to install.
    static QString ensureAvailable();
    static QString family() { return QStringLiteral("DejaVu Sans"); }
    // A font of the family with its size in pixels of the painter's logical coordinates.
    static QFont font(int pixelSize, bool bold = false, bool italic = false);
};
