#pragma once

#include <string>

// The short number text of a single-precision value: at most 7 significant digits, "."
// as separator, no leading zero before the point (.5), no trailing zeros, exponent form
// (8.333334E-02, 1.234568E+07) where plain notation would need more than 7 digits after
// the point or more than 7 before it.
std::string NumToText(float value);
// The same, appended to the text (the report writes hundreds of them).
void appendNumText(std::string &text, float value);

// Fixed notation with exactly two decimals ("0.00" pattern; 5 gives 5.00), halves rounded
// away from zero, with the given decimal separator.
std::string TwoDecimalText(float value, char decimalSeparator);
void appendTwoDecimalText(std::string &text, float value, char decimalSeparator);
