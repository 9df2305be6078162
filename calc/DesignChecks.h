#pragma once

#include "FieldChecks.h"

struct ChamberDesignData;
struct InputValues;

// Checks of the design as a whole, beyond each field's own limits: a bed that cannot exist,
// or a pond table that cannot describe it, is refused instead of calculated. Chamber data
// are in inches, as their file holds them.

// No layer of the chamber table may store more than the chamber's outside size holds over
// that height.
CheckFailure checkChamberFitsItsSize(const ChamberDesignData &chamber, int chamberTypeIndex);

// A bed of known area must hold the chambers' own plan area.
CheckFailure checkBedHoldsChambers(float bedArea, int16_t numChambers,
                                   const ChamberDesignData &chamber);

// The pond's single-precision stages, written with 7 significant digits, must keep the
// bed's thinnest layer apart: the base elevation may lie only so far from zero.
// bottomRowHeight is the method's height of the bottom-area row (ft), 0 without that row.
CheckFailure checkStagesStayApart(const InputValues &values, const ChamberDesignData &chamber,
                                  double bottomRowHeight);
