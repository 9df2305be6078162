#pragma once

#include "ChamberDesignData.h"
#include "FieldChecks.h"

#include <istream>
#include <string>

class ItemReader;

// Reads a chamber data file into the record. False when the file cannot be opened or read,
// or its table is unusable (fewer than two rows, stages not strictly increasing).
bool LoadChamberData(const std::string &path, ChamberDesignData &record);
bool ReadChamberRecord(std::istream &in, ChamberDesignData &record);
bool ReadChamberRecord(ItemReader &reader, ChamberDesignData &record);

// The data file of a chamber-type entry: the directory, "/", its model's data file.
std::string chamberDataPath(const std::string &dataDir, int chamberTypeIndex);
// The file's name alone.
std::string chamberDataName(int chamberTypeIndex);

// The steps every calculation starts with: a chamber type must be selected, and its data
// file must exist and read.
CheckFailure loadSelectedChamber(const CalcInputs &inputs, const CalcEnvironment &environment,
                                 ChamberDesignData &record);
