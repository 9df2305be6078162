// Writes the splash and About bitmap.
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
        err << "usage: tessivane-signon OUTPUT_FILE.bmp\n";
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
    if (!image.save(args.at(1), "BMP")) {
        err << "signon: cannot write " << args.at(1) << '\n';
        return 1;
    }
    return 0;
}
