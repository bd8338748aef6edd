#include <gtest/gtest.h>

#include "core/engine/board.h"
#include "core/engine/pieces.h"

using namespace zelvan;

TEST(Board, CellIndexIsColumnMajorWithStride30) {
    EXPECT_EQ(cellIndex(20, 20), 589);
    EXPECT_EQ(cellIndex(1, 2), 1);
    EXPECT_EQ(cellIndex(2, 1), 30);
}

TEST(Board, PixelToCellOn15) {
    EXPECT_EQ(pixelToCell(0, 36), 1);  // the left frame line belongs to column 1
    EXPECT_EQ(pixelToCell(37, 36), 1);
    EXPECT_EQ(pixelToCell(38, 36), 2);
    EXPECT_EQ(pixelToCell(555, 36), 15);
    EXPECT_EQ(pixelToCell(556, 36), 16);
}
