// The play aids' cost per key press: an undo, which replays every kept move
// through placement and the five-in-a-row scan, and a hint, which is one
// decision of the hard computer on a colour-swapped copy. Timed on games
// between two people with 40% of the board filled, at every board size.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

#include "core/ai/hint.h"
#include "core/engine/checkfive.h"
#include "core/engine/quiethost.h"
#include "core/engine/rules.h"
#include "core/engine/undo.h"

using namespace zelvan;

namespace {

// A window that shows nothing.
using NoWindow = QuietHost;

class Mt final : public RandomSource {
public:
    std::uint32_t below(std::uint32_t n) override { return rng_() % n; }

private:
    std::mt19937 rng_{7};
};

// Two people fill 40% of the board at random, never making five; Blue is
// to move.
Game crowdedGame(int sizeCode, NoWindow& host) {
    Game g;
    g.sizeCode = static_cast<std::uint8_t>(sizeCode);
    g.redIsHuman = 1;
    g.blueOpens = 0;  // the new board flips it: Blue opens
    init(g, host);
    g.gameRunning = 1;
    g.moveCount = 0;
    std::mt19937 rng(static_cast<std::uint32_t>(sizeCode));
    const int n = g.boardSize;
    const int pieces = n * n * 2 / 5 / 2 * 2;
    for (int tries = 0; static_cast<int>(g.moves.size()) < pieces && tries < 1000000; ++tries) {
        const int c = 1 + static_cast<int>(rng() % n);
        const int r = 1 + static_cast<int>(rng() % n);
        if (g.cell(c, r) != kNone) continue;
        Game trial = g;
        trial.cells[cellIndex(c, r)] = g.blueToMove ? kBlue : kRed;
        if (scanFive(trial).winner != kNone) continue;
        placePiece(g, host, g.blueToMove ? PieceSource::BlueClick : PieceSource::RedClick, c, r);
    }
    return g;
}

void undoKey(benchmark::State& state) {
    NoWindow host;
    const Game start = crowdedGame(static_cast<int>(state.range(0)), host);
    for (auto _ : state) {
        state.PauseTiming();
        Game g = start;
        state.ResumeTiming();
        benchmark::DoNotOptimize(undoMove(g, host));
    }
    state.counters["moves"] = static_cast<double>(start.moves.size());
}

void hintKey(benchmark::State& state) {
    NoWindow host;
    const Game g = crowdedGame(static_cast<int>(state.range(0)), host);
    Mt random;
    for (auto _ : state)
        benchmark::DoNotOptimize(hintMove(g, random));
}

}  // namespace

BENCHMARK(undoKey)->ArgName("sizeCode")->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(hintKey)->ArgName("sizeCode")->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
