#include "core/ai/strong/patterns.h"

#include <memory>
#include <vector>

namespace zelvan::strong {

namespace {

// A line as the player of its centre sees it: nine cells, the centre (index
// 4) already its own stone.
enum LineCell : std::uint8_t { kOpen, kOwn, kBlocked };
using Line = std::array<std::uint8_t, 9>;

bool fiveThroughCentre(const Line& line) {
    int run = 1;
    for (int i = 3; i >= 0 && line[i] == kOwn; --i)
        ++run;
    for (int i = 5; i < 9 && line[i] == kOwn; ++i)
        ++run;
    return run >= 5;
}

// Base-3 index of the eight neighbours, for the memo.
int lineIndex(const Line& line) {
    int index = 0;
    for (int i = 8; i >= 0; --i)
        if (i != 4) index = index * 3 + line[i];
    return index;
}

// Patterns are defined by what one more stone makes: a five-making cell count
// of two or more is a flex four, one a four; otherwise the best pattern one
// more stone reaches, one step down (flex four -> flex three, four -> block
// three, and so on).
Pattern classify(Line& line, std::vector<std::int8_t>& memo) {
    const int index = lineIndex(line);
    if (memo[index] >= 0) return static_cast<Pattern>(memo[index]);
    Pattern result = kDead;
    if (fiveThroughCentre(line)) {
        result = kFive;
    } else {
        int fivePoints = 0;
        for (int i = 0; i < 9; ++i) {
            if (line[i] != kOpen) continue;
            line[i] = kOwn;
            if (fiveThroughCentre(line)) ++fivePoints;
            line[i] = kOpen;
        }
        if (fivePoints >= 2) {
            result = kFlex4;
        } else if (fivePoints == 1) {
            result = kBlock4;
        } else {
            for (int i = 0; i < 9; ++i) {
                if (line[i] != kOpen) continue;
                line[i] = kOwn;
                const Pattern next = classify(line, memo);
                line[i] = kOpen;
                // One step down: kFlex4 -> kFlex3, kBlock4 -> kBlock3, ... kBlock2 -> kBlock1.
                const Pattern down =
                    next >= kBlock2 && next <= kFlex4 ? static_cast<Pattern>(next - 2) : kDead;
                if (down > result) result = down;
            }
        }
    }
    memo[index] = static_cast<std::int8_t>(result);
    return result;
}

// What one line is worth to the side that could play the cell.
constexpr std::array<int, kPatternCount> kLineValue = {0, 0, 0, 2, 6, 8, 30, 35, 100, 400};

CellValue combine(const std::array<Pattern, 4>& lines) {
    std::array<int, kPatternCount> count{};
    int score = 0;
    for (Pattern p : lines) {
        ++count[p];
        score += kLineValue[p];
    }
    const int fours = count[kBlock4] + count[kFlex4];
    CellValue v;
    if (count[kFive] > 0) {
        v.threat = kMakesFive;
        score += 2000;
    } else if (count[kFlex4] > 0 || count[kBlock4] >= 2) {
        v.threat = kFlexFour;
        score += 400;
    } else if (fours > 0 && count[kFlex3] > 0) {
        v.threat = kFourThree;
        score += 250;
    } else if (fours > 0) {
        v.threat = kFour;
    } else if (count[kFlex3] >= 2) {
        v.threat = kDoubleThree;
        score += 150;
    } else if (count[kFlex3] > 0) {
        v.threat = kThree;
    }
    // Two lines that both grow are worth more than their sum.
    if (v.threat == kFour && count[kFlex2] + count[kBlock3] > 0) score += 30;
    if (v.threat == kThree && count[kFlex2] + count[kBlock3] > 0) score += 30;
    if (v.threat == kQuiet && count[kFlex2] >= 2) score += 20;
    v.score = static_cast<std::int16_t>(score);
    return v;
}

}  // namespace

const PatternTables& patternTables() {
    static const std::unique_ptr<const PatternTables> tables = [] {
        auto t = std::make_unique<PatternTables>();
        std::vector<std::int8_t> memo(6561, -1);
        for (int key = 0; key < (1 << 16); ++key) {
            for (int side = 0; side < 2; ++side) {
                Line line{};
                line[4] = kOwn;
                for (int offset = -4; offset <= 4; ++offset) {
                    if (offset == 0) continue;
                    const int code = (key >> (2 * keySlot(offset))) & 3;
                    line[offset + 4] = code == kEmpty            ? kOpen
                                       : code == stoneCode(side) ? kOwn
                                                                 : kBlocked;
                }
                t->line[side][key] = classify(line, memo);
            }
        }
        for (int i = 0; i < static_cast<int>(t->combo.size()); ++i) {
            std::array<Pattern, 4> lines{};
            int rest = i;
            for (int d = 3; d >= 0; --d) {
                lines[d] = static_cast<Pattern>(rest % kPatternCount);
                rest /= kPatternCount;
            }
            t->combo[i] = combine(lines);
        }
        return t;
    }();
    return *tables;
}

}  // namespace zelvan::strong
