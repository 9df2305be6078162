#pragma once

#include <string>

struct StorageSummary;

// The storage table for spreadsheets: a header line, then one line per row of the
// equivalent pond, LF line ends, "." as decimal point. The bed's columns are empty when the
// bed is not known.
std::string csvStorageText(const StorageSummary &storage);

// The header line's column names, comma-separated.
inline constexpr const char *CsvStorageHeader = "stage_ft,area_sqft,interval_cuft,"
                                                "cumulative_cuft,chambers_cuft,"
                                                "stoneVoids_cuft,bedCumulative_cuft";
