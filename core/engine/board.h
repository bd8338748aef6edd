#pragma once
// Board sizes and the geometry that ties a cell to pixels of the board picture.

#include <cstdint>

namespace zelvan {

struct BoardGeometry {
    int sizeCode;
    int boardSize;  // n
    int cellPitch;  // p, interior pixels of one cell
    int side;       // S = n*(p+1)+1
    int offsetX;    // top-left of the board picture on the 800x600 background
    int offsetY;
};

// Geometry for size code 1, 2 or 3; nullptr for any other code.
const BoardGeometry* geometryForSizeCode(int sizeCode);
// Geometry for a board of 15, 20 or 30 cells; nullptr otherwise.
const BoardGeometry* geometryForBoardSize(int boardSize);

// Column (or row) of a pixel coordinate on the board picture: (x-1) div (p+1) + 1,
// division truncating toward zero, so the left frame line x = 0 still maps to 1.
// The result may lie outside 1..n; callers check.
inline int pixelToCell(int x, int cellPitch) {
    return (x - 1) / (cellPitch + 1) + 1;
}

// First interior pixel of column (or row) c.
inline int cellOrigin(int c, int cellPitch) {
    return (c - 1) * (cellPitch + 1) + 1;
}

}  // namespace zelvan
