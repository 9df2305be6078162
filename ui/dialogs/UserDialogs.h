#pragma once

#include <QString>

class QPrinter;

// Every modal message box and file dialog of the calculator goes through this interface, so
// that tests can read each message and answer it. The window owns one; the real one shows
// Qt dialogs (see QtUserDialogs).
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    // Exclamation icon, OK button only. Title "Error" unless given ("URL Failed").
    virtual void showError(const QString &text, const QString &title = QStringLiteral("Error")) = 0;
    // Title "Warning", Yes and No buttons (Yes the default), no icon. True for Yes.
    virtual bool askYesNo(const QString &text,
                          const QString &title = QStringLiteral("Warning")) = 0;
    enum class Answer
    {
        Yes,
        No,
        Cancel
    };
    // Title "Warning", Yes, No and Cancel buttons (Yes the default), no icon. Esc and the
    // box's close button answer Cancel.
    virtual Answer askYesNoCancel(const QString &text,
                                  const QString &title = QStringLiteral("Warning")) = 0;
    // The Open dialog; the chosen full path, or an empty text on cancel.
    virtual QString askOpenFileName() = 0;
    // The Save As dialog, pre-set to initialName when not empty; empty text on cancel.
    virtual QString askSaveFileName(const QString &initialName) = 0;
    // The export dialog for a PDF file, pre-set to initialName when not empty; the chosen
    // path, or an empty text on cancel. Dialogs that offer no export cancel.
    virtual QString askPdfFileName(const QString &initialName)
    {
        Q_UNUSED(initialName);
        return {};
    }
    // The save dialog of a file export: its title, one name filter ("SWMM input files
    // (*.inp)") and the suffix a name typed without one gets, pre-set to initialName when not
    // empty; the chosen path, or an empty text on cancel. Dialogs that offer no export cancel.
    virtual QString askExportFileName(const QString &title, const QString &filter,
                                      const QString &suffix, const QString &initialName)
    {
        Q_UNUSED(title);
        Q_UNUSED(filter);
        Q_UNUSED(suffix);
        Q_UNUSED(initialName);
        return {};
    }
    // A one-line text question with OK and Cancel, pre-filled with initialText; the text, or
    // a null text on cancel. Dialogs that offer no question take the pre-filled text.
    virtual QString askText(const QString &title, const QString &label, const QString &initialText)
    {
        Q_UNUSED(title);
        Q_UNUSED(label);
        return initialText;
    }
    // The print dialog over the printer's settings; true to print. Dialogs that offer no
    // printing cancel.
    virtual bool askPrintSettings(QPrinter &printer)
    {
        Q_UNUSED(printer);
        return false;
    }
};
