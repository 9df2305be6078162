#include "XdgDesktopLauncher.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <utility>

std::unique_ptr<DesktopLauncher> DesktopLauncher::platformDefault()
{
    return std::make_unique<XdgDesktopLauncher>();
}

XdgDesktopLauncher::XdgDesktopLauncher(MimeAssociations associations)
    : m_associations(std::move(associations))
{
}

QStringList XdgDesktopLauncher::webPageTypes()
{
    return {QStringLiteral("x-scheme-handler/https"), QStringLiteral("x-scheme-handler/http"),
            QStringLiteral("text/html")};
}

std::optional<DesktopEntry> XdgDesktopLauncher::programForFile(const QString &filePath)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(filePath);
    if (!type.isValid())
        return std::nullopt;
    QStringList types{type.name()};
    types << type.aliases() << type.allAncestors();
    return programForTypes(types);
}

std::optional<DesktopEntry> XdgDesktopLauncher::webBrowser()
{
    return programForTypes(webPageTypes());
}

std::optional<DesktopEntry> XdgDesktopLauncher::programForTypes(const QStringList &mimeTypes) const
{
    for (const QString &mimeType : mimeTypes) {
        for (const QString &id : m_associations.applicationsFor(mimeType)) {
            const QString path = m_associations.desktopFilePath(id);
            if (path.isEmpty())
                continue;
            std::optional<DesktopEntry> entry = DesktopEntry::read(path);
            if (entry && entry->isInstalled())
                return entry;
        }
    }
    return std::nullopt;
}

bool XdgDesktopLauncher::start(const DesktopEntry &program, const QString &argument)
{
    QStringList command = program.commandFor(argument);
    if (command.isEmpty())
        return false;
    QString executable = command.takeFirst();
    if (!executable.contains(u'/'))
        executable = QStandardPaths::findExecutable(executable);
    if (executable.isEmpty())
        return false;
    return QProcess::startDetached(executable, command);
}
