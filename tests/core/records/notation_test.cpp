#include <gtest/gtest.h>

#include "core/records/notation.h"

using namespace zelvan::records;

TEST(Notation, CornersAndCentresOfEachBoard) {
    struct Case {
        int n, col, row;
        const char* name;
    };
    const Case cases[] = {
        {15, 8, 8, "h8"},    {15, 1, 1, "a15"},   {15, 15, 15, "o1"},  {15, 1, 15, "a1"},
        {15, 15, 1, "o15"},  {20, 10, 11, "j10"}, {20, 1, 20, "a1"},   {20, 20, 1, "t20"},
        {30, 15, 16, "o15"}, {30, 1, 30, "a1"},   {30, 30, 1, "ad30"}, {30, 26, 30, "z1"},
        {30, 27, 5, "aa26"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cellName(c.col, c.row, c.n), c.name) << c.n << ": " << c.col << "," << c.row;
        EXPECT_EQ(parseCellName(c.name, c.n), (CellName{c.col, c.row})) << c.name;
    }
    EXPECT_EQ(parseCellName("H8", 15), (CellName{8, 8}));
    EXPECT_EQ(parseCellName("AD1", 30), (CellName{30, 30}));
}

TEST(Notation, NamesOffTheBoardOrMalformedAreRefused) {
    struct Case {
        int n;
        const char* name;
    };
    const Case cases[] = {{15, ""},    {15, "h"},   {15, "8"},   {15, "h0"},   {15, "h16"},
                          {15, "p1"},  {15, "h08"}, {15, "h8x"}, {15, "h-1"},  {20, "u1"},
                          {20, "aa1"}, {30, "ae1"}, {30, "ba1"}, {30, "aaa1"}, {30, "a100"},
                          {30, "a31"}, {15, " h8"}, {15, "h 8"}};
    for (const Case& c : cases)
        EXPECT_EQ(parseCellName(c.name, c.n), std::nullopt) << c.n << ": '" << c.name << "'";
    EXPECT_EQ(cellName(16, 1, 15), "");
    EXPECT_EQ(cellName(0, 1, 15), "");
}
