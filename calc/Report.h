#pragma once

#include "CalcInputs.h"
#include "ChamberDesignData.h"
#include "ResultState.h"

#include <string>
#include <string_view>

// Builds the plain-text report of a calculation, section by section. Lines end with CR LF;
// the text is UTF-8 (the unit texts carry ² and ³).
class ReportWriter
{
public:
    explicit ReportWriter(char decimalSeparator) : m_decimalSeparator(decimalSeparator)
    {
        m_text.reserve(8192);
    }

    // The input section: the fields of the inputs' method, as typed.
    void userInput(const CalcInputs &inputs);
    // The chamber record in file units, before any conversion.
    void chamberProperties(const ChamberDesignData &record);
    void systemDimensions(const ResultState &state);
    void equivalentStageArea(const ResultState &state);

    const std::string &text() const { return m_text; }
    std::string takeText() { return std::move(m_text); }

private:
    void line(std::string_view text = {});
    void valueLabel(const char *label);
    void valueLine(const char *label, std::string_view value, const char *unit = "");
    void numberLine(const char *label, float value, const char *unit);

    char m_decimalSeparator;
    std::string m_text;
};
