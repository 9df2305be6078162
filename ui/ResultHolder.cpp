#include "ResultHolder.h"

#include "ReportView.h"

ResultHolder::ResultHolder(ReportView *txtOut) : m_txtOut(txtOut) {}

void ResultHolder::ClearResults()
{
    m_state.ClearResults();
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
    if (m_state.ResultsValid)
        m_txtOut->setReport(report);
    else
        m_txtOut->clearReport();
}
