#pragma once

#include "CalcOutcome.h"
#include "ResultState.h"
#include "StorageSummary.h"

#include <QString>

#include <optional>
#include <string>

class ReportView;

// The window's result state together with the report and the record that belong to it: a
// result is discarded as a whole, report and record included.
class ResultHolder
{
public:
    explicit ResultHolder(ReportView *txtOut);

    const ResultState &state() const { return m_state; }
    bool ResultsValid() const { return m_state.ResultsValid; }

    // Calculate on these inputs; a calculation that is done replaces the result and keeps its
    // record. The report is the caller's to show.
    CalcOutcome calculate(const CalcInputs &inputs, const CalcEnvironment &environment);

    void ClearResults();
    // An edit makes a present result stale; without one nothing happens.
    void discardOnEdit();
    // A result that did not come from a calculation in this session (an opened file).
    void restore(const ResultState &state, const std::string &report);

    // The present result's record (its message says why there is none): the calculation's
    // own, or for an opened file one read once from its inputs and the chamber data in dataDir.
    const CalcOutcome &record(const CalcInputs &inputs, const QString &dataDir);
    // The storage of the present result; bedProblem says why the bed is not known.
    StorageSummary storageSummary(const CalcInputs &inputs, const QString &dataDir,
                                  QString &bedProblem);

private:
    ResultState m_state;
    std::string m_report;
    std::optional<CalcOutcome> m_record;
    ReportView *m_txtOut;
};
