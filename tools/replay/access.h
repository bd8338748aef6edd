#pragma once
// What the replay reads of a running main window: the board, the turn, the
// match and the connection, in the words of the window's own interface.

#include <cstdint>
#include <utility>

#include "app/network/networkplay.h"
#include "app/shell/mainwindow.h"
#include "app/ui/scorestrip.h"
#include "core/ai/hint.h"
#include "core/engine/board.h"

namespace zelvan::replay {

inline std::uint8_t cellAt(MainWindow& w, int c, int r) {
    return w.match().position().cell(c, r);
}
inline int boardSize(MainWindow& w) {
    return w.match().position().boardSize();
}
inline int cellPitch(MainWindow& w) {
    return geometryForBoardSize(boardSize(w))->cellPitch;
}
inline bool running(MainWindow& w) {
    return w.match().running();
}
inline bool blueToMove(MainWindow& w) {
    return w.match().blueToMove();
}
inline std::uint8_t winner(MainWindow& w) {
    return w.match().winner();
}
inline bool connected(MainWindow& w) {
    return w.network().connected();
}
inline int moveCount(MainWindow& w) {
    return w.match().position().moveCount();
}
// Nothing of a sequence is still to come: no pause or answer outstanding.
inline bool settled(MainWindow& w) {
    return w.match().step() == MatchControl::Step::Ready;
}
// Blue's look-ahead move (the hard level's choice for Blue), with Blue's own
// random numbers: repeatable, unlike the hint key's think against the clock.
inline std::pair<int, int> hintFor(MainWindow& w, RandomSource& random) {
    if (!w.match().mayHint()) return {0, 0};
    const Cell c = blueLookAheadMove(w.match().position(), random);
    return {c.col, c.row};
}
// One tick of the scoreboard and the clocks, by hand.
inline void tickScores(MainWindow& w) {
    w.findChild<ScoreStrip*>()->tick();
}

}  // namespace zelvan::replay
