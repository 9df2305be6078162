#include "ReportCommands.h"

#include "LineBreaks.h"
#include "UserDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>

namespace {

// Beside the project file, named after it; nothing when the project has no file yet.
QString suggestedPdfName(const QString &projectFile)
{
    if (projectFile.isEmpty())
        return {};
    const QFileInfo info(projectFile);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
}

} // namespace

ReportCommands::ReportCommands(UserDialogs &dialogs, ContentSource content, QObject *parent)
    : QObject(parent), m_dialogs(dialogs), m_content(std::move(content))
{
}

void ReportCommands::mnuFile_ExportPdf_Click()
{
    const ReportContent content = m_content();
    const QString path = m_dialogs.askPdfFileName(suggestedPdfName(content.fileName));
    if (path.isEmpty())
        return;
    ReportDocument report(content);
    if (!report.writePdf(path))
        m_dialogs.showError(QStringLiteral("Error exporting the report as PDF:") + LineBreak +
                            path + LineBreak + report.errorString());
}

void ReportCommands::mnuFile_Print_Click()
{
    const ReportContent content = m_content();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(content.projectName.isEmpty() ? content.programTitle : content.projectName);
    printer.setPageLayout(ReportDocument::defaultPageLayout());
    if (!m_dialogs.askPrintSettings(printer))
        return;
    if (!ReportDocument(content).render(printer))
        m_dialogs.showError(QStringLiteral("Error printing the report:") + LineBreak +
                            (printer.outputFileName().isEmpty() ? printer.printerName()
                                                                : printer.outputFileName()));
}
