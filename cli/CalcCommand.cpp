#include "CalcCommand.h"

#include "DesignFiguresText.h"
#include "DesignSession.h"
#include "LineBreaks.h"
#include "Platform.h"
#include "SizingExport.h"
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
    DesignTarget target = session.target();
    for (const TargetSetting &setting : TargetSettings) {
        if (!(line.target.*setting.text).empty())
            target.*setting.text = line.target.*setting.text;
    }
    session.setTarget(target);
    if (line.size)
        return size(line, session);

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
    const ExportKind kind = line.printTable ? ExportKind::StageAreaTable : line.format;
    Result<std::string> text = session.exportText(kind, {line.nodeName, std::nullopt});
    if (!text) {
        m_err << "tessivane-calc: " << withLineFeeds(text.reason()) << "\n";
        return Refused;
    }
    const bool humanText = kind == ExportKind::Report || kind == ExportKind::StageAreaTable;
    if (!humanText) {
        const StorageSummary storage = session.storageSummary();
        if (!storage.bedKnown)
            m_err << "tessivane-calc: the bed's storage is not known, so the storage check is "
                     "left out: "
                  << withLineFeeds(storage.bedProblem) << "\n";
        m_out << *text;
    } else {
        const std::string lines = withLineFeeds(*text) + figuresAfterReport(kind, session);
        m_out << (m_terminalOutput ? escapedForTerminal(lines) : lines);
    }
    return finish(line, session, Done);
}

int CalcCommand::finish(const CommandLine &line, DesignSession &session, int status)
{
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
    return status;
}

int CalcCommand::size(const CommandLine &line, DesignSession &session)
{
    const DesignSession::Sizing sizing = session.sizeBed(m_decimalSeparator);
    if (!sizing.sized() || sizing.answer.layouts.empty()) {
        m_err << withLineFeeds(DesignFiguresText::sizingHeadline(sizing)) << "\n";
        return Refused;
    }
    switch (line.format) {
    case ExportKind::Json:
        m_out << sizingJsonText(sizing.target, sizing.answer);
        break;
    case ExportKind::StorageCsv:
        m_out << sizingCsvText(sizing.answer);
        break;
    default:
        m_out << DesignFiguresText::sizingPlainText(sizing);
        break;
    }
    return finish(line, session, Done);
}

std::string CalcCommand::figuresAfterReport(ExportKind kind, DesignSession &session)
{
    if (kind != ExportKind::Report)
        return {};
    const Result<DesignFigures> figures = session.designFigures();
    if (!figures)
        return {};
    std::string lines;
    if (figures->below)
        lines +=
            DesignFiguresText::plainLine(DesignFiguresText::storageBelowLine(*figures->below)) +
            "\n";
    for (const DesignFiguresText::FigureLine &line : DesignFiguresText::drawdownLines(*figures))
        lines += DesignFiguresText::plainLine(line) + "\n";
    return lines;
}
