// Writes the splash and About bitmap (and, for the browser page, the same picture as PNG).
#include "DiagramFonts.h"
#include "SignOnBitmap.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: tessivane-signon OUTPUT_FILE.bmp|OUTPUT_FILE.png\n";
        return 1;
    }
    if (const QString problem = DiagramFonts::ensureAvailable(); !problem.isEmpty()) {
        err << "signon: " << problem << '\n';
        return 1;
    }
    const QImage image = SignOnBitmap().render();
    out << "signon: writing " << args.at(1) << " (" << image.width() << " x " << image.height()
        << " pixels, 24-bit)\n";
    out.flush();
    const bool png = args.at(1).endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    if (!image.save(args.at(1), png ? "PNG" : "BMP")) {
        err << "signon: cannot write " << args.at(1) << '\n';
        return 1;
    }
    return 0;
}
