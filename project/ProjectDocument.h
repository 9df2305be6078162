#pragma once

#include "CalcInputs.h"
#include "DesignTarget.h"
#include "ResultState.h"

#include <string>

// One design as a project file keeps it: the form's method and inputs as typed, the design
// target as typed, and, when a result is present, the result state and the report text (CR LF
// line breaks, UTF-8).
struct ProjectDocument
{
    CalcInputs inputs;
    ResultState results;
    std::string reportText;
    DesignTarget target;
};
