#pragma once

#include "CalcInputs.h"
#include "CalcRecord.h"
#include "Result.h"
#include "ResultState.h"

#include <cmath>
#include <string>
#include <vector>

// The stone bed as built, in feet, for checking the equivalent pond: what the bed holds below
// any elevation, computed directly from the chamber table and the inputs in double precision
// (a path of its own, independent of the layer areas the methods store).
struct BedModel
{
    double baseElevation = 0;   // ft datum, bottom of the foundation stone
    double foundationDepth = 0; // ft
    double coverThickness = 0;  // ft
    double porosity = 0;        // fraction of the stone volume that is void
    double planArea = 0;        // ft², the bed's plan area
    int chamberCount = 0;
    // One chamber's table above its first row: heights in ft, storage in ft³ (both start at 0).
    std::vector<double> chamberHeight;
    std::vector<double> chamberStorage;

    double chamberBottom() const { return baseElevation + foundationDepth; }
    double chamberTop() const;
    double top() const { return chamberTop() + coverThickness; }
    // The water all chambers hold below the elevation.
    double chamberStorageBelow(double elevation) const;
    // The water the whole bed (chambers and stone voids) holds below the elevation.
    double storageBelow(double elevation) const;
};

// The bed of a calculation's record, or the reason its values describe none.
Result<BedModel> describeBed(const CalcRecord &record);
struct CalcMethod;
// The bed of a method's values and the chamber as its file gives it (inches).
Result<BedModel> describeBed(const CalcMethod &method, const InputValues &values,
                             const ChamberDesignData &chamber);

// One row of the equivalent pond with the storage of the interval that ends at its stage
// (zero on the first row).
struct StorageRow
{
    double stage = 0;         // ft datum, as the pond table is written (7 digits)
    double area = 0;          // ft², as the pond table is written
    double interval = 0;      // ft³ the pond holds between the previous stage and this one
    double cumulative = 0;    // ft³ the pond holds up to this stage
    double chamberPart = 0;   // ft³ of the bed's interval held inside the chambers
    double stonePart = 0;     // ft³ of the bed's interval held in the stone voids
    double bedCumulative = 0; // ft³ the bed holds up to this stage
};

// The storage table and totals of a result, and the check that the pond stores what the bed
// stores at every stage.
struct StorageSummary
{
    std::vector<StorageRow> rows;
    bool bedKnown = false;        // false: pond figures only, the bed parts and check are empty
    std::string bedProblem;       // why the bed is not known, when it is not
    double pondStorage = 0;       // ft³ up to the pond's last stage
    double bedStorage = 0;        // ft³ the whole bed holds
    double stoneStorage = 0;      // ft³ of it in the stone voids
    double chamberStorage = 0;    // ft³ of it in the chambers
    double largestDifference = 0; // ft³, largest |pond - bed| over the rows and at the top
    // ft³ the check allows: a share of the bed's storage plus what the pond table's stages
    // cannot resolve (their resolution times each row's area).
    double tolerance = 0;
    bool pondMatchesBed = false;

    // Relative agreement the check asks for, of the bed's whole storage.
    static constexpr double relativeTolerance = 1e-4;
    // A difference above this share of the bed's storage is told, even when the stages'
    // resolution explains it.
    static constexpr double noticeableShare = 5e-4;
    bool differenceNoticeable() const
    {
        return largestDifference > noticeableShare * std::fabs(bedStorage);
    }
};

StorageSummary summarizeStorage(const ResultState &result, const BedModel *bed);
// The same for a record's result and bed.
StorageSummary summarizeStorage(const CalcRecord &record);
