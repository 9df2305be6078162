#pragma once

#include "ResultState.h"

#include <string>

class ReportView;

// The window's result state together with the report that belongs to it: a result is
// discarded as a whole, report included.
class ResultHolder
{
public:
    explicit ResultHolder(ReportView *txtOut);

    ResultState &state() { return m_state; }
    const ResultState &state() const { return m_state; }
    bool ResultsValid() const { return m_state.ResultsValid; }

    void ClearResults();
    // An edit makes a present result stale; without one nothing happens.
    void discardOnEdit();
    // A result that did not come from a calculation in this session (an opened file).
    void restore(const ResultState &state, const std::string &report);

private:
    ResultState m_state;
    ReportView *m_txtOut;
};
