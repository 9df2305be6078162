#include "DocumentOpener.h"

#include "DesktopLauncher.h"
#include "LineBreaks.h"
#include "UserDialogs.h"

#include <QFileInfo>

namespace {
const QString failedTitle = QStringLiteral("URL Failed");
} // namespace

DocumentOpener::DocumentOpener(DesktopLauncher &launcher, UserDialogs &dialogs)
    : m_launcher(launcher), m_dialogs(dialogs)
{
}

QString DocumentOpener::quotedFileName(const QString &FileName)
{
    // Both tests look at the name as given, so an empty name still gets a pair of quotes.
    QString quoted = FileName;
    if (!FileName.startsWith(u'"'))
        quoted.prepend(u'"');
    if (!FileName.endsWith(u'"'))
        quoted.append(u'"');
    return quoted;
}

void DocumentOpener::ShowFile(const QString &FileName)
{
    if (!QFileInfo(FileName).isFile())
        return;
    const std::optional<DesktopEntry> program = m_launcher.programForFile(FileName);
    if (!program) {
        m_dialogs.showError(QStringLiteral("Could not find default executable for") + LineBreak +
                            FileName);
        return;
    }
    // An absolute path can never be taken for an option of the started program.
    if (!m_launcher.start(*program, QFileInfo(FileName).absoluteFilePath()))
        m_dialogs.showError(QStringLiteral("File not opened") + LineBreak + FileName, failedTitle);
}

void DocumentOpener::ShowWebPage(const QString &URL)
{
    const std::optional<DesktopEntry> browser = m_launcher.webBrowser();
    if (!browser) {
        m_dialogs.showError(QStringLiteral("Could not find default browser."));
        return;
    }
    if (!m_launcher.start(*browser, URL))
        m_dialogs.showError(QStringLiteral("Web page not opened."), failedTitle);
}
