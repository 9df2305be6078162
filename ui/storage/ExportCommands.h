#pragma once

#include "CalcOutcome.h"
#include "ExportFormats.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class UserDialogs;

// File > SWMM Storage Node... and File > Elevation–Storage Table...: ask for a file through
// the window's dialogs (for SWMM first the storage node's name, pre-filled with the one the
// project name gives), then write the bed's export for a routing program there.
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

    // File > <export>...: asks for a file (and for the SWMM node's name), then writes it.
    void exportTo(ExportKind kind);

private:
    // The storage node's name, asked until SWMM can read it; nothing when cancelled.
    std::optional<std::string> askNodeName(const Source &source);
    // Writes the export to the path the way a project is saved: the file appears, or replaces
    // the old one, only once it is complete.
    bool writeExport(ExportKind kind, const QString &path, const Source &source,
                     const SwmmNodeChoices &choices);

    UserDialogs &m_dialogs;
    SourceFunction m_source;
    QString m_error;
};
