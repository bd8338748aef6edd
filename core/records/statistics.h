#pragma once
// What the player has done over all games: games, wins, losses and draws
// against each kind of opponent (each computer level, a person at this
// machine, network peers), Blue's longest run of wins, and both running
// scores after each of the last 100 games, for the chart. Counted from the
// players' side: a win is Blue's.
//
// The file is text, so a damaged one can be read by eye:
//
//   zelvan statistics 1
//   level-1 12 5 6 1        (games wins losses draws, one line per opponent)
//   ...
//   network 0 0 0 0
//   run 2 5                 (the current run of wins, the longest)
//   score 1001 999          (Blue's and Red's scores after a game, oldest first)
//
// The reader takes nothing but exactly this, with counts that add up.

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "core/records/record.h"

namespace zelvan::records {

enum class OpponentGroup : std::uint8_t {
    Level1,
    Level2,
    Level3,
    Level4,
    Level5,
    PersonHere,
    NetworkPeer
};
inline constexpr std::size_t kOpponentGroups = 7;

// Which line an opponent is counted on; nullopt for an unknown one.
std::optional<OpponentGroup> groupOf(const Opponent& o);
// "Level 1" .. "Level 5", "Person here", "Network".
std::string_view groupName(OpponentGroup g);

struct Tally {
    int games = 0;
    int wins = 0;
    int losses = 0;
    int draws = 0;
    friend bool operator==(const Tally&, const Tally&) = default;
};

struct ScorePoint {
    int blue = 0;
    int red = 0;
    friend bool operator==(const ScorePoint&, const ScorePoint&) = default;
};

class Statistics {
public:
    static constexpr std::size_t kChartGames = 100;
    static constexpr int kMaxScore = 9999;

    // Counts one ended game against this opponent, with both running scores
    // after it (kept within 0..9999). An unfinished game or an unknown
    // opponent counts nothing; returns whether the game was counted.
    bool add(const Opponent& opponent, Outcome outcome, int blueScore, int redScore);

    const Tally& tally(OpponentGroup g) const { return tallies_[static_cast<std::size_t>(g)]; }
    Tally total() const;
    int currentRun() const { return currentRun_; }
    int longestRun() const { return longestRun_; }
    // The scores after each of the last kChartGames games, oldest first.
    const std::deque<ScorePoint>& scores() const { return scores_; }

    friend std::string encodeStatistics(const Statistics& s);
    friend std::optional<Statistics> decodeStatistics(std::string_view text);
    friend bool operator==(const Statistics&, const Statistics&) = default;

private:
    std::array<Tally, kOpponentGroups> tallies_{};
    int currentRun_ = 0;
    int longestRun_ = 0;
    std::deque<ScorePoint> scores_;
};

std::string encodeStatistics(const Statistics& s);
// nullopt for anything but a file encodeStatistics could have written.
std::optional<Statistics> decodeStatistics(std::string_view text);

}  // namespace zelvan::records
