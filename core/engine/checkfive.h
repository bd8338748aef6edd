#pragma once
// The five-in-a-row walk on its own, without the game-over steps that follow
// it after a real placement: the computer player's look-ahead asks the same
// question of its simulated boards and must get the same answer.

#include <array>
#include <cstdint>

#include "core/engine/game.h"

namespace zelvan {

struct FiveScan {
    std::uint8_t winner = 0;
    std::array<std::int32_t, 4> blueLine{};
    std::array<std::int32_t, 4> redLine{};
};

// The winner and the line ends the whole-board scan would record, starting
// from no lines and no winner; changes nothing.
FiveScan scanFive(const Game& g);

}  // namespace zelvan
