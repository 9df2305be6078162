#include "ExportCommands.h"

#include "CalcRecord.h"
#include "FileSaver.h"
#include "LineBreaks.h"
#include "SwmmExport.h"
#include "UserDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

struct ExportKind
{
    QString title; // the dialog's
    QString filter;
    QString suffix;
    QString nameEnd; // after the project file's base name
    QString failure; // the message's first line
};

ExportKind describe(RoutingExport kind)
{
    if (kind == RoutingExport::SwmmStorageNode)
        return {QStringLiteral("SWMM Storage Node"), QStringLiteral("SWMM input files (*.inp)"),
                QStringLiteral("inp"), QStringLiteral(".inp"),
                QStringLiteral("Error exporting the SWMM storage node:")};
    return {QStringLiteral("Elevation–Storage Table"), QStringLiteral("CSV files (*.csv)"),
            QStringLiteral("csv"), QStringLiteral("-storage.csv"),
            QStringLiteral("Error exporting the elevation–storage table:")};
}

// Beside the project file, named after it; nothing when the project has no file yet.
QString suggestedName(const QString &projectFile, const QString &nameEnd)
{
    if (projectFile.isEmpty())
        return {};
    const QFileInfo info(projectFile);
    return info.dir().filePath(info.completeBaseName() + nameEnd);
}

} // namespace

ExportCommands::ExportCommands(UserDialogs &dialogs, SourceFunction source, QObject *parent)
    : QObject(parent), m_dialogs(dialogs), m_source(std::move(source))
{
}

bool ExportCommands::writeExport(RoutingExport kind, const QString &path, const Source &source,
                                 const SwmmNodeChoices &choices)
{
    const auto fail = [this](const std::string &why) {
        m_error = QString::fromStdString(why);
        return false;
    };
    if (!source.record.record)
        return fail(source.record.message);
    const Result<std::string> text = routingExportText(kind, *source.record.record, choices);
    if (!text)
        return fail(text.reason());
    const Result<void> saved = saveFileBytes(QFile::encodeName(path).toStdString(), *text);
    return saved.ok() || fail(saved.reason());
}

void ExportCommands::mnuFile_ExportSwmm_Click()
{
    exportTo(RoutingExport::SwmmStorageNode);
}

void ExportCommands::mnuFile_ExportStageStorage_Click()
{
    exportTo(RoutingExport::ElevationStorageTable);
}

std::optional<std::string> ExportCommands::askNodeName(const Source &source)
{
    const std::string projectName =
        source.record.record ? source.record.record->inputs.projectName : std::string();
    QString name = QString::fromStdString(swmmNodeName(projectName));
    for (;;) {
        name = m_dialogs.askText(QStringLiteral("SWMM Storage Node"),
                                 QStringLiteral("Storage node name:"), name);
        if (name.isNull())
            return std::nullopt;
        const std::string chosen = name.trimmed().toStdString();
        const Result<void> valid = checkSwmmNodeName(chosen);
        if (valid)
            return chosen;
        m_dialogs.showError(QString::fromStdString(valid.reason()));
    }
}

void ExportCommands::exportTo(RoutingExport kind)
{
    const Source source = m_source();
    const ExportKind about = describe(kind);
    SwmmNodeChoices choices;
    if (kind == RoutingExport::SwmmStorageNode && source.record.record) {
        const std::optional<std::string> name = askNodeName(source);
        if (!name)
            return;
        choices.nodeName = *name;
    }
    const QString path = m_dialogs.askExportFileName(
        about.title, about.filter, about.suffix, suggestedName(source.projectFile, about.nameEnd));
    if (path.isEmpty())
        return;
    if (!writeExport(kind, path, source, choices))
        m_dialogs.showError(about.failure + LineBreak + path + LineBreak + m_error);
}
