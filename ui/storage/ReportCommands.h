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

public slots:
    void mnuFile_ExportPdf_Click();
    void mnuFile_Print_Click();

private:
    UserDialogs &m_dialogs;
    ContentSource m_content;
};
