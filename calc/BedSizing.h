#pragma once

#include "CalcRecord.h"
#include "DesignTarget.h"

#include <optional>
#include <vector>

// One rectangular array that holds the required storage: the fewest chambers per row that do
// for its number of rows.
struct SizedLayout
{
    int rows = 0;
    int chambersPerRow = 0;
    int chambers = 0;
    double length = 0;   // ft, as the report's system dimensions give it
    double width = 0;    // ft
    double planArea = 0; // ft²
    double storage = 0;  // ft³ below the elevation (the whole bed without one)
    double surplus = 0;  // percent of the required storage
};

// What to size for: the storage and where it counts, and the limits of a layout.
struct SizingTarget
{
    double requiredStorage = 0;      // ft³
    std::optional<double> elevation; // ft datum; none: the whole bed counts
    std::optional<double> maxLength; // ft
    std::optional<double> maxWidth;  // ft
    std::optional<int> maxRows;
    std::optional<int> maxPerRow;
};

struct SizingAnswer
{
    // Ranked by chambers, then plan area; empty when no layout within the limits holds enough.
    std::vector<SizedLayout> layouts;
    // With no layout: the most storage any allowed layout holds (ft³).
    double mostStorage = 0;
};

// The layouts of a rectangular array for a record whose checks the form passed (its rows and
// chambers per row are replaced). Each number of rows within the limits gives the layout with
// the fewest chambers per row that holds the target; rows beyond the first that needs one
// chamber per row only add chambers and are not listed.
SizingAnswer sizeRectangularArray(const CalcRecord &form, const SizingTarget &target);
