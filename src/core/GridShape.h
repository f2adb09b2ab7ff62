#pragma once

// The month grid in every view: six weeks of seven days, Sunday first.
struct GridShape {
    static constexpr int kColumns = 7;
    static constexpr int kRows = 6;
    static constexpr int kCells = kColumns * kRows;
};
