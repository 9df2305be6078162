#pragma once

#include "CalcInputs.h"
#include "CalcOutcome.h"
#include "CalcRecord.h"
#include "ResultState.h"

#include <string>

// Runs the selected method: chamber data, the method's checks, the report, the pond table.
// On success the result state is written and the outcome carries the record; otherwise the
// state is left as it was.
CalcOutcome calculate(const CalcInputs &inputs, const CalcEnvironment &environment,
                      ResultState &state);

// The checks of a calculation without the calculation: the record holds the inputs, the
// values the checks read and the chamber data, but no result or report.
CalcOutcome checkedInputs(const CalcInputs &inputs, const CalcEnvironment &environment);

// The record of a result that did not come from a calculation here (an opened project):
// the inputs read by the method's checks, questions answered Yes, and the chamber data. A
// refusal's message says why there is none (a missing chamber file by its own name).
CalcOutcome recordOfResult(const CalcInputs &inputs, const std::string &dataDir,
                           const ResultState &result, const std::string &report);
