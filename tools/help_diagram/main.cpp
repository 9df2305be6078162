// Writes the help diagram at the four image sizes the calculator offers.
#include "DiagramFonts.h"
#include "HelpDiagram.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: tessivane-help-diagram OUTPUT_DIRECTORY\n";
        return 1;
    }
    if (const QString problem = DiagramFonts::ensureAvailable(); !problem.isEmpty()) {
        err << "help-diagram: " << problem << '\n';
        return 1;
    }
    const QDir outputDir(args.at(1));
    if (!outputDir.exists()) {
        err << "help-diagram: output directory " << args.at(1) << " does not exist\n";
        return 1;
    }
    const HelpDiagram diagram;
    for (const int dpi : {75, 100, 150, 200}) {
        const QString path =
            outputDir.filePath(QStringLiteral("H%1dpi.png").arg(dpi, 3, 10, QLatin1Char('0')));
        const QImage image = diagram.render(dpi);
        out << "help-diagram: writing " << path << " (" << image.width() << " x " << image.height()
            << " pixels)\n";
        out.flush();
        if (!image.save(path, "PNG")) {
            err << "help-diagram: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
