#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One chamber model's design data as read from its ".dat" file: outside dimensions in
// inches and the stage-storage table of a single chamber. Row i of the table is element
// i - 1 of Stage and Storage.
struct ChamberDesignData
{
    std::string Description;
    float Width = 0.0f;  // inches, across the row
    float Height = 0.0f; // inches
    float Length = 0.0f; // inches, along the row
    int16_t NumPoints = 0;
    std::vector<float> Stage;   // inches, strictly increasing
    std::vector<float> Storage; // ft³, cumulative
};
