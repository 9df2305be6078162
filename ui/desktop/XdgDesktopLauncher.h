#pragma once

#include "DesktopLauncher.h"
#include "MimeAssociations.h"

// The desktop layer over the freedesktop MIME associations: the first installed application
// associated with the file's type (or one of the types it derives from), or with https, http
// or HTML for web pages, started detached through its Exec line.
class XdgDesktopLauncher : public DesktopLauncher
{
public:
    explicit XdgDesktopLauncher(
        MimeAssociations associations = MimeAssociations::fromEnvironment());

    std::optional<DesktopEntry> programForFile(const QString &filePath) override;
    std::optional<DesktopEntry> webBrowser() override;
    bool start(const DesktopEntry &program, const QString &argument) override;

    static QStringList webPageTypes();

private:
    std::optional<DesktopEntry> programForTypes(const QStringList &mimeTypes) const;

    MimeAssociations m_associations;
};
