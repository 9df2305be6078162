#include "ResultHolder.h"

#include "Calculator.h"
#include "ReportView.h"

#include <QFile>

ResultHolder::ResultHolder(ReportView *txtOut) : m_txtOut(txtOut) {}

CalcOutcome ResultHolder::calculate(const CalcInputs &inputs, const CalcEnvironment &environment)
{
    CalcOutcome outcome = ::calculate(inputs, environment, m_state);
    if (outcome.record) {
        m_report = outcome.record->report;
        m_record = outcome;
    }
    return outcome;
}

void ResultHolder::ClearResults()
{
    m_state.ClearResults();
    m_report.clear();
    m_record.reset();
    m_txtOut->clearReport();
}

void ResultHolder::discardOnEdit()
{
    if (m_state.ResultsValid)
        ClearResults();
}

void ResultHolder::restore(const ResultState &state, const std::string &report)
{
    m_state = state;
    m_report = report;
    m_record.reset();
    if (m_state.ResultsValid)
        m_txtOut->setReport(report);
    else
        m_txtOut->clearReport();
}

const CalcOutcome &ResultHolder::record(const CalcInputs &inputs, const QString &dataDir)
{
    if (!m_record)
        m_record =
            recordOfResult(inputs, QFile::encodeName(dataDir).toStdString(), m_state, m_report);
    return *m_record;
}

StorageSummary ResultHolder::storageSummary(const CalcInputs &inputs, const QString &dataDir,
                                            QString &bedProblem)
{
    const CalcOutcome &described = record(inputs, dataDir);
    const StorageSummary summary =
        described.record ? summarizeStorage(*described.record) : summarizeStorage(m_state, nullptr);
    bedProblem = QString::fromStdString(described.record ? summary.bedProblem : described.message);
    return summary;
}
