#pragma once

#include "Result.h"
#include "StageStorageTable.h"

#include <string>
#include <vector>

// One point of a depth–area curve.
struct CurvePoint
{
    double depth = 0; // ft above the invert, a whole number of DepthStep
    double area = 0;  // ft², a whole number of AreaStep
};

// A depth–area curve for routing programs that find storage by the end-area method (area
// interpolated linearly, each step's volume its mean area times its depth), built so that
// the storage it gives at each of the given elevations is the bed's. Between two elevations
// the area holds a plateau and steps, one written depth step inside the interval, to the
// smaller of the two neighbouring mean areas at each elevation; the plateau is chosen so the
// interval's end-area volume is exactly the bed's (see the README for the derivation).
class EndAreaCurve
{
public:
    static constexpr int DepthDecimals = ElevationDecimals;
    static constexpr int AreaDecimals = 3;

    // The curve from the invert (the first point's elevation) up; nothing when the storage
    // falls between two elevations, which no curve without negative areas can give (the
    // reason says where).
    static Result<std::vector<CurvePoint>> build(const std::vector<StoragePoint> &points);
};
