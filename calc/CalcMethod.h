#pragma once

#include "CalcOutcome.h"
#include "CalcRecord.h"
#include "ChamberDesignData.h"

#include <optional>

// What sets one calculation method apart from the other: its field checks, in the method's
// own order, and the loop that fills the pond table. The steps both share (chamber data,
// report, finiteness, the result state) are calculate()'s.
struct CalcMethod
{
    // Reads the method's fields into values; the first failed check, or a No to a
    // question, stops with its outcome.
    std::optional<CalcOutcome> (*checkInputs)(const CalcInputs &inputs,
                                              const ChamberDesignData &chamber,
                                              const AskYesNo &askYesNo, InputValues &values);
    // Writes the system dimensions (when the method has them) and the pond table into the
    // result, from the values and the chamber converted to feet.
    void (*fillResult)(const InputValues &values, const ChamberDesignData &chamberInFeet,
                       bool bottomAreaRow, ResultState &result);
    // The method sizes the system and reports it; otherwise the dimensions stay as they were.
    bool hasSystemDimensions = false;
    // Height (ft) of the row above the base that keeps the bottom area when that is asked.
    double bottomRowHeight = 0;
};

// Method #1: a bed of known plan area holding a known number of chambers.
extern const CalcMethod KnownBedAreaMethod;
// Method #2: a simple rectangular array of rows of chambers.
extern const CalcMethod RectangularArrayMethod;
