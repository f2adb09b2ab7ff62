#pragma once
#include "GridRect.h"
#include "GridShape.h"

// Pixel geometry of the day cells: the grid's columns of cellWidth from xOffset,
// its rows of rowPitch from gridTop.
struct CellGeometry {
    int xOffset = 0;
    int cellWidth = 0;
    int gridTop = 0;
    int rowPitch = 0;

    // The cell 0..41 under a client point, or -1 (also left or right of the columns).
    int CellFromPoint(int x, int y) const;
    GridRect CellRect(int cell) const;
    // The cell's rectangle, or the empty rectangle when no cell lies under the point.
    GridRect CellRectFromPoint(int x, int y) const;
};
