#pragma once
// The running scores and the last ten results, with the rule a result
// applies: the winner gains a point for each of its results among the last
// ten that is the newest or directly follows another of its own, and the
// loser loses a point for each of the winner's results among them. Scores
// stay within the range the settings table gives them.

#include <array>
#include <cstdint>

#include "core/engine/pieces.h"

namespace zelvan {

using Results = std::array<std::uint8_t, 10>;  // winners' colour codes, newest first

class Scores {
public:
    // 1000 each, no results.
    Scores();

    std::int32_t blue() const { return blue_; }
    std::int32_t red() const { return red_; }
    const Results& results() const { return results_; }

    // Records a game won (or abandoned) by `winner`, kBlue or kRed.
    void record(std::uint8_t winner);
    // The options' "Reset scores": both back to their default, the results kept.
    void reset();
    // Values as a file held them, brought into range.
    void restore(std::int32_t blue, std::int32_t red, const Results& results);

    friend bool operator==(const Scores&, const Scores&) = default;

private:
    std::int32_t blue_;
    std::int32_t red_;
    Results results_{};
};

}  // namespace zelvan
