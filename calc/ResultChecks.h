#pragma once

#include "ResultState.h"

// True when every number of the result is finite: an overflow must never reach a report,
// the clipboard or a project file.
bool isFinite(const ResultState &state);
