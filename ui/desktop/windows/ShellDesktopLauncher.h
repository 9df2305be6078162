#pragma once

#include "DesktopLauncher.h"

// The desktop layer on Windows: the shell's file associations find the program for a file's
// type and the default browser, and the shell opens the file or address (QDesktopServices).
class ShellDesktopLauncher : public DesktopLauncher
{
public:
    std::optional<DesktopEntry> programForFile(const QString &filePath) override;
    std::optional<DesktopEntry> webBrowser() override;
    bool start(const DesktopEntry &program, const QString &argument) override;
};
