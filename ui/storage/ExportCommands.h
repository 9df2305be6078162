#pragma once

#include "CalcOutcome.h"
#include "RoutingExports.h"

#include <QObject>
#include <QString>

#include <functional>

class UserDialogs;

// File > SWMM Storage Node... and File > Elevation–Storage Table...: ask for a file through
// the window's dialogs, then write the bed's export for a routing program there.
class ExportCommands : public QObject
{
    Q_OBJECT

public:
    // What an export is made from: the record of the window's result (or why there is
    // none), and the project's file (the exports are offered beside it).
    struct Source
    {
        CalcOutcome record;
        QString projectFile;
    };
    using SourceFunction = std::function<Source()>;

    ExportCommands(UserDialogs &dialogs, SourceFunction source, QObject *parent = nullptr);

    // Why the last export failed.
    QString errorString() const { return m_error; }

public slots:
    void mnuFile_ExportSwmm_Click();
    void mnuFile_ExportStageStorage_Click();

private:
    void exportTo(RoutingExport kind);
    // Writes the export to the path the way a project is saved: the file appears, or replaces
    // the old one, only once it is complete.
    bool writeExport(RoutingExport kind, const QString &path, const Source &source);

    UserDialogs &m_dialogs;
    SourceFunction m_source;
    QString m_error;
};
