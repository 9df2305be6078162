#include "DiagramFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

QString DiagramFonts::ensureAvailable()
{
    if (QFontDatabase::families().contains(family()))
        return {};
    const QDir dir(QStringLiteral("/usr/share/fonts/truetype/dejavu"));
    for (const QString &name :
         {QStringLiteral("DejaVuSans.ttf"), QStringLiteral("DejaVuSans-Bold.ttf"),
          QStringLiteral("DejaVuSans-Oblique.ttf")})
        QFontDatabase::addApplicationFont(dir.filePath(name));
    if (QFontDatabase::families().contains(family()))
        return {};
    return QStringLiteral("the font \"DejaVu Sans\" is not installed (Debian package "
                          "fonts-dejavu-core)");
}

QFont DiagramFonts::font(int pixelSize, bool bold, bool italic)
{
    QFont f(family());
    // Pixel sizes are in the painter's logical units, so text scales with the drawing and
    // does not depend on the resolution stored in the image.
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}
