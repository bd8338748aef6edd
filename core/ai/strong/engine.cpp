#include "core/ai/strong/engine.h"

#include <algorithm>

#include "core/ai/strong/search.h"

namespace zelvan::strong {

namespace {

int sideOf(Stone s) {
    return s == Stone::Second ? 1 : 0;
}

}  // namespace

Engine::Engine(std::size_t hashBytes)
    : search_(std::make_unique<Search>(std::min(hashBytes, kMaxHashBytes))) {}

Engine::~Engine() = default;

void Engine::newGame(int boardSize) {
    search_->newGame(boardSize);
}

bool Engine::place(Point p, Stone s) {
    Position& pos = search_->position();
    if (s == Stone::None || !pos.onBoard(p.col, p.row)) return false;
    const int cell = Position::index(p.col, p.row);
    if (!pos.isEmpty(cell)) return false;
    pos.place(cell, sideOf(s));
    return true;
}

bool Engine::takeBack(Point p) {
    Position& pos = search_->position();
    if (!pos.onBoard(p.col, p.row)) return false;
    const int cell = Position::index(p.col, p.row);
    if (pos.isEmpty(cell)) return false;
    pos.remove(cell);
    return true;
}

Stone Engine::at(Point p) const {
    const Position& pos = search_->position();
    if (!pos.onBoard(p.col, p.row)) return Stone::None;
    const std::uint8_t code = pos.code(Position::index(p.col, p.row));
    return code == stoneCode(0) ? Stone::First : code == stoneCode(1) ? Stone::Second : Stone::None;
}

int Engine::boardSize() const {
    return search_->position().size();
}

void Engine::setSeed(std::uint64_t seed) {
    search_->setSeed(seed);
}

Point Engine::think(Stone toMove, const ThinkLimits& limits, const std::atomic<bool>* cancel) {
    const int cell = search_->think(sideOf(toMove), limits, cancel);
    if (cell < 0) return {};
    return {Position::colOf(cell), Position::rowOf(cell)};
}

const ThinkStats& Engine::lastStats() const {
    return search_->stats();
}

}  // namespace zelvan::strong
