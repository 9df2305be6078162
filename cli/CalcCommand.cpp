#include "CalcCommand.h"

#include "ClipboardText.h"
#include "CsvStorage.h"
#include "DesignSession.h"
#include "JsonResult.h"
#include "LineBreaks.h"
#include "Platform.h"
#include "ResultExport.h"
#include "RoutingExports.h"
#include "TerminalText.h"
#include "TessivaneVersion.h"

#include <optional>
#include <ostream>
#include <vector>

namespace {
// Output lost on a full disk must not pass for a finished run.
bool flushed(std::ostream &out, std::ostream &err)
{
    if (out.flush())
        return true;
    err << "tessivane-calc: could not write to standard output\n";
    return false;
}
} // namespace

int CalcCommand::run(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const Result<CommandLine> line = CommandLine::parse(args);
    if (!line) {
        m_err << "tessivane-calc: " << line.reason() << "\n" << CommandLine::usage();
        return BadProject;
    }
    return run(*line, platform::programDirectory(argc > 0 ? argv[0] : nullptr));
}

int CalcCommand::run(const CommandLine &line, const std::string &programDir)
{
    if (line.help) {
        m_out << CommandLine::usage();
        return flushed(m_out, m_err) ? Done : BadProject;
    }
    if (line.version) {
        m_out << "tessivane-calc " << TESSIVANE_VERSION << "\n";
        return flushed(m_out, m_err) ? Done : BadProject;
    }

    const Result<ProjectDocument> read = DesignSession::readFile(line.projectPath);
    if (!read) {
        m_err << "tessivane-calc: " << line.projectPath
              << ": not a readable project file: " << read.reason() << "\n";
        return BadProject;
    }
    DesignSession session(line.dataDir.empty() ? programDir : line.dataDir);
    session.adopt(*read);

    DesignSession::Questions questions;
    questions.decimalSeparator = m_decimalSeparator;
    questions.askYesNo = [&](const std::string &question) {
        if (!line.answerYes)
            m_err << withLineFeeds(question) << "\n";
        return line.answerYes;
    };

    const CalcOutcome outcome = session.calculate(questions);
    switch (outcome.status) {
    case CalcOutcome::Status::Refused:
        m_err << withLineFeeds(outcome.message) << "\n";
        return Refused;
    case CalcOutcome::Status::Declined:
        return Declined;
    case CalcOutcome::Status::Done:
        break;
    }
    const CalcRecord &record = *outcome.record;

    std::optional<ResultExport> exported;
    std::optional<std::string> routing;
    if (line.format != OutputFormat::Report) {
        exported = ResultExport::collect(record);
        if (line.format == OutputFormat::Swmm || line.format == OutputFormat::StageStorage) {
            Result<std::string> text = routingExportText(
                line.format == OutputFormat::Swmm ? RoutingExport::SwmmStorageNode
                                                  : RoutingExport::ElevationStorageTable,
                record, {line.nodeName, line.infiltrationRate});
            if (!text) {
                m_err << "tessivane-calc: " << withLineFeeds(text.reason()) << "\n";
                return Refused;
            }
            routing = std::move(text).value();
        }
        if (!exported->storage.bedKnown)
            m_err << "tessivane-calc: the bed's storage is not known, so the storage check is "
                     "left out: "
                  << withLineFeeds(exported->storage.bedProblem) << "\n";
    }

    switch (line.format) {
    case OutputFormat::Report: {
        const std::string text =
            withLineFeeds(line.printTable ? StageAreaClipboardText(record.result) : record.report);
        m_out << (m_terminalOutput ? escapedForTerminal(text) : text);
        break;
    }
    case OutputFormat::Json:
        m_out << jsonResultText(*exported);
        break;
    case OutputFormat::Csv:
        m_out << csvStorageText(exported->storage);
        break;
    case OutputFormat::Swmm:
    case OutputFormat::StageStorage:
        m_out << *routing;
        break;
    }
    // The file is saved only once the output is out, so a run that fails changes nothing.
    if (!flushed(m_out, m_err))
        return BadProject;
    if (line.save) {
        const Result<void> saved = session.saveFile(line.projectPath);
        if (!saved) {
            m_err << "tessivane-calc: Error saving file: " << line.projectPath << ": "
                  << saved.reason() << "\n";
            return BadProject;
        }
    }
    return Done;
}
