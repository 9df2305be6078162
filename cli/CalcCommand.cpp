#include "CalcCommand.h"

#include "Calculator.h"
#include "ClipboardText.h"
#include "CsvStorage.h"
#include "JsonResult.h"
#include "ProjectFileIO.h"
#include "ResultExport.h"
#include "RoutingExports.h"
#include "TessivaneVersion.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

namespace {
std::string programDirectory(const char *argv0)
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.parent_path().string();
    const auto fromArgv = std::filesystem::absolute(argv0 ? argv0 : ".", error).parent_path();
    return fromArgv.string();
}
} // namespace

std::string withUnixLineEnds(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

int CalcCommand::run(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto line = CommandLine::parse(args, error);
    if (!line) {
        m_err << "tessivane-calc: " << error << "\n" << CommandLine::usage();
        return BadProject;
    }
    return run(*line, programDirectory(argc > 0 ? argv[0] : nullptr));
}

int CalcCommand::run(const CommandLine &line, const std::string &programDir)
{
    if (line.help) {
        m_out << CommandLine::usage();
        return Done;
    }
    if (line.version) {
        m_out << "tessivane-calc " << TESSIVANE_VERSION << "\n";
        return Done;
    }

    ProjectDocument document;
    const ProjectReadResult read = OpenDataFile(line.projectPath, document);
    if (!read.ok()) {
        m_err << "tessivane-calc: " << line.projectPath
              << ": not a readable project file: " << read.reason << "\n";
        return BadProject;
    }

    CalcEnvironment environment;
    environment.dataDir = line.dataDir.empty() ? programDir : line.dataDir;
    environment.askYesNo = [&](const std::string &question) {
        if (!line.answerYes)
            m_err << withUnixLineEnds(question) << "\n";
        return line.answerYes;
    };

    const CalcOutcome outcome = cmdCalculate_Click(document.inputs, environment, document.results);
    switch (outcome.status) {
    case CalcOutcome::Status::Refused:
        m_err << withUnixLineEnds(outcome.message) << "\n";
        return Refused;
    case CalcOutcome::Status::Declined:
        return Declined;
    case CalcOutcome::Status::Done:
        break;
    }
    document.reportText = outcome.report;

    // Gathered before saving, so that a run which cannot print its document changes nothing.
    std::optional<ResultExport> exported;
    std::optional<std::string> routing;
    if (line.format != OutputFormat::Report) {
        std::string error;
        exported =
            ResultExport::collect(document.inputs, document.results, environment.dataDir, error);
        if (!exported) {
            m_err << withUnixLineEnds(error) << "\n";
            return Refused;
        }
        if (line.format == OutputFormat::Swmm || line.format == OutputFormat::StageStorage) {
            routing = routingExportText(
                line.format == OutputFormat::Swmm ? RoutingExport::SwmmStorageNode
                                                  : RoutingExport::ElevationStorageTable,
                document.inputs, document.results, environment.dataDir, error);
            if (!routing) {
                m_err << "tessivane-calc: " << withUnixLineEnds(error) << "\n";
                return Refused;
            }
        }
        if (!exported->storage.bedKnown)
            m_err << "tessivane-calc: the bed's storage is not known, so the storage check is "
                     "left out: "
                  << withUnixLineEnds(exported->bedUnknownReason) << "\n";
    }

    if (line.save) {
        const SaveResult saved = SaveDataFile(line.projectPath, document);
        if (!saved.ok) {
            m_err << "Error saving file:\n" << line.projectPath << "\n(" << saved.error << ")\n";
            return BadProject;
        }
    }
    switch (line.format) {
    case OutputFormat::Report:
        m_out << withUnixLineEnds(line.printTable ? StageAreaClipboardText(document.results)
                                                  : outcome.report);
        break;
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
    // Output lost on a full disk must not pass for a finished run.
    if (!m_out.flush()) {
        m_err << "tessivane-calc: could not write to standard output\n";
        return BadProject;
    }
    return Done;
}
