#pragma once

#include "DesktopLauncher.h"

#include <QList>
#include <QPair>
#include <QStringList>

#include <optional>

// A desktop with configurable associations whose starts only get recorded.
class FakeLauncher : public DesktopLauncher
{
public:
    std::optional<DesktopEntry> fileProgram = DesktopEntry{{}, "Viewer", {}, "viewer %f", {}};
    std::optional<DesktopEntry> browser = DesktopEntry{{}, "Browser", {}, "browser %u", {}};
    bool startSucceeds = true;
    QStringList filesLookedUp;
    QList<QPair<QString, QString>> starts; // program name, argument

    std::optional<DesktopEntry> programForFile(const QString &filePath) override
    {
        filesLookedUp << filePath;
        return fileProgram;
    }
    std::optional<DesktopEntry> webBrowser() override { return browser; }
    bool start(const DesktopEntry &program, const QString &argument) override
    {
        starts << qMakePair(program.name, argument);
        return startSucceeds;
    }
};
