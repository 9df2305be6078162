#pragma once

#include "Result.h"
#include "StageStorageTable.h"

#include <string>
#include <vector>

// One point of a depth–area curve.
struct CurvePoint
{
    double depth = 0; // ft above the invert, a whole number of the curve's depth step
    double area = 0;  // ft², a whole number of AreaStep
};

// A depth–area curve and the decimals its depths need to be written exactly.
struct StorageCurve
{
    std::vector<CurvePoint> points;
    int depthDecimals = 0;
};

// A depth–area curve for routing programs that find storage by the end-area method (area
// interpolated linearly, each step's volume its mean area times its depth), built so that
// the storage it gives at each of the given elevations is the bed's.
//
// The curve starts at depth 0 with the bed's plan area and falls within one depth step to
// what the first interval needs: a program that takes the curve's first area as the bottom
// it seeps through sees the whole bed. Between two elevations the area holds a plateau and
// steps, one depth step inside the interval, to the smaller of the two neighbouring mean
// areas at each elevation; the plateau is chosen so the interval's end-area volume is
// exactly the bed's, the first step's spike included (see the README for the derivation).
// The depth step is 0.00001 ft, or finer where an interval is shorter than four steps or too
// short to take up the spike.
class EndAreaCurve
{
public:
    static constexpr int DepthDecimals = ElevationDecimals; // the coarsest depth step
    static constexpr int AreaDecimals = 3;

    // The curve from the invert (the first point's elevation) up; nothing when the storage
    // falls between two elevations, which no curve without negative areas can give, or when
    // two elevations lie too close for any depth step a double can hold (the reason says
    // where).
    static Result<StorageCurve> build(const std::vector<StoragePoint> &points, double planArea);
};
