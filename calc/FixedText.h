#pragma once

#include <string>

// Fixed-point text for files other programs read: rounded to the given number of decimals,
// "." as decimal point in every locale, trailing zeros and a trailing point dropped (2.5,
// 100, 0.04167). The value must be finite.
std::string fixedText(double value, int decimals);
