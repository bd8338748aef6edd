#pragma once
// How each strong level searches, beside its time budget (engine.h). The
// master level looks further into threats, checks the opponent's threats
// before it searches, and proves fours at the search's leaves.

namespace zelvan::strong {

struct LevelProfile {
    int ownFours;          // the longest line of fours looked for at the root, for the mover
    int ownThreatMoves;    // attacking moves in the mover's threes-and-fours search (0: none)
    int threatFours;       // the longest line of fours inside a threes-and-fours search
    int guardThreatMoves;  // the same search for the opponent before moving (0: its fours only)
    int leafFours;         // fours looked for at the search's leaves (0: none)
    int width;             // moves searched at a quiet node, best first
};

inline const LevelProfile& profileFor(int level) {
    static constexpr LevelProfile kStrong{16, 4, 8, 0, 0, 8};
    static constexpr LevelProfile kMaster{24, 12, 14, 8, 0, 8};
    return level == 4 ? kStrong : kMaster;
}

}  // namespace zelvan::strong
