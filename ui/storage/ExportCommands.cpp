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

bool ExportCommands::writeExport(ExportKind kind, const QString &path, const Source &source,
                                 const SwmmNodeChoices &choices)
{
    const auto fail = [this](const std::string &why) {
        m_error = QString::fromStdString(why);
        return false;
    };
    if (!source.record.record)
        return fail(source.record.message);
    const Result<std::string> text = exportText(kind, *source.record.record, choices);
    if (!text)
        return fail(text.reason());
    const Result<void> saved = saveFileBytes(QFile::encodeName(path).toStdString(), *text);
    return saved.ok() || fail(saved.reason());
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

void ExportCommands::exportTo(ExportKind kind)
{
    const Source source = m_source();
    const ExportFormat &format = exportFormat(kind);
    SwmmNodeChoices choices;
    if (format.takesNodeChoices && source.record.record) {
        const std::optional<std::string> name = askNodeName(source);
        if (!name)
            return;
        choices.nodeName = *name;
    }
    const QString path = m_dialogs.askExportFileName(
        QString::fromUtf8(format.title), QString::fromUtf8(format.filter),
        QString::fromUtf8(format.suffix),
        suggestedName(source.projectFile, QString::fromUtf8(format.nameEnd)));
    if (path.isEmpty())
        return;
    if (!writeExport(kind, path, source, choices))
        m_dialogs.showError(QString::fromUtf8(format.failure) + LineBreak + path + LineBreak +
                            m_error);
}
