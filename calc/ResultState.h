#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

// What a calculation leaves for the clipboard commands and the project file: the
// equivalent pond table (row i is element i - 1) and, for a rectangular array, its size.
struct ResultState
{
    bool ResultsValid = false;
    int16_t EquivRows = 0;
    std::vector<float> EquivStage; // ft datum
    std::vector<float> EquivArea;  // ft²
    float SystemLength = 0.0f;     // ft
    float SystemWidth = 0.0f;      // ft
    float BottomArea = 0.0f;       // ft²

    // The rows the count and both columns agree on (a hand-edited state may disagree).
    std::size_t rowCount() const
    {
        return std::min(
            {std::size_t(std::max<int>(EquivRows, 0)), EquivStage.size(), EquivArea.size()});
    }

    // Discards the result (the window empties the report beside it).
    void ClearResults() { *this = ResultState{}; }
};
