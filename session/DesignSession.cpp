#include "DesignSession.h"

#include "CalcMethod.h"
#include "Calculator.h"
#include "ClipboardText.h"
#include "ProjectFileIO.h"
#include "StorageSummaryText.h"

DesignSession::DesignSession(std::string dataDir) : m_dataDir(std::move(dataDir)) {}

void DesignSession::edit(const CalcInputs &inputs)
{
    m_inputs = inputs;
    if (m_state.ResultsValid)
        clearResults();
    m_changed = true;
}

CalcOutcome DesignSession::calculate(const Questions &questions)
{
    CalcEnvironment environment;
    environment.dataDir = m_dataDir;
    environment.decimalSeparator = questions.decimalSeparator;
    environment.askYesNo = questions.askYesNo;
    CalcOutcome outcome = ::calculate(m_inputs, environment, m_state);
    if (outcome.record) {
        m_report = outcome.record->report;
        m_record = outcome;
    } else if (outcome.outputCleared) {
        // The report is emptied before the checks; the result state stays as it was.
        m_report.clear();
    }
    return outcome;
}

bool DesignSession::hasSystemDimensions() const
{
    const CalcMethod *method = calcMethod(m_inputs.method);
    return resultsValid() && method && method->hasSystemDimensions;
}

void DesignSession::clearResults()
{
    m_state.ClearResults();
    m_report.clear();
    m_record.reset();
}

const CalcOutcome &DesignSession::record()
{
    if (!m_record)
        m_record = recordOfResult(m_inputs, m_dataDir, m_state, m_report);
    return *m_record;
}

StorageSummary DesignSession::storageSummary()
{
    const CalcOutcome &described = record();
    if (described.record)
        return summarizeStorage(*described.record);
    StorageSummary summary = summarizeStorage(m_state, nullptr);
    summary.bedProblem = described.message;
    return summary;
}

std::string DesignSession::stageAreaText() const
{
    return resultsValid() ? StageAreaClipboardText(m_state) : std::string();
}

std::string DesignSession::lengthText() const
{
    return resultsValid() ? LengthClipboardText(m_state) : std::string();
}

std::string DesignSession::widthText() const
{
    return resultsValid() ? WidthClipboardText(m_state) : std::string();
}

std::string DesignSession::storageTableText()
{
    return resultsValid() ? StorageSummaryText::tableText(storageSummary()) : std::string();
}

Result<std::string> DesignSession::exportText(ExportKind kind, const SwmmNodeChoices &choices)
{
    const CalcOutcome &described = record();
    if (!described.record)
        return Failure{described.message};
    return ::exportText(kind, *described.record, choices);
}

void DesignSession::clear()
{
    m_inputs = CalcInputs{};
    clearResults();
    m_changed = true;
}

ProjectDocument DesignSession::document() const
{
    ProjectDocument document;
    document.inputs = m_inputs;
    document.results = m_state;
    if (m_state.ResultsValid)
        document.reportText = m_report;
    return document;
}

Result<std::string> DesignSession::projectBytes() const
{
    return projectFileBytes(document());
}

Result<void> DesignSession::saveFile(const std::string &path)
{
    Result<void> saved = saveProjectFile(path, document());
    if (saved)
        m_changed = false;
    return saved;
}

Result<ProjectDocument> DesignSession::readBytes(std::string_view bytes)
{
    return readProjectBytes(bytes);
}

Result<ProjectDocument> DesignSession::readFile(const std::string &path, FileStamp *stamp)
{
    return openProjectFile(path, stamp);
}

void DesignSession::adopt(const ProjectDocument &document)
{
    m_inputs = document.inputs;
    m_state = document.results;
    m_report = m_state.ResultsValid ? document.reportText : std::string();
    m_record.reset();
    m_changed = false;
}
