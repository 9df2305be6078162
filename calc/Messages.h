#pragma once

// The calculator's message texts, word for word as users and stored scripts know them.
namespace Messages {
inline constexpr const char *ChooseMethod = "Choose a calculation method.";
inline constexpr const char *SelectChamberType = "Select a chamber type.";
inline constexpr const char *DataFileNotFound = "RX-160 design data file not found.";
inline constexpr const char *DataFileUnreadable = "Error reading chamber design data file.";
inline constexpr const char *NotAnInteger = "The specified value is not an integer.";
inline constexpr const char *NotANumber = "The specified value is not a number.";

inline constexpr const char *SpecifyRows = "Specify the number of rows in the chamber array.";
inline constexpr const char *RowsTooFew = "The number of rows must be greater than or equal to 1.";
inline constexpr const char *SpecifyCols = "Specify the number of chambers per row.";
inline constexpr const char *ColsTooFew =
    "The number of chambers per row must be greater than or equal to 1.";
inline constexpr const char *SpecifyFoundation = "Specify a depth of foundation.";
inline constexpr const char *FoundationTooThin =
    "The recommended foundation depth must be at least 6 inches.";
inline constexpr const char *SpecifyCover = "Specify a cover thickness.";
inline constexpr const char *CoverTooThin =
    "The recommended stone cover thickness must be at least 6 inches.";
inline constexpr const char *SpecifySpacing =
    "Specify the spacing between rows in the chamber array.";
inline constexpr const char *SpacingTooSmall =
    "The recommended internal spacing must be at least 6 inches.";
inline constexpr const char *SpecifyPerimeter =
    "Specify the width of gravel fill around the perimeter of the chamber array.";
inline constexpr const char *PerimeterTooThin =
    "The recommended width of perimter gravel fill is at least 12 inch minimum.";
inline constexpr const char *SpecifyPorosity = "Specify the gravel porosity (recommended 40%).";
inline constexpr const char *PorosityRange =
    "The porosity should be between 1 and 100 percent (recommended 40% default).";
inline constexpr const char *SpecifyElevation =
    "Specify the elevation of the bottom of the excavation.";

inline constexpr const char *SpecifyNumChambers = "Specify the number of chambers.";
inline constexpr const char *NumChambersNotPositive =
    "The number of chambers must be greater than zero.";
inline constexpr const char *SpecifyBedArea = "Specify the area of the bed.";
inline constexpr const char *BedAreaNotPositive = "The bed area must be greater than zero.";
inline constexpr const char *FoundationNotPositive =
    "The foundation depth must be greater than zero.";
inline constexpr const char *CoverNotPositive = "The cover thickness must be greater than zero.";
inline constexpr const char *FoundationBelowBottomRow =
    "With the bottom area preserved, the foundation depth must be at least 0.5 inch: the "
    "equivalent pond has a row 0.5 inch above the base of the foundation.";
inline constexpr const char *CoverBelowOneInch =
    "The cover thickness must be at least 1 inch: the equivalent pond has a row 1 inch above "
    "the chambers.";
inline constexpr const char *FoundationQuestion =
    "The specified foundation depth is less than the minimum recommended 6 inches.\r\n\r\n"
    "Do you wish to proceed using less than the recommended foundation depth?";
inline constexpr const char *CoverQuestion =
    "The specified cover thickness is less than the minimum recommended 6 inches.\r\n\r\n"
    "Do you wish to proceed using less than the recommended cover thickness?";

// Limits the counts and floats of the calculation cannot go beyond.
inline constexpr const char *IntegerTooLarge =
    "The specified value is too large. The largest whole number allowed is 32767.";
inline constexpr const char *NumberOutOfRange =
    "The specified value is too large. Numbers must lie between -3.402823E+38 and "
    "3.402823E+38.";
inline constexpr const char *TooManyChambers =
    "The chamber array may hold at most 32767 chambers (number of rows times number of "
    "chambers per row).";
inline constexpr const char *ResultNotFinite =
    "The calculation produced a number too large to represent. Check the input values.";
} // namespace Messages
