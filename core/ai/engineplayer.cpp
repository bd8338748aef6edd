#include "core/ai/engineplayer.h"

#include <chrono>
#include <limits>

namespace zelvan {

namespace {

// Every piece on the board: the game's moves in order first, then any piece
// laid out without a move (test positions), in column order.
std::vector<std::pair<Cell, std::uint8_t>> piecesInOrder(const Position& g) {
    std::vector<std::pair<Cell, std::uint8_t>> out;
    Board listed{};
    for (const PlayedMove& m : g.moves()) {
        const std::uint8_t colour = g.cell(m.col, m.row);
        if (colour == kNone || listed[cellIndex(m.col, m.row)] != kNone) continue;
        listed[cellIndex(m.col, m.row)] = colour;
        out.push_back({{m.col, m.row}, colour});
    }
    for (int c = 1; c <= g.boardSize(); ++c)
        for (int r = 1; r <= g.boardSize(); ++r)
            if (g.cell(c, r) != kNone && listed[cellIndex(c, r)] == kNone)
                out.push_back({{c, r}, g.cell(c, r)});
    return out;
}

}  // namespace

EngineTask engineTask(const Position& g, std::uint8_t colour, const Level& level,
                      RandomSource& random) {
    EngineTask task;
    task.boardSize = g.boardSize();
    const auto pieces = piecesInOrder(g);
    int own = 0;
    for (const auto& piece : pieces)
        own += piece.second == colour;
    // The game's first move says who opened; on a board laid out without
    // moves, turns alternating, the side to move opened when both sides have
    // as many pieces.
    const bool moverOpened = g.moves().empty() ? 2 * own >= static_cast<int>(pieces.size())
                                               : pieces.front().second == colour;
    task.toMove = strong::stoneOf(moverOpened);
    for (const auto& [cell, c] : pieces)
        task.stones.push_back(
            {{cell.col, cell.row}, strong::stoneOf((c == colour) == moverOpened)});
    task.limits = strong::limitsFor(level.number);
    task.limits.budget = std::chrono::milliseconds(level.budgetMs);
    task.seed = random.below(std::numeric_limits<std::uint32_t>::max());
    return task;
}

EngineTask hintTask(const Position& g, RandomSource& random) {
    return engineTask(g, kBlue, hintLevel(), random);
}

EngineThinker::EngineThinker() = default;
EngineThinker::~EngineThinker() = default;

Cell EngineThinker::think(const EngineTask& task, const std::atomic<bool>* cancel) {
    if (!engine_) engine_ = std::make_unique<strong::Engine>();
    board_.follow(*engine_, task.boardSize, task.stones);
    engine_->setSeed(task.seed);
    const strong::Point p = engine_->think(task.toMove, task.limits, cancel);
    return {p.col, p.row};
}

void EnginePlayer::request(const MoveRequest& request, RandomSource& random, Answer answer) {
    answer(thinker_.think(engineTask(request, random)));
}

}  // namespace zelvan
