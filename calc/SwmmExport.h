#pragma once

#include "EndAreaCurve.h"

#include <string>
#include <vector>

// The bed as a SWMM 5 storage node: a complete input file (US customary units, flow in
// CFS) with one TABULAR storage node and its STORAGE curve, which SWMM runs as it stands and
// from which a designer copies the node and the curve into a model.
struct SwmmStorageNode
{
    std::string projectName;
    double invertElevation = 0; // ft datum, the base of the bed
    double maxDepth = 0;        // ft, the top of the bed above the invert
    std::vector<CurvePoint> curve;

    // The input file's text, CR LF line ends.
    std::string inputFileText() const;
};

// A SWMM object name from the project name: each run of characters other than ASCII letters,
// digits, "_", "-" and "." becomes one "_", leading and trailing "_" are dropped, and the
// name is cut to 16 characters (the longest name old SWMM versions keep whole). An empty
// result becomes "ChamberBed".
std::string swmmNodeName(const std::string &projectName);

// The node's curve name: the node name cut to 10 characters, then "_Curve".
std::string swmmCurveName(const std::string &nodeName);
