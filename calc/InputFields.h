#pragma once

#include "CalcInputs.h"
#include "CalcRecord.h"

#include <array>
#include <cstdint>
#include <string>

// One chamber model: its entry in the chamber-type list and its design data file.
struct ChamberModel
{
    const char *listText;
    const char *dataFile;
};

// The chamber-type list, in list order; the project file keeps the index of the entry.
inline constexpr std::array ChamberModels = {
    ChamberModel{"RX-160", "RX-160.dat"},
    ChamberModel{"RX-300", "RX-300.dat"},
};

// The model of a list index; nullptr for -1 (none selected) and any index beyond the list.
inline const ChamberModel *chamberModel(int index)
{
    return index >= 0 && index < static_cast<int>(ChamberModels.size())
               ? &ChamberModels[static_cast<std::size_t>(index)]
               : nullptr;
}

// How a field is typed and read.
enum class FieldKind
{
    Text,        // free text, never checked
    ChamberType, // a pick from ChamberModels, kept as its list index
    Count,       // a whole number, read into a 16-bit member of InputValues
    Number,      // a number, read into a float member of InputValues
    CheckBox,    // the bottom-area check box, kept as its value
};

// The methods that use a field.
inline constexpr unsigned KnownBedArea = 1u << 1;
inline constexpr unsigned RectangularArray = 1u << 2;
inline constexpr unsigned BothMethods = KnownBedArea | RectangularArray;

// Everything the program knows about one input field. The form's rows, the project file's
// slots, the report's input section and the JSON inputs follow this table and its order;
// each method checks its fields in its own order, in its own code.
struct InputFieldInfo
{
    InputField id;
    FieldKind kind;
    std::string CalcInputs::*text = nullptr; // the text as typed (text, count, number)
    int CalcInputs::*choice = nullptr;       // the list index or check box value
    int16_t InputValues::*count = nullptr;   // what a count check reads
    float InputValues::*number = nullptr;    // what a number check reads
    const char *caption;    // the form's label (no label: the check box has its own caption)
    const char *labelName;  // the label's object name
    const char *objectName; // the control's object name
    const char *defaultText;
    unsigned methods;
    const char *reportLabel; // "<TAB><label> = <text><unit>" in the report's input section
    const char *reportUnit;
    const char *jsonKey;
    const char *fileName; // the field's name in a project file's messages

    bool usedBy(int method) const { return method >= 1 && method <= 2 && (methods >> method) & 1u; }
};

// clang-format off
inline constexpr std::array<InputFieldInfo, 13> InputFields = {{
    {InputField::ProjectName, FieldKind::Text, &CalcInputs::projectName, nullptr, nullptr, nullptr,
     "Project Name", "lblProjectName", "txtProjectName", "", BothMethods,
     "Project Name", "", nullptr, "project name"},
    {InputField::ChamberType, FieldKind::ChamberType, nullptr, &CalcInputs::chamberTypeIndex, nullptr, nullptr,
     "Tessivane Chamber Type", "lblChamberType", "cmbChamberType", "", BothMethods,
     "Chamber Type", "", "chamberType", "chamber type"},
    {InputField::NumChambers, FieldKind::Count, &CalcInputs::numChambers, nullptr, &InputValues::numChambers, nullptr,
     "Number Of Chambers", "lblNumChambers", "txtNumChambers", "", KnownBedArea,
     "Number of Chambers", "", "numChambers", "number of chambers"},
    {InputField::BedArea, FieldKind::Number, &CalcInputs::bedArea, nullptr, nullptr, &InputValues::bedArea,
     "Area Of Bed (ft\u00B2)", "lblBedArea", "txtBedArea", "", KnownBedArea,
     "Area of Bed", " sq-ft", "bedArea_sqft", "area of bed"},
    {InputField::Rows, FieldKind::Count, &CalcInputs::rows, nullptr, &InputValues::rows, nullptr,
     "Number of Rows", "lblRows", "txtRows", "", RectangularArray,
     "Number of Rows", "", "rows", "number of rows"},
    {InputField::Cols, FieldKind::Count, &CalcInputs::cols, nullptr, &InputValues::cols, nullptr,
     "Number of Chambers Per Row", "lblCols", "txtCols", "", RectangularArray,
     "Number of Chambers Per Row", "", "chambersPerRow", "chambers per row"},
    {InputField::FoundationDepth, FieldKind::Number, &CalcInputs::foundationDepth, nullptr, nullptr, &InputValues::foundationDepth,
     "Stone Foundation Depth, [Df] (inches)", "lblDepth", "txtFoundationDepth", "6", BothMethods,
     "Foundation Depth", " inches", "foundationDepth_in", "foundation depth"},
    {InputField::CoverThickness, FieldKind::Number, &CalcInputs::coverThickness, nullptr, nullptr, &InputValues::coverThickness,
     "Thickness of Stone Above Chambers, [Dc] (inches)", "lblCoverThickness", "txtCoverThickness", "6", BothMethods,
     "Cover Thickness", " inches", "coverThickness_in", "cover thickness"},
    {InputField::InternalSpacing, FieldKind::Number, &CalcInputs::internalSpacing, nullptr, nullptr, &InputValues::internalSpacing,
     "Space Between Rows, [Si] (inches)", "lblInternalSpacing", "txtInternalSpacing", "6", RectangularArray,
     "Space Between Rows", " inches", "internalSpacing_in", "space between rows"},
    {InputField::PerimeterThickness, FieldKind::Number, &CalcInputs::perimeterThickness, nullptr, nullptr, &InputValues::perimeterThickness,
     "Thickness of Stone Perimeter, [Se]  (inches)", "lblPerimeterThickness", "txtPerimeterThickness", "12", RectangularArray,
     "Perimeter Thickness", " inches", "perimeterThickness_in", "perimeter thickness"},
    {InputField::Porosity, FieldKind::Number, &CalcInputs::porosity, nullptr, nullptr, &InputValues::porosity,
     "Porosity of Gravel Fill, [n] (%)", "lblPorosity", "txtPorosity", "40", BothMethods,
     "Gravel Porosity", " %", "porosity_percent", "porosity"},
    {InputField::BaseElevation, FieldKind::Number, &CalcInputs::baseElevation, nullptr, nullptr, &InputValues::baseElevation,
     "Elevation of Base of Foundation (ft datum)", "lblBaseElevation", "txtBaseElevation", "", BothMethods,
     "Bottom Elevation", " ft", "baseElevation_ft", "base elevation"},
    {InputField::BottomArea, FieldKind::CheckBox, nullptr, &CalcInputs::bottomAreaValue, nullptr, nullptr,
     "Preserve Bottom Area for Vertical Unsaturated Infiltration in VELDO", "", "chkBottomArea", "", BothMethods,
     "Preserve bottom area for unsaturated infiltration in VELDO", "", "bottomArea", "bottom-area check box"},
}};
// clang-format on

// The table's entry of a field.
constexpr const InputFieldInfo &inputField(InputField id)
{
    for (const InputFieldInfo &field : InputFields) {
        if (field.id == id)
            return field;
    }
    return InputFields.front();
}
