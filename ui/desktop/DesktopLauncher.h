#pragma once

#include "DesktopEntry.h"

#include <QString>
#include <memory>
#include <optional>

// What the calculator needs of the desktop to open a document or a web page: the program
// associated with a file's type or with web addresses, and a detached start of it. The real
// one reads the desktop's MIME associations (on Windows: the shell's); tests use a double.
class DesktopLauncher
{
public:
    virtual ~DesktopLauncher() = default;

    // The real one of the platform the program is built for.
    static std::unique_ptr<DesktopLauncher> platformDefault();

    // The program associated with the type of an existing file; nothing when there is none.
    virtual std::optional<DesktopEntry> programForFile(const QString &filePath) = 0;
    // The default web browser; nothing when there is none.
    virtual std::optional<DesktopEntry> webBrowser() = 0;
    // Starts the program with one file path or address and does not wait for it. False when
    // the program could not be started.
    virtual bool start(const DesktopEntry &program, const QString &argument) = 0;
};
