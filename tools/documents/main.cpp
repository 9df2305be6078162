// Turns an HTML source of the repository into one of the PDF documents shipped with the
// calculator. Placeholders {{name}} in the source are replaced: chamber-summary and
// chamber-models from the chamber data files given, anything else from --set name=value.
#include "ChamberModelData.h"
#include "ChamberTablesHtml.h"
#include "DiagramFonts.h"
#include "FigureLegendHtml.h"
#include "HelpDiagram.h"
#include "PdfDocumentWriter.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextStream>

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int failWith(const QString &message)
{
    err() << "documents: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes a PDF document from an HTML source."));
    parser.addHelpOption();
    const QCommandLineOption sourceOption(QStringLiteral("source"), QStringLiteral("HTML source."),
                                          QStringLiteral("file"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QStringLiteral("PDF to write."),
                                          QStringLiteral("file"));
    const QCommandLineOption titleOption(QStringLiteral("title"),
                                         QStringLiteral("Running header and PDF title."),
                                         QStringLiteral("text"));
    const QCommandLineOption chamberOption(QStringLiteral("chamber-data"),
                                           QStringLiteral("Chamber design data file (repeatable)."),
                                           QStringLiteral("file"));
    const QCommandLineOption setOption(QStringLiteral("set"),
                                       QStringLiteral("Placeholder value (repeatable)."),
                                       QStringLiteral("name=value"));
    parser.addOptions({sourceOption, outputOption, titleOption, chamberOption, setOption});
    parser.process(app);
    if (!parser.isSet(sourceOption) || !parser.isSet(outputOption) || !parser.isSet(titleOption))
        return failWith(QStringLiteral("--source, --output and --title are required"));

    if (const QString problem = DiagramFonts::ensureAvailable(); !problem.isEmpty())
        return failWith(problem);

    QFile sourceFile(parser.value(sourceOption));
    if (!sourceFile.open(QIODevice::ReadOnly))
        return failWith(QStringLiteral("cannot read %1 (%2)")
                            .arg(sourceFile.fileName(), sourceFile.errorString()));
    QString html = QString::fromUtf8(sourceFile.readAll());

    QList<ChamberModelData> models;
    for (const QString &path : parser.values(chamberOption)) {
        ChamberModelData model;
        if (!model.load(path))
            return failWith(model.errorString());
        models.append(model);
    }
    const ChamberTablesHtml tables(models);
    html.replace(QStringLiteral("{{chamber-summary}}"), tables.summaryTable());
    html.replace(QStringLiteral("{{chamber-models}}"), tables.modelSections());
    // Figure 1 spans the text column; its legend is set as text below it, so that it prints
    // at the size of the notes rather than shrunk with the drawing.
    const qreal figureInches =
        PdfDocumentWriter::bodyWidthPoints / PdfDocumentWriter::pointsPerInch;
    constexpr qreal htmlPixelsPerInch = 96;
    const QSizeF figurePixels = QSizeF(HelpDiagram::logicalWidth, HelpDiagram::legendTop) *
                                (figureInches * htmlPixelsPerInch / HelpDiagram::logicalWidth);
    html.replace(QStringLiteral("{{figure-width}}"), QString::number(qRound(figurePixels.width())));
    html.replace(QStringLiteral("{{figure-height}}"),
                 QString::number(qRound(figurePixels.height())));
    html.replace(QStringLiteral("{{figure-legend}}"),
                 FigureLegendHtml::table(HelpDiagram::legendEntries()));
    for (const QString &assignment : parser.values(setOption)) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return failWith(QStringLiteral("--set expects name=value, got \"%1\"").arg(assignment));
        html.replace(QStringLiteral("{{%1}}").arg(assignment.left(equals)),
                     assignment.mid(equals + 1).toHtmlEscaped());
    }
    const QRegularExpression leftOver(QStringLiteral("\\{\\{[^}]*\\}\\}"));
    if (const auto match = leftOver.match(html); match.hasMatch())
        return failWith(
            QStringLiteral("%1 has no value for %2").arg(sourceFile.fileName(), match.captured()));

    QTextStream out(stdout);
    out << "documents: writing " << parser.value(outputOption) << '\n';
    out.flush();
    PdfDocumentWriter writer(parser.value(titleOption));
    // Drawn at the PDF's own resolution for the width it is printed at.
    const int figureDotsPerInch =
        qRound(PdfDocumentWriter::resolution * figureInches * HelpDiagram::logicalUnitsPerInch /
               HelpDiagram::logicalWidth);
    writer.addImage(QStringLiteral("help-diagram.png"),
                    HelpDiagram().render(figureDotsPerInch, HelpDiagram::Legend::Omitted));
    if (!writer.write(html, parser.value(outputOption)))
        return failWith(writer.errorString());
    out << "documents: " << writer.pageCount() << " pages\n";
    return 0;
}
