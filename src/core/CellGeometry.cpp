#include "CellGeometry.h"

#include <cmath>

namespace {
}  // namespace

int CellGeometry::CellFromPoint(int x, int y) const {
    if (cellWidth <= 0 || rowPitch <= 0) return -1;
    const double column = std::floor(static_cast<double>(x - xOffset) / cellWidth);
    const double row = std::floor(static_cast<double>(y - gridTop) / rowPitch);
    // A point beside the seven columns is no cell, not one of the next row.
    if (column < 0 || column >= GridShape::kColumns || row < 0 || row >= GridShape::kRows) return -1;
    return static_cast<int>(row) * GridShape::kColumns + static_cast<int>(column);
}

GridRect CellGeometry::CellRect(int cell) const {
    const int left = xOffset + cellWidth * (cell % GridShape::kColumns);
    const int top = gridTop + rowPitch * (cell / GridShape::kColumns);
    return {left, top, left + cellWidth, top + rowPitch};
}

GridRect CellGeometry::CellRectFromPoint(int x, int y) const {
    const int cell = CellFromPoint(x, y);
    return cell < 0 ? GridRect{} : CellRect(cell);
}
