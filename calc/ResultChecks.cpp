#include "ResultChecks.h"

#include <algorithm>
#include <cmath>

bool isFinite(const ResultState &state)
{
    const auto finite = [](float value) { return std::isfinite(value); };
    return finite(state.SystemLength) && finite(state.SystemWidth) && finite(state.BottomArea) &&
           std::all_of(state.EquivStage.begin(), state.EquivStage.end(), finite) &&
           std::all_of(state.EquivArea.begin(), state.EquivArea.end(), finite);
}
