#include "DocumentCommands.h"

#include "DocumentView.h"
#include "InputChecks.h"
#include "ProjectFileIO.h"
#include "UserDialogs.h"

namespace {

bool fileExists(const QString &path)
{
    return !path.isEmpty() && FileExists(path.toStdString());
}

const QString LineBreak = QStringLiteral("\r\n");

} // namespace

DocumentCommands::DocumentCommands(DocumentView &view, UserDialogs &dialogs, QObject *parent)
    : QObject(parent), m_view(view), m_dialogs(dialogs)
{
}

void DocumentCommands::resetToUntitled()
{
    m_dataChanged = true;
    m_currentFileName.clear();
    m_view.setCaption(m_baseCaption);
}

void DocumentCommands::showCaption()
{
    m_view.setCaption(m_currentFileName.isEmpty() ? m_baseCaption : m_currentFileName);
}

void DocumentCommands::mnuFile_Open_Click()
{
    openFile(m_dialogs.askOpenFileName());
}

bool DocumentCommands::openFile(const QString &path)
{
    if (!fileExists(path))
        return false;
    m_view.ClearData();

    ProjectDocument document;
    const ProjectReadResult read = OpenDataFile(path.toStdString(), document);
    if (!read.ok()) {
        if (read.status == ProjectReadResult::Status::InvalidFormat)
            m_dialogs.showError(QString::fromUtf8(InvalidFormatMessage));
        // Nothing of a partly read file is left behind.
        m_view.ClearData();
        return false;
    }
    m_view.showDocument(document);
    m_currentFileName = path;
    m_dataChanged = false; // loading the fields marked the document changed
    showCaption();
    return true;
}

bool DocumentCommands::SaveDataFile(const QString &path)
{
    const SaveResult saved = ::SaveDataFile(path.toStdString(), m_view.currentDocument());
    if (saved.ok)
        m_dataChanged = false;
    return saved.ok;
}

QString DocumentCommands::AskSaveFileName(const QString &currentName)
{
    return m_dialogs.askSaveFileName(fileExists(currentName) ? currentName : QString());
}

bool DocumentCommands::SaveDataFileAs(QString &name, QString &triedPath)
{
    triedPath.clear();
    const QString chosen = AskSaveFileName(name);
    if (chosen.isEmpty())
        return true; // a cancel is not an error
    triedPath = chosen;
    if (!SaveDataFile(chosen))
        return false;
    name = chosen;
    return true;
}

bool DocumentCommands::mnuFile_Save_Click()
{
    bool ok = false;
    QString failedPath;
    if (fileExists(m_currentFileName)) {
        ok = SaveDataFile(m_currentFileName);
        failedPath = m_currentFileName;
    } else {
        // No file yet, or it has gone since: ask rather than silently re-create it.
        QString name = m_currentFileName;
        ok = SaveDataFileAs(name, failedPath);
        if (ok)
            m_currentFileName = name;
    }
    if (ok)
        showCaption();
    else
        m_dialogs.showError(QStringLiteral("Error saving file:") + LineBreak + failedPath);
    return ok;
}

bool DocumentCommands::mnuFile_SaveAs_Click()
{
    QString name = m_currentFileName;
    QString triedPath;
    const bool ok = SaveDataFileAs(name, triedPath);
    if (ok) {
        m_currentFileName = name;
        showCaption();
    } else {
        m_dialogs.showError(QStringLiteral("Error Saving File:") + LineBreak + triedPath);
    }
    return ok;
}

bool DocumentCommands::confirmClose()
{
    if (!m_dataChanged)
        return true;
    if (!m_dialogs.askYesNo(
            QStringLiteral("Data has changed. Do you want to save the current data?")))
        return true;
    return mnuFile_Save_Click();
}
