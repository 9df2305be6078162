#pragma once

#include <QString>

class DesktopLauncher;
class UserDialogs;

// Opens a document with the program the desktop associates with its type, and a web address
// in the default browser, reporting failures in message boxes. The main window's ShowFile and
// ShowWebPage hand over to this class.
class DocumentOpener
{
public:
    DocumentOpener(DesktopLauncher &launcher, UserDialogs &dialogs);

    // Does nothing when the file does not exist.
    void ShowFile(const QString &FileName);
    void ShowWebPage(const QString &URL);

    // A file name as one word of a command line: a double quote is put in front unless it
    // starts with one, and after it unless it ends with one. The launcher passes the path as
    // one argument and needs no quoting; this is for any place that forms a command line.
    static QString quotedFileName(const QString &FileName);

private:
    DesktopLauncher &m_launcher;
    UserDialogs &m_dialogs;
};
