#pragma once

#include "EndAreaCurve.h"
#include "Result.h"

#include <optional>
#include <string>

// The bed as a SWMM 5 storage node: a complete input file (US customary units, flow in
// CFS) that SWMM runs as it stands, from which a designer copies the node and its curve into
// a model. The node drains over an emergency weir whose crest is the top of the bed, to a
// free outfall below the bed, so nothing leaves it before it is full:
//   <node> (storage) --<node>_Overflow (weir)--> <node>_Out (outfall)
struct SwmmStorageNode
{
    std::string projectName;
    std::string nodeName;       // empty: swmmNodeName(projectName)
    double invertElevation = 0; // ft datum, the base of the bed
    StorageCurve curve;         // its last depth is the node's full depth
    // in/hr, the constant rate the bed seeps at through its bottom; none: no seepage written.
    std::optional<double> seepageRate;

    // The input file's text, CR LF line ends.
    std::string inputFileText() const;
};

// A SWMM object name from the project name: each run of characters other than ASCII letters,
// digits, "_", "-" and "." becomes one "_", and leading and trailing "_" are dropped. A name
// longer than 16 characters (the longest name old SWMM versions keep whole) is cut and ends
// with "_" and a 5-digit hash of the whole project name, so beds whose names differ only
// further on keep apart. An empty result becomes "ChamberBed".
std::string swmmNodeName(const std::string &projectName);

// The node's curve name: the node name and "_Curve" when that fits in 16 characters,
// otherwise the name's first 4 characters, "_", a 5-digit hash of the node name and "_Curve".
std::string swmmCurveName(const std::string &nodeName);

// Whether SWMM reads the text as one object name, with the reason when it does not.
Result<void> checkSwmmNodeName(const std::string &name);

// A SWMM file reads its lines in pieces of this many bytes; the rest of a longer line is
// read as a line of its own.
inline constexpr std::size_t SwmmLinePiece = 1023;
