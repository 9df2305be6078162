#pragma once

#include "UserDialogs.h"

#include <QList>
#include <QPrinter>
#include <QQueue>
#include <QString>

// Stands in for the message boxes and file dialogs: records every message and question and
// answers from queues (No, or Cancel where the question offers it, and cancel when a queue is
// empty).
class FakeUserDialogs : public UserDialogs
{
public:
    struct Shown
    {
        enum Kind
        {
            Error,
            Question,
            OpenDialog,
            SaveDialog,
            PdfDialog,
            ExportDialog,
            PrintDialog,
            TextQuestion
        };
        Kind kind;
        QString text; // message text, or the Save As dialog's initial name
        QString title;
    };

    void showError(const QString &text, const QString &title) override
    {
        shown.append({Shown::Error, text, title});
    }
    bool askYesNo(const QString &text, const QString &title) override
    {
        shown.append({Shown::Question, text, title});
        return !yesNoAnswers.isEmpty() && yesNoAnswers.dequeue();
    }
    // Recorded as a Question too, with its own queue of answers.
    Answer askYesNoCancel(const QString &text, const QString &title) override
    {
        shown.append({Shown::Question, text, title});
        return yesNoCancelAnswers.isEmpty() ? Answer::Cancel : yesNoCancelAnswers.dequeue();
    }
    QString askOpenFileName() override
    {
        shown.append({Shown::OpenDialog, {}, {}});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
    QString askSaveFileName(const QString &initialName) override
    {
        shown.append({Shown::SaveDialog, initialName, {}});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }

    QString askPdfFileName(const QString &initialName) override
    {
        shown.append({Shown::PdfDialog, initialName, {}});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
    // Records the initial name, and the filter with the suffix as the title.
    QString askExportFileName(const QString &title, const QString &filter, const QString &suffix,
                              const QString &initialName) override
    {
        Q_UNUSED(title);
        shown.append({Shown::ExportDialog, initialName, filter + QLatin1Char(' ') + suffix});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
    // Records the pre-filled text; answers from textAnswers, the pre-filled text when none.
    QString askText(const QString &title, const QString &label, const QString &initialText) override
    {
        shown.append({Shown::TextQuestion, initialText, title + QLatin1Char('|') + label});
        return textAnswers.isEmpty() ? initialText : textAnswers.dequeue();
    }
    // Prints into printToPdf as a PDF file when it is set; cancels otherwise.
    bool askPrintSettings(QPrinter &printer) override
    {
        shown.append({Shown::PrintDialog, {}, {}});
        if (printToPdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToPdf);
        return true;
    }

    QStringList errors() const { return texts(Shown::Error); }
    QStringList questions() const { return texts(Shown::Question); }
    int count(Shown::Kind kind) const
    {
        int n = 0;
        for (const Shown &item : shown)
            n += item.kind == kind ? 1 : 0;
        return n;
    }
    QStringList texts(Shown::Kind kind) const
    {
        QStringList result;
        for (const Shown &item : shown)
            if (item.kind == kind)
                result.append(item.text);
        return result;
    }
    void reset()
    {
        shown.clear();
        yesNoAnswers.clear();
        yesNoCancelAnswers.clear();
        fileAnswers.clear();
        textAnswers.clear();
        printToPdf.clear();
    }

    QList<Shown> shown;
    QQueue<bool> yesNoAnswers;
    QQueue<Answer> yesNoCancelAnswers;
    QQueue<QString> fileAnswers;
    QQueue<QString> textAnswers; // a null text cancels
    QString printToPdf;
};
