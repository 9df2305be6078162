#pragma once

#include "UserDialogs.h"

class QWidget;

// The real message boxes and file dialogs, modal over the given window.
class QtUserDialogs : public UserDialogs
{
public:
    explicit QtUserDialogs(QWidget *owner = nullptr);

    void setOwner(QWidget *owner) { m_owner = owner; }

    void showError(const QString &text, const QString &title) override;
    bool askYesNo(const QString &text, const QString &title) override;
    Answer askYesNoCancel(const QString &text, const QString &title) override;
    QString askOpenFileName() override;
    QString askSaveFileName(const QString &initialName) override;
    QString askPdfFileName(const QString &initialName) override;
    QString askText(const QString &title, const QString &label,
                    const QString &initialText) override;
    QString askExportFileName(const QString &title, const QString &filter, const QString &suffix,
                              const QString &initialName) override;
    bool askPrintSettings(QPrinter &printer) override;

private:
    QWidget *m_owner = nullptr;
};
