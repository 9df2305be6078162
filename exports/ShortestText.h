#pragma once

#include <optional>
#include <string>

// Number texts for machine-readable output: the shortest decimal text that reads back to the
// same value, "." as decimal point whatever the locale. Nothing for a value that is not
// finite, which neither JSON nor a spreadsheet can hold as a number.
std::optional<std::string> shortestText(float value);
std::optional<std::string> shortestText(double value);
