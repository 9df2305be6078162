#pragma once

#include <QObject>
#include <QString>

class DocumentView;
class UserDialogs;

// The File menu's commands and the document state behind them: the current file, the base
// caption and whether the inputs changed since the last open or save.
class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    DocumentCommands(DocumentView &view, UserDialogs &dialogs, QObject *parent = nullptr);

    const QString &CurrentFileName() const { return m_currentFileName; }
    const QString &BaseCaption() const { return m_baseCaption; }
    bool DataChanged() const { return m_dataChanged; }

    void setBaseCaption(const QString &caption) { m_baseCaption = caption; }
    void markChanged() { m_dataChanged = true; }
    // The document-state part of Clear Data: changed, no file, base caption.
    void resetToUntitled();

    // Opens the path as File > Open does after its dialog; false when nothing was opened.
    bool openFile(const QString &path);

    // The question asked before the window closes while the inputs are unsaved; false
    // keeps the window open (a Yes whose save failed).
    bool confirmClose();

public slots:
    void mnuFile_Open_Click();
    bool mnuFile_Save_Click();
    bool mnuFile_SaveAs_Click();

private:
    bool SaveDataFile(const QString &path);
    bool SaveDataFileAs(QString &name, QString &triedPath);
    QString AskSaveFileName(const QString &currentName);
    void showCaption();

    DocumentView &m_view;
    UserDialogs &m_dialogs;
    QString m_currentFileName;
    QString m_baseCaption;
    bool m_dataChanged = false;
};
