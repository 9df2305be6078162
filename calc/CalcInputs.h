#pragma once

#include <array>
#include <string>

// The input form as the calculation sees it: each field's text as the control holds it,
// the selected chamber type, the bottom-area check box value and the selected method.
struct CalcInputs
{
    int method = 1;            // 1: known bed area, 2: rectangular array, 0: none selected
    std::string projectName;   // reported exactly as typed
    int chamberTypeIndex = -1; // index into ChamberTypeNames, -1 when none is selected
    std::string numChambers;
    std::string bedArea;
    std::string rows;
    std::string cols;
    std::string foundationDepth;
    std::string coverThickness;
    std::string internalSpacing;
    std::string perimeterThickness;
    std::string porosity;
    std::string baseElevation;
    int bottomAreaValue = 0; // check box value; only 1 counts as checked

    bool bottomAreaChecked() const { return bottomAreaValue == 1; }
};

// The entries of the chamber-type list, in list order; each names its ".dat" file.
inline constexpr std::array<const char *, 2> ChamberTypeNames = {"RX-160", "RX-300"};

// The input controls a failed check can point at.
enum class InputField
{
    None,
    ChamberType,
    NumChambers,
    BedArea,
    Rows,
    Cols,
    FoundationDepth,
    CoverThickness,
    InternalSpacing,
    PerimeterThickness,
    Porosity,
    BaseElevation,
};
