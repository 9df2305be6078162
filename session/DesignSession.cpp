#include "DesignSession.h"

#include "CalcMethod.h"
#include "Calculator.h"
#include "ClipboardText.h"
#include "InputFields.h"
#include "ProjectFileIO.h"
#include "StorageSummaryText.h"

#include <algorithm>

DesignSession::DesignSession(std::string dataDir) : m_dataDir(std::move(dataDir)) {}

void DesignSession::edit(const CalcInputs &inputs)
{
    m_inputs = inputs;
    if (m_state.ResultsValid)
        clearResults();
    m_changed = true;
}

void DesignSession::setTarget(const DesignTarget &target)
{
    if (target == m_target)
        return;
    m_target = target;
    m_changed = true;
}

DesignSession::Sizing DesignSession::sizeBed(char decimalSeparator) const
{
    Sizing sizing;
    const TargetReading reading = readTarget(m_target);
    if (!reading.ok()) {
        sizing.setting = reading.problem;
        sizing.message = reading.message;
        return sizing;
    }
    const TargetValues &v = reading.values;
    if (!v.requiredStorage) {
        sizing.setting = &TargetSettings[0];
        sizing.message = "Specify the storage the bed must hold (cu ft).";
        return sizing;
    }
    sizing.target = {*v.requiredStorage, v.elevation, v.maxLength,
                     v.maxWidth,         v.maxRows,   v.maxPerRow};

    // The form's other inputs pass the rectangular array's own checks; its rows and chambers
    // per row are the sizing's to choose.
    CalcInputs form = m_inputs;
    form.method = RectangularArrayMethod.number;
    form.rows = "1";
    form.cols = "1";
    CalcEnvironment environment;
    environment.dataDir = m_dataDir;
    environment.decimalSeparator = decimalSeparator;
    const CalcOutcome checked = checkedInputs(form, environment);
    if (!checked.record) {
        // A field the form's method hides (a bed of known area has no row spacing) is asked
        // for with the reason.
        const auto hidden = std::find_if(InputFields.begin(), InputFields.end(), [&](auto &f) {
            return f.id == checked.field && calcMethod(m_inputs.method) &&
                   !f.usedBy(m_inputs.method);
        });
        sizing.message = hidden != InputFields.end()
                             ? std::string(RectangularArrayMethod.caption) +
                                   " is the layout the sizing fills in. " + checked.message
                             : checked.message;
        sizing.field = checked.field;
        return sizing;
    }
    sizing.answer = sizeRectangularArray(*checked.record, sizing.target);
    return sizing;
}

void DesignSession::useLayout(int rows, int chambersPerRow)
{
    CalcInputs inputs = m_inputs;
    inputs.method = RectangularArrayMethod.number;
    inputs.rows = std::to_string(rows);
    inputs.cols = std::to_string(chambersPerRow);
    edit(inputs);
}

Result<DesignFigures> DesignSession::designFigures()
{
    if (!resultsValid())
        return Failure{"There is no calculated result."};
    const CalcOutcome &described = record();
    if (!described.record)
        return Failure{described.message};
    const TargetValues values = readTarget(m_target).values;
    return ::designFigures(*described.record, values.elevation, values.infiltrationRate);
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
    const TargetValues target = readTarget(m_target).values;
    SwmmNodeChoices node = choices;
    if (!node.infiltrationRate)
        node.infiltrationRate = target.infiltrationRate;
    return ::exportText(kind, *described.record, node, target);
}

void DesignSession::clear()
{
    m_inputs = CalcInputs{};
    m_target = DesignTarget{};
    clearResults();
    m_changed = true;
}

ProjectDocument DesignSession::document() const
{
    ProjectDocument document;
    document.inputs = m_inputs;
    document.target = m_target;
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
    m_target = document.target;
    m_state = document.results;
    m_report = m_state.ResultsValid ? document.reportText : std::string();
    m_record.reset();
    m_changed = false;
}
