#pragma once
// What the replay reads of a running main window: the board, the turn, the
// match and the connection, in the words of the window's own interface.

#include <cstdint>
#include <utility>

#include "app/shell/mainwindow.h"
#include "core/ai/hint.h"
#include "core/engine/game.h"

namespace zelvan::replay {

inline std::uint8_t cellAt(MainWindow& w, int c, int r) {
    return w.game().cell(c, r);
}
inline int boardSize(MainWindow& w) {
    return w.game().boardSize;
}
inline int cellPitch(MainWindow& w) {
    return w.game().cellPitch;
}
inline bool running(MainWindow& w) {
    return w.game().gameRunning != 0;
}
inline bool blueToMove(MainWindow& w) {
    return w.game().blueToMove != 0;
}
inline std::uint8_t winner(MainWindow& w) {
    return w.game().winner;
}
inline bool connected(MainWindow& w) {
    return w.game().connected != 0;
}
inline int moveCount(MainWindow& w) {
    return w.game().moveCount;
}
// Nothing of a sequence is still to come: no pause or answer outstanding.
inline bool settled(MainWindow&) {
    return true;  // every handler runs its pauses before it returns
}
// The computer player's choice for Blue, with Blue's own random numbers.
inline std::pair<int, int> hintFor(MainWindow& w, RandomSource& random) {
    const Cell c = hintMove(w.game(), random);
    return {c.col, c.row};
}
// One tick of the scoreboard and the clocks, by hand.
inline void tickScores(MainWindow& w) {
    w.onTick();
}

}  // namespace zelvan::replay
