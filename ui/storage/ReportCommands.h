#pragma once

#include "ReportDocument.h"

#include <QObject>

#include <functional>

class UserDialogs;

// File > Export Report as PDF... and File > Print Report...: ask through the window's
// dialogs, then draw the same report document onto a PDF file or the printer.
class ReportCommands : public QObject
{
    Q_OBJECT

public:
    using ContentSource = std::function<ReportContent()>;

    ReportCommands(UserDialogs &dialogs, ContentSource content, QObject *parent = nullptr);

    // Writes the report to the path in one piece: the file appears only once the whole PDF
    // was written, and an existing file stays as it was on failure. Returns what failed, or
    // an empty text on success.
    static QString writePdf(const QString &path, const ReportContent &content);

public slots:
    void mnuFile_ExportPdf_Click();
    void mnuFile_Print_Click();

private:
    UserDialogs &m_dialogs;
    ContentSource m_content;
};
