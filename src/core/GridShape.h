#pragma once

// The month grid in every view: six weeks of seven days, the week beginning on the
// day the locale begins it (Sunday in Japan and the United States, Monday in most
// of Europe).
struct GridShape {
    static constexpr int kColumns = 7;
    static constexpr int kRows = 6;
    static constexpr int kCells = kColumns * kRows;
};
