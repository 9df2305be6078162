#pragma once

#include "CalcInputs.h"
#include "ChamberDesignData.h"
#include "ResultState.h"

#include <string>

// The numbers the checks read from the fields, in the units they are typed in (counts,
// inches, percent, ft², ft datum). Only the fields of the record's method are filled.
struct InputValues
{
    int16_t numChambers = 0;
    float bedArea = 0.0f; // ft²
    int16_t rows = 0;
    int16_t cols = 0;
    float foundationDepth = 0.0f;    // inches
    float coverThickness = 0.0f;     // inches
    float internalSpacing = 0.0f;    // inches
    float perimeterThickness = 0.0f; // inches
    float porosity = 0.0f;           // percent
    float baseElevation = 0.0f;      // ft datum
};

// Everything one calculation knows once it has passed its checks: the inputs as typed and
// as read, the chamber data as its file holds it (inches), the result and its report. What
// describes the result afterwards (storage summary, exports, JSON) takes it from here
// instead of reading the fields or the chamber file again.
struct CalcRecord
{
    CalcInputs inputs;
    InputValues values;
    ChamberDesignData chamber;
    ResultState result;
    std::string report;
};
