#include "DocumentCommands.h"

#include "DesignSession.h"
#include "DocumentMessages.h"
#include "DocumentView.h"
#include "FileExists.h"
#include "ProjectFileIO.h"
#include "UserDialogs.h"

#include <QFile>

#include <filesystem>

namespace {

bool fileExists(const QByteArray &nativePath)
{
    return !nativePath.isEmpty() && FileExists(nativePath.toStdString());
}

QString shown(const QByteArray &nativePath)
{
    return QFile::decodeName(nativePath);
}

} // namespace

DocumentCommands::DocumentCommands(DocumentView &view, DesignSession &session, UserDialogs &dialogs,
                                   QObject *parent)
    : QObject(parent), m_view(view), m_session(session), m_dialogs(dialogs)
{
}

bool DocumentCommands::DataChanged() const
{
    return m_session.changed();
}

void DocumentCommands::resetToUntitled()
{
    m_currentFileName.clear();
    m_currentNativePath.clear();
    m_stamp.reset();
    m_view.setCaption(m_baseCaption);
}

void DocumentCommands::showCaption()
{
    m_view.setCaption(m_currentFileName.isEmpty() ? m_baseCaption : m_currentFileName);
}

void DocumentCommands::mnuFile_Clear_Click()
{
    if (maybeSave())
        m_view.ClearData();
}

void DocumentCommands::mnuFile_Open_Click()
{
    if (maybeSave())
        openFile(m_dialogs.askOpenFileName());
}

bool DocumentCommands::openFile(const QString &path)
{
    const QByteArray nativePath = QFile::encodeName(path);
    if (!fileExists(nativePath))
        return false; // the dialog's file has gone meanwhile: nothing happens
    return readFile(nativePath);
}

bool DocumentCommands::openNativeFile(const QByteArray &nativePath)
{
    // Anything else that is there (a folder, a device, a loop of links) the reader words.
    std::error_code error;
    if (nativePath.isEmpty() || !std::filesystem::exists(std::filesystem::symlink_status(
                                    nativePath.toStdString(), error))) {
        const Result<ProjectDocument> missing = Failure{"It does not exist."};
        m_dialogs.showError(
            QString::fromStdString(openFailureMessage(missing, shown(nativePath).toStdString())));
        return false;
    }
    return readFile(nativePath);
}

bool DocumentCommands::readFile(const QByteArray &nativePath)
{
    // The file is read whole before the window changes, so a file that cannot be used
    // leaves the current project as it was.
    FileStamp stamp;
    const Result<ProjectDocument> read = DesignSession::readFile(nativePath.toStdString(), &stamp);
    if (!read) {
        m_dialogs.showError(
            QString::fromStdString(openFailureMessage(read, shown(nativePath).toStdString())));
        return false;
    }
    m_view.ClearData(); // what the file does not hold starts empty
    m_view.showDocument(*read);
    m_currentNativePath = nativePath;
    m_currentFileName = shown(nativePath);
    m_stamp = stamp;
    showCaption();
    return true;
}

bool DocumentCommands::SaveDataFile(const QByteArray &nativePath)
{
    const Result<void> saved = m_session.saveFile(nativePath.toStdString());
    m_saveFailure = saved.reason();
    if (saved)
        m_stamp = stampOfFile(nativePath.toStdString());
    return saved.ok();
}

void DocumentCommands::showSaveFailure(const char *firstLine, const QByteArray &path)
{
    m_dialogs.showError(QString::fromStdString(
        DocumentMessages::saveFailure(firstLine, shown(path).toStdString(), m_saveFailure)));
}

QByteArray DocumentCommands::AskSaveFileName(const QByteArray &currentName)
{
    const QString initial = fileExists(currentName) ? shown(currentName) : QString();
    return QFile::encodeName(m_dialogs.askSaveFileName(initial));
}

bool DocumentCommands::SaveDataFileAs(QByteArray &name, QByteArray &triedPath)
{
    triedPath.clear();
    const QByteArray chosen = AskSaveFileName(name);
    if (chosen.isEmpty())
        return true; // a cancel is not an error
    triedPath = chosen;
    if (!SaveDataFile(chosen))
        return false;
    name = chosen;
    return true;
}

void DocumentCommands::setCurrentFile(const QByteArray &nativePath)
{
    m_currentNativePath = nativePath;
    m_currentFileName = shown(nativePath);
}

bool DocumentCommands::mnuFile_Save_Click()
{
    bool ok = false;
    QByteArray failedPath;
    if (fileExists(m_currentNativePath)) {
        if (!replaceChangedFileAllowed())
            return true; // No: nothing written, the inputs stay unsaved
        ok = SaveDataFile(m_currentNativePath);
        failedPath = m_currentNativePath;
    } else {
        // No file yet, or it has gone since: ask rather than silently re-create it.
        QByteArray name = m_currentNativePath;
        ok = SaveDataFileAs(name, failedPath);
        if (ok)
            setCurrentFile(name);
    }
    if (ok)
        showCaption();
    else
        showSaveFailure(DocumentMessages::SaveFailed, failedPath);
    return ok;
}

bool DocumentCommands::replaceChangedFileAllowed()
{
    if (m_stamp && stampOfFile(m_currentNativePath.toStdString()) == m_stamp)
        return true;
    return m_dialogs.askYesNo(
        QStringLiteral("The file has changed since it was opened. Replace it?"));
}

bool DocumentCommands::mnuFile_SaveAs_Click()
{
    QByteArray name = m_currentNativePath;
    QByteArray triedPath;
    const bool ok = SaveDataFileAs(name, triedPath);
    if (ok) {
        setCurrentFile(name);
        showCaption();
    } else {
        showSaveFailure(DocumentMessages::SaveAsFailed, triedPath);
    }
    return ok;
}

bool DocumentCommands::maybeSave()
{
    if (!m_session.changed())
        return true;
    switch (m_dialogs.askYesNoCancel(QString::fromUtf8(DocumentMessages::UnsavedQuestion))) {
    case UserDialogs::Answer::No:
        return true;
    case UserDialogs::Answer::Cancel:
        return false;
    case UserDialogs::Answer::Yes:
        break;
    }
    // A cancelled Save As dialog counts as success for Save, but nothing was written.
    return mnuFile_Save_Click() && !m_session.changed();
}
