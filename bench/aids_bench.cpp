// The play aids' cost per key press on the window's thread: an undo, which
// draws the board again and replays every kept move, and a hint, whose think
// runs on the computer's worker: the key itself only copies the game out. Timed on games between
// two people with 40% of the board filled, at every board size, through match control with the
// tests' quiet seams.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>

#include "core/ai/engineplayer.h"
#include "core/engine/checkfive.h"
#include "support/matchrig.h"

using namespace zelvan;
using zelvan::test::MatchRig;

namespace {

class Mt final : public RandomSource {
public:
    std::uint32_t below(std::uint32_t n) override { return rng_() % n; }

private:
    std::mt19937 rng_{7};
};

// Two people fill 40% of the board at random, never making five; Blue is
// to move.
std::vector<PlayedMove> crowdedGame(int sizeCode) {
    MatchRig t;
    t.startGame(true, false, sizeCode);
    std::mt19937 rng(static_cast<std::uint32_t>(sizeCode));
    const int n = t.match.position().boardSize();
    const int pieces = n * n * 2 / 5 / 2 * 2;
    for (int tries = 0; t.match.position().moveCount() < pieces && tries < 1000000; ++tries) {
        const int c = 1 + static_cast<int>(rng() % n);
        const int r = 1 + static_cast<int>(rng() % n);
        if (t.cell(c, r) != kNone) continue;
        Position trial = t.match.position();
        trial.setCell(c, r, t.match.blueToMove() ? kBlue : kRed);
        if (scanFive(trial).winner != kNone) continue;
        t.play(c, r);
    }
    return t.match.position().moves();
}

void undoKey(benchmark::State& state) {
    const int sizeCode = static_cast<int>(state.range(0));
    const std::vector<PlayedMove> moves = crowdedGame(sizeCode);
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<MatchRig>();
        t->startGame(true, false, sizeCode);
        t->lay(moves);
        state.ResumeTiming();
        benchmark::DoNotOptimize(t->match.undo());
    }
    state.counters["moves"] = static_cast<double>(moves.size());
}

void hintKey(benchmark::State& state) {
    const int sizeCode = static_cast<int>(state.range(0));
    MatchRig t;
    t.startGame(true, false, sizeCode);
    t.lay(crowdedGame(sizeCode));
    Mt random;
    for (auto _ : state)
        benchmark::DoNotOptimize(hintTask(t.match.position(), random));
}

}  // namespace

BENCHMARK(undoKey)->ArgName("sizeCode")->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(hintKey)->ArgName("sizeCode")->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
