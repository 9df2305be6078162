#pragma once

#include "ChamberDesignData.h"
#include "FieldChecks.h"
#include "Result.h"

#include <string>
#include <string_view>

class ItemReader;

// Reads a chamber data file into a record. A failure says why: the file cannot be opened or
// read, an item is missing or not a number, or the table is unusable (fewer than two rows,
// stages not strictly increasing).
Result<ChamberDesignData> LoadChamberData(const std::string &path);
Result<ChamberDesignData> ReadChamberRecord(std::string_view text);
Result<ChamberDesignData> ReadChamberRecord(ItemReader &reader);

// The data file of a chamber-type entry: the directory, "/", its model's data file.
std::string chamberDataPath(const std::string &dataDir, int chamberTypeIndex);
// The file's name alone.
std::string chamberDataName(int chamberTypeIndex);

// The steps every calculation starts with: a chamber type must be selected, and its data
// file must exist and read.
CheckFailure loadSelectedChamber(const CalcInputs &inputs, const CalcEnvironment &environment,
                                 ChamberDesignData &record);
