#include "ShellDesktopLauncher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>

namespace {
std::optional<DesktopEntry> entryForProgram(const QString &programPath)
{
    if (programPath.isEmpty())
        return std::nullopt;
    DesktopEntry entry;
    entry.name = QFileInfo(programPath).completeBaseName();
    entry.exec = QDir::fromNativeSeparators(programPath);
    return entry;
}
} // namespace

std::unique_ptr<DesktopLauncher> DesktopLauncher::platformDefault()
{
    return std::make_unique<ShellDesktopLauncher>();
}

std::optional<DesktopEntry> ShellDesktopLauncher::programForFile(const QString &filePath)
{
    const std::wstring file = QDir::toNativeSeparators(filePath).toStdWString();
    wchar_t program[MAX_PATH] = {};
    // Results of 32 or less are the shell's error codes (no association, no file).
    if (reinterpret_cast<INT_PTR>(FindExecutableW(file.c_str(), nullptr, program)) <= 32)
        return std::nullopt;
    return entryForProgram(QString::fromWCharArray(program));
}

std::optional<DesktopEntry> ShellDesktopLauncher::webBrowser()
{
    wchar_t program[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    if (AssocQueryStringW(ASSOCF_IS_PROTOCOL, ASSOCSTR_EXECUTABLE, L"https", L"open", program,
                          &length) != S_OK)
        return std::nullopt;
    return entryForProgram(QString::fromWCharArray(program));
}

bool ShellDesktopLauncher::start(const DesktopEntry &, const QString &argument)
{
    // The shell starts the program it associates, the one programForFile() or webBrowser()
    // reported; a file is opened as a file, anything else as an address.
    const QUrl url = QFileInfo::exists(argument) ? QUrl::fromLocalFile(argument) : QUrl(argument);
    return QDesktopServices::openUrl(url);
}
