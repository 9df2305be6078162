#pragma once

#include "CalcInputs.h"
#include "CalcOutcome.h"
#include "ResultState.h"

// The Calculate command: runs the selected method's checks and calculation. On success the
// result state is written and the outcome holds the report; otherwise the state is left as
// it was.
CalcOutcome cmdCalculate_Click(const CalcInputs &inputs, const CalcEnvironment &environment,
                               ResultState &state);

// Method #1: a bed of known plan area holding a known number of chambers.
CalcOutcome CalcKnownBedArea(const CalcInputs &inputs, const CalcEnvironment &environment,
                             ResultState &state);

// Method #2: a simple rectangular array of rows of chambers.
CalcOutcome CalcRectangularArray(const CalcInputs &inputs, const CalcEnvironment &environment,
                                 ResultState &state);
