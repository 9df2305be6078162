#pragma once

#include <string>

// The input form as the calculation sees it: each field's text as the control holds it,
// the selected chamber type, the bottom-area check box value and the selected method.
struct CalcInputs
{
    int method = 1;            // 1: known bed area, 2: rectangular array, 0: none selected
    std::string projectName;   // reported exactly as typed
    int chamberTypeIndex = -1; // index into ChamberModels, -1 when none is selected
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

// The input fields (InputFields in InputFields.h describes each); None for no field.
enum class InputField
{
    None,
    ProjectName,
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
    BottomArea,
};
