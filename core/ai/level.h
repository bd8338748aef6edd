#pragma once
// The computer's levels, declared once: the number the settings file stores,
// the name the options panel shows, and how the level plays. Adding a level
// is one more line here (and, for a new way of playing, the computer player
// that plays it). Levels 1 to 3 look ahead a few cycles and answer at once;
// levels 4 and 5 are the strong engine (core/ai/strong), which thinks
// against the clock.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zelvan {

struct Level {
    std::uint8_t number;    // as the settings file stores it
    std::string_view name;  // as the options panel shows it after the number
    // How far the look-ahead plays the game forward, in cycles; 0 for a
    // level that thinks against the clock instead.
    int lookAheadCycles;
    // How long a level that thinks against the clock may take, in
    // milliseconds; 0 for a look-ahead level.
    int budgetMs;

    bool thinksAgainstTheClock() const { return lookAheadCycles == 0; }

    friend bool operator==(const Level&, const Level&) = default;
};

// Every level, in the order the options panel steps through them.
std::span<const Level> levels();
// The level stored as `number`, or null when there is none.
const Level* findLevel(int number);
// The level of a fresh start, and the one a stored number without a level
// falls back to: medium.
inline constexpr std::uint8_t kDefaultLevelNumber = 2;
const Level& defaultLevel();
// The level the options panel's button goes to next, the first after the last.
const Level& nextLevel(const Level& level);
// The level the hint plays Blue's side at: master.
const Level& hintLevel();

// The level's line on the options panel: "2 - medium".
std::string levelLine(const Level& level);

}  // namespace zelvan
