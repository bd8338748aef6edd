#pragma once
// Line patterns: what a stone played on an empty cell makes along one line,
// read from the eight cells around it (four each way). Each line is packed
// into a 16-bit key, two bits a cell, and looked up in a table built once.

#include <array>
#include <cstdint>

namespace zelvan::strong {

// Cell codes inside a line key and on the board.
inline constexpr std::uint8_t kEmpty = 0;
inline constexpr std::uint8_t kWall = 3;  // off the board
inline constexpr std::uint8_t stoneCode(int side) {
    return static_cast<std::uint8_t>(side + 1);
}

// What one line becomes for the side that plays the cell, weakest first. A
// "four" has one cell left that makes five through the new stone, a "flex
// four" two or more (an open four, or two fours in one line); a "flex three"
// can become a flex four with one more stone, a "block three" only a four;
// and so on down to single stones. Dead: no five can ever pass through here.
enum Pattern : std::uint8_t {
    kDead,
    kBlock1,
    kFlex1,
    kBlock2,
    kFlex2,
    kBlock3,
    kFlex3,
    kBlock4,
    kFlex4,
    kFive,
};
inline constexpr int kPatternCount = 10;

// What playing a cell threatens, all four lines together, weakest first.
enum Threat : std::uint8_t {
    kQuiet,
    kThree,        // one flex three: a flex four next unless answered
    kDoubleThree,  // two flex threes
    kFour,         // a four: the opponent must block its five
    kFourThree,    // a four and a flex three
    kFlexFour,     // a flex four, or fours in two lines: five next, whatever the reply
    kMakesFive,    // five or more in a row
};
inline constexpr int kThreatCount = 7;

// Slot of the neighbour at `offset` (-4..-1, 1..4) inside a line key.
inline constexpr int keySlot(int offset) {
    return offset < 0 ? offset + 4 : offset + 3;
}

// The four lines of a cell combined: the threat, and a value that ranks
// cells for the evaluation and the move order.
struct CellValue {
    Threat threat = kQuiet;
    std::int16_t score = 0;
};

inline constexpr int comboIndex(Pattern a, Pattern b, Pattern c, Pattern d) {
    return ((a * kPatternCount + b) * kPatternCount + c) * kPatternCount + d;
}

// Both tables, built on first use (the board keeps a reference).
struct PatternTables {
    std::array<std::array<Pattern, 1 << 16>, 2> line;  // [side][key]
    std::array<CellValue, kPatternCount * kPatternCount * kPatternCount * kPatternCount> combo;
};
const PatternTables& patternTables();

// The pattern `side` makes along the line `key` by playing its centre.
inline Pattern linePattern(int side, std::uint16_t key) {
    return patternTables().line[side][key];
}

inline CellValue combineLines(const std::array<Pattern, 4>& lines) {
    return patternTables().combo[comboIndex(lines[0], lines[1], lines[2], lines[3])];
}

}  // namespace zelvan::strong
