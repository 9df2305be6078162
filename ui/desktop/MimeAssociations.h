#pragma once

#include <QString>
#include <QStringList>

// The desktop's associations of MIME types with applications, as the freedesktop
// standards keep them: the mimeapps.list files of the configuration and data
// directories (defaults, added and removed associations), then the mimeinfo.cache of each
// applications directory, or the entries' own MimeType lines where no cache was built.
class MimeAssociations
{
public:
    // Directories in falling priority, as $XDG_CONFIG_HOME:$XDG_CONFIG_DIRS and
    // $XDG_DATA_HOME:$XDG_DATA_DIRS; desktopNames as $XDG_CURRENT_DESKTOP.
    MimeAssociations(QStringList configDirs, QStringList dataDirs, QStringList desktopNames = {});

    static MimeAssociations fromEnvironment();

    // Desktop file ids for the type, preferred first, without duplicates or removed ones.
    QStringList applicationsFor(const QString &mimeType) const;
    // The entry file of a desktop file id ("vendor-app.desktop" may live at vendor/app.desktop);
    // empty when none of the applications directories has it.
    QString desktopFilePath(const QString &desktopId) const;

private:
    QStringList mimeappsFiles() const;
    QStringList applicationDirs() const;

    QStringList m_configDirs;
    QStringList m_dataDirs;
    QStringList m_desktopNames;
};
