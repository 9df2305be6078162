#pragma once

#include "CalcOutcome.h"
#include "CalcRecord.h"
#include "ChamberDesignData.h"

#include <array>
#include <optional>

// The bed a method's values describe, in feet (length and width only where the method sizes
// the system).
struct BedGeometry
{
    int chambers = 0;
    double length = 0;
    double width = 0;
    double planArea = 0; // ft²
};

// Everything that sets one calculation method apart from the other: its number and captions,
// its field checks in the method's own order, the loop that fills the pond table and the bed it
// describes. The steps both share (chamber data, report, finiteness, the result state) are
// calculate()'s. The calculator, the project file, the storage summary, JSON and the forms of
// the window and the page enumerate CalcMethods.
struct CalcMethod
{
    int number;          // the option's index, the project file's method line
    const char *caption; // the option button's caption
    const char *jsonName;
    // The method sizes the system and reports it; otherwise the dimensions stay as they were.
    bool hasSystemDimensions;
    // Height (ft) of the row above the base that keeps the bottom area when that is asked.
    double bottomRowHeight;
    // Reads the method's fields into values; the first failed check, or a No to a
    // question, stops with its outcome.
    std::optional<CalcOutcome> (*checkInputs)(const CalcInputs &inputs,
                                              const ChamberDesignData &chamber,
                                              const AskYesNo &askYesNo, InputValues &values);
    // Writes the system dimensions (when the method has them) and the pond table into the
    // result, from the values and the chamber converted to feet.
    void (*fillResult)(const InputValues &values, const ChamberDesignData &chamberInFeet,
                       bool bottomAreaRow, ResultState &result);
    // The bed of the values, from the chamber as its file gives it (inches), in double.
    BedGeometry (*bedGeometry)(const InputValues &values, const ChamberDesignData &chamber);
};

// Method #1: a bed of known plan area holding a known number of chambers.
extern const CalcMethod KnownBedAreaMethod;
// Method #2: a simple rectangular array of rows of chambers.
extern const CalcMethod RectangularArrayMethod;

// The methods in option order.
inline constexpr std::array<const CalcMethod *, 2> CalcMethods = {&KnownBedAreaMethod,
                                                                  &RectangularArrayMethod};

// The method of an option number; nullptr for none (0) or any other number.
inline const CalcMethod *calcMethod(int number)
{
    for (const CalcMethod *method : CalcMethods) {
        if (method->number == number)
            return method;
    }
    return nullptr;
}
