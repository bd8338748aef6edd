#pragma once
// How each strong level searches, beside its limits (engine.h). The
// master level looks further into threats, checks the opponent's threats
// by threes as well as fours before it searches, and keeps answering open
// threes past the search's depth.

namespace zelvan::strong {

struct LevelProfile {
    int ownFours;          // the longest line of fours looked for at the root, for the mover
    int ownThreatMoves;    // attacking moves in the mover's threes-and-fours search (0: none)
    int threatFours;       // the longest line of fours inside a threes-and-fours search
    int guardThreatMoves;  // the same search for the opponent before moving (0: its fours only)
    int width;             // moves searched at a quiet node, best first
    // Where the phases of a think end, in percent of its time: its own wins
    // by threes, then the guard against the opponent's (the search has the rest).
    int ownThreatsUntil;
    int guardUntil;
};

inline const LevelProfile& profileFor(int level) {
    static constexpr LevelProfile kStrong{16, 4, 8, 0, 8, 20, 45};
    static constexpr LevelProfile kMaster{24, 12, 14, 8, 8, 10, 30};
    return level == 4 ? kStrong : kMaster;
}

}  // namespace zelvan::strong
