#include "core/records/statistics.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zelvan::records {

namespace {

constexpr std::string_view kHeader = "zelvan statistics 1";
constexpr std::array<std::string_view, kOpponentGroups> kGroupKeys{
    "level-1", "level-2", "level-3", "level-4", "level-5", "person-here", "network"};
constexpr std::array<std::string_view, kOpponentGroups> kGroupNames{
    "Level 1", "Level 2", "Level 3", "Level 4", "Level 5", "Person here", "Network"};
// Counts are read with at most this many digits, so sums cannot overflow.
constexpr std::size_t kMaxDigits = 9;

// The line's words after the key; nullopt unless the key matches and every
// word is a number.
std::optional<std::vector<int>> numbersAfter(std::string_view line, std::string_view key,
                                             std::size_t count) {
    if (!line.starts_with(key)) return std::nullopt;
    line.remove_prefix(key.size());
    std::vector<int> numbers;
    while (!line.empty()) {
        if (line.front() != ' ') return std::nullopt;
        line.remove_prefix(1);
        const std::size_t end = std::min(line.find(' '), line.size());
        const std::string_view word = line.substr(0, end);
        if (word.empty() || word.size() > kMaxDigits) return std::nullopt;
        int v = 0;
        for (const char c : word) {
            if (c < '0' || c > '9') return std::nullopt;
            v = v * 10 + (c - '0');
        }
        numbers.push_back(v);
        line.remove_prefix(end);
    }
    if (numbers.size() != count) return std::nullopt;
    return numbers;
}

}  // namespace

std::optional<OpponentGroup> groupOf(const Opponent& o) {
    switch (o.kind) {
    case Opponent::Kind::Computer:
        if (o.level < Opponent::kLowestLevel || o.level > Opponent::kHighestLevel)
            return std::nullopt;
        return static_cast<OpponentGroup>(o.level - Opponent::kLowestLevel);
    case Opponent::Kind::PersonHere:
        return OpponentGroup::PersonHere;
    case Opponent::Kind::NetworkPeer:
        return OpponentGroup::NetworkPeer;
    case Opponent::Kind::Unknown:
        break;
    }
    return std::nullopt;
}

std::string_view groupName(OpponentGroup g) {
    return kGroupNames[static_cast<std::size_t>(g)];
}

bool Statistics::add(const Opponent& opponent, Outcome outcome, int blueScore, int redScore) {
    const std::optional<OpponentGroup> group = groupOf(opponent);
    if (!group || outcome == Outcome::Unfinished) return false;
    Tally& t = tallies_[static_cast<std::size_t>(*group)];
    ++t.games;
    if (outcome == Outcome::BlueWins) {
        ++t.wins;
        longestRun_ = std::max(longestRun_, ++currentRun_);
    } else {
        ++(outcome == Outcome::RedWins ? t.losses : t.draws);
        currentRun_ = 0;  // a draw ends a run of wins as a loss does
    }
    scores_.push_back({std::clamp(blueScore, 0, kMaxScore), std::clamp(redScore, 0, kMaxScore)});
    if (scores_.size() > kChartGames) scores_.pop_front();
    return true;
}

Tally Statistics::total() const {
    Tally sum;
    for (const Tally& t : tallies_) {
        sum.games += t.games;
        sum.wins += t.wins;
        sum.losses += t.losses;
        sum.draws += t.draws;
    }
    return sum;
}

std::string encodeStatistics(const Statistics& s) {
    std::string out = std::string(kHeader) + '\n';
    for (std::size_t g = 0; g < kOpponentGroups; ++g) {
        const Tally& t = s.tallies_[g];
        out += std::string(kGroupKeys[g]) + ' ' + std::to_string(t.games) + ' ' +
               std::to_string(t.wins) + ' ' + std::to_string(t.losses) + ' ' +
               std::to_string(t.draws) + '\n';
    }
    out += "run " + std::to_string(s.currentRun_) + ' ' + std::to_string(s.longestRun_) + '\n';
    for (const ScorePoint& p : s.scores_)
        out += "score " + std::to_string(p.blue) + ' ' + std::to_string(p.red) + '\n';
    return out;
}

std::optional<Statistics> decodeStatistics(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (lines.size() > kOpponentGroups + 2 + Statistics::kChartGames) return std::nullopt;
    }
    if (lines.size() < kOpponentGroups + 2 || lines[0] != kHeader) return std::nullopt;

    Statistics s;
    std::int64_t wins = 0;
    for (std::size_t g = 0; g < kOpponentGroups; ++g) {
        const auto n = numbersAfter(lines[1 + g], kGroupKeys[g], 4);
        if (!n) return std::nullopt;
        const Tally t{(*n)[0], (*n)[1], (*n)[2], (*n)[3]};
        if (std::int64_t{t.wins} + t.losses + t.draws != t.games) return std::nullopt;
        s.tallies_[g] = t;
        wins += t.wins;
    }
    const auto run = numbersAfter(lines[1 + kOpponentGroups], "run", 2);
    if (!run || (*run)[0] > (*run)[1] || (*run)[1] > wins) return std::nullopt;
    s.currentRun_ = (*run)[0];
    s.longestRun_ = (*run)[1];
    for (std::size_t i = kOpponentGroups + 2; i < lines.size(); ++i) {
        const auto score = numbersAfter(lines[i], "score", 2);
        if (!score || (*score)[0] > Statistics::kMaxScore || (*score)[1] > Statistics::kMaxScore)
            return std::nullopt;
        s.scores_.push_back({(*score)[0], (*score)[1]});
    }
    return s;
}

}  // namespace zelvan::records
