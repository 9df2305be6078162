#pragma once

#include "BedSizing.h"

#include <string>

// A sizing's target and layouts for scripts: JSON {"target": {...}, "layouts": [...]} and CSV
// with one layout per line under a header of the JSON keys.
std::string sizingJsonText(const SizingTarget &target, const SizingAnswer &answer);
std::string sizingCsvText(const SizingAnswer &answer);
