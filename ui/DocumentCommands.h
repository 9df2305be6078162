#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "ProjectFileIO.h"

#include <optional>
#include <string>

class DesignSession;
class DocumentView;
class UserDialogs;

// The File menu's commands and the document state behind them: the current file, the base
// caption and whether the inputs changed since the last open or save. Files are named to
// the engine by their bytes on disk, so a name that is not valid UTF-8 still opens and
// saves; the QString forms are for captions and messages.
class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    DocumentCommands(DocumentView &view, DesignSession &session, UserDialogs &dialogs,
                     QObject *parent = nullptr);

    const QString &CurrentFileName() const { return m_currentFileName; }
    const QString &BaseCaption() const { return m_baseCaption; }
    bool DataChanged() const;

    void setBaseCaption(const QString &caption) { m_baseCaption = caption; }
    // The document-state part of Clear Data: no file, base caption.
    void resetToUntitled();

    // Opens the path as File > Open does after its dialog; false when nothing was opened.
    bool openFile(const QString &path);
    // The same for a name given by its bytes (a command-line argument). Unlike the dialog,
    // which only offers files that exist, a name that does not exist is reported.
    bool openNativeFile(const QByteArray &nativePath);

    // Asks before unsaved inputs are given up (Open, Clear Data, closing the window). True
    // when the command may go on: nothing unsaved, No, or Yes and the save went through;
    // false after Cancel and after a save that failed or was cancelled.
    bool maybeSave();

public slots:
    void mnuFile_Clear_Click();
    void mnuFile_Open_Click();
    bool mnuFile_Save_Click();
    bool mnuFile_SaveAs_Click();

private:
    bool readFile(const QByteArray &nativePath);
    bool SaveDataFile(const QByteArray &nativePath);
    // The save's error box: the command's first line, the path, the engine's reason.
    void showSaveFailure(const char *firstLine, const QByteArray &path);
    bool SaveDataFileAs(QByteArray &name, QByteArray &triedPath);
    QByteArray AskSaveFileName(const QByteArray &currentName);
    void setCurrentFile(const QByteArray &nativePath);
    bool replaceChangedFileAllowed();
    void showCaption();

    DocumentView &m_view;
    DesignSession &m_session;
    UserDialogs &m_dialogs;
    QString m_currentFileName;
    QByteArray m_currentNativePath;
    QString m_baseCaption;
    std::string m_saveFailure; // why the last save failed
    // The current file's bytes as last read or written, to notice another program's change.
    std::optional<FileStamp> m_stamp;
};
