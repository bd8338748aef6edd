// The line patterns and how a cell's four lines combine into a threat.

#include <gtest/gtest.h>

#include <string_view>

#include "core/ai/strong/patterns.h"

namespace zelvan::strong {
namespace {

// A line key from nine characters around the centre '*': 'X' the first
// side's stone, 'O' the second's, '#' off the board, '.' empty.
std::uint16_t keyOf(std::string_view line) {
    std::uint16_t key = 0;
    for (int offset = -4; offset <= 4; ++offset) {
        if (offset == 0) continue;
        const char ch = line[offset + 4];
        const int code = ch == 'X'   ? stoneCode(0)
                         : ch == 'O' ? stoneCode(1)
                         : ch == '#' ? kWall
                                     : 0;
        key = static_cast<std::uint16_t>(key | (code << (2 * keySlot(offset))));
    }
    return key;
}

// The same line with the colours swapped, for the second side.
std::string swapped(std::string_view line) {
    std::string s(line);
    for (char& ch : s)
        ch = ch == 'X' ? 'O' : ch == 'O' ? 'X' : ch;
    return s;
}

TEST(StrongPatterns, LinesClassifyByWhatTheNextStoneMakes) {
    struct Case {
        std::string_view line;
        Pattern expected;
    };
    const Case cases[] = {
        {"XXXX*....", kFive},   {"XXXX*X...", kFive},  // six or more wins too
        {"XX.X*XX..", kFlex4},  {"..XX*X...", kFlex4},  {"X.X.*.X.X", kFlex3},
        {".OXX*X...", kBlock4}, {"XX..*.XX.", kFlex3},  {"X.XX*..X.", kBlock4},
        {"XX.X*.XXX", kFlex4},  // a five to be made on both sides: two fours in one line
        {"...X*X...", kFlex3},  {"..X.*X...", kFlex3},  {"##.X*X.##", kBlock3},
        {"OXXX*O...", kDead},   {".OX.*X...", kBlock3}, {"...X*....", kFlex2},
        {"..OX*...#", kBlock2}, {"....*....", kFlex1},  {"#O..*..O#", kBlock1},
        {"OO..*.OOO", kDead},   {"#XXX*....", kBlock4},  // against the edge of the board
    };
    for (const Case& c : cases) {
        EXPECT_EQ(linePattern(0, keyOf(c.line)), c.expected) << c.line;
        EXPECT_EQ(linePattern(1, keyOf(swapped(c.line))), c.expected) << c.line << " for O";
    }
}

TEST(StrongPatterns, FourLinesCombineIntoOneThreat) {
    struct Case {
        std::array<Pattern, 4> lines;
        Threat expected;
    };
    const Case cases[] = {
        {{kFive, kDead, kDead, kDead}, kMakesFive},
        {{kFlex4, kDead, kDead, kDead}, kFlexFour},
        {{kBlock4, kDead, kBlock4, kDead}, kFlexFour},
        {{kBlock4, kFlex3, kDead, kDead}, kFourThree},
        {{kDead, kBlock4, kBlock3, kFlex2}, kFour},
        {{kFlex3, kDead, kDead, kFlex3}, kDoubleThree},
        {{kFlex3, kBlock3, kFlex2, kFlex2}, kThree},
        {{kBlock3, kBlock3, kFlex2, kFlex2}, kQuiet},
    };
    for (const Case& c : cases)
        EXPECT_EQ(combineLines(c.lines).threat, c.expected);
    // A stronger line is worth more to the move order and the evaluation.
    for (int p = kBlock2; p < kPatternCount; ++p) {
        EXPECT_GT(combineLines({static_cast<Pattern>(p), kDead, kDead, kDead}).score,
                  combineLines({static_cast<Pattern>(p - 1), kDead, kDead, kDead}).score)
            << p;
    }
}

}  // namespace
}  // namespace zelvan::strong
