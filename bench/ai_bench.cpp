// The computer's choice of cell, timed per move, for every level and board
// size over fixed positions: the opening (a few pieces), an early middle game
// (two dozen pieces, and a lattice of pieces that leaves nobody a threat) and
// a crowded middle game (40% of the board filled).
// Each benchmark reports the median and the worst time of one move, by the
// wall clock and by the thread's CPU clock (which a busy machine does not
// inflate), and a checksum of the cells chosen so that runs can be compared
// for identical play. The random numbers are fixed per position: the draws
// that give its scan directions.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <vector>

#include "core/ai/level.h"
#include "core/ai/linescanner.h"
#include "core/ai/movechoice.h"
#include "core/engine/position.h"

using namespace zelvan;

namespace {

// A small fixed generator, so positions are the same on every machine.
struct SplitMix {
    std::uint64_t state;
    std::uint32_t below(std::uint32_t n) {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<std::uint32_t>((z ^ (z >> 31)) % n);
    }
};

enum class Phase { Opening, Early, Crowded };

int piecesFor(Phase phase, int n) {
    switch (phase) {
    case Phase::Opening:
        return 4;
    case Phase::Early:
        return 24;
    case Phase::Crowded:
        return n * n * 2 / 5;
    }
    return 0;
}

// Pieces in alternating colours, Blue first in the middle, each on an empty
// cell of the zone, as a game lays them. No five is made. With `quiet`, no
// piece may make a four either, which keeps threats rare and the searches at
// their slowest.
zelvan::Position makePosition(int n, int pieces, std::uint64_t seed, bool quiet) {
    zelvan::Position g(n);
    SplitMix rng{seed};
    const int mid = n / 2 + 1;
    g.put(kBlue, mid, mid);
    int placed = 1;
    for (int tries = 0; placed < pieces && tries < 400000; ++tries) {
        const int c = 1 + static_cast<int>(rng.below(static_cast<std::uint32_t>(n)));
        const int r = 1 + static_cast<int>(rng.below(static_cast<std::uint32_t>(n)));
        if (!g.isCandidate(c, r)) continue;
        const int side = placed % 2 == 0 ? kBlueSide : kRedSide;
        const LineCounts l = evalCell(g, side, c, r);
        if (l[5] > 0 || (quiet && l[4] > 0)) continue;
        g.put(colourCode(side), c, r);
        ++placed;
    }
    return g;
}

// CPU time of this thread: what the move itself costs, without the time the
// scheduler gives to other processes on a busy machine.
double threadSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A position with the computer's move next, and the scan orders its draws give.
struct Probe {
    zelvan::Position board;
    MoveStyle style;
    ScanOrder main;
    ScanOrder fallback;
};

// The draws that give a position's scan directions: two for the main scan,
// two for a fallback scan (0 ascending).
class OrderDraws final : public RandomSource {
public:
    explicit OrderDraws(const Probe& p)
        : values_{p.main.colsUp ? 0u : 1u, p.main.rowsUp ? 0u : 1u, p.fallback.colsUp ? 0u : 1u,
                  p.fallback.rowsUp ? 0u : 1u} {}
    std::uint32_t below(std::uint32_t n) override { return next_ < 4 ? values_[next_++] % n : 0; }

private:
    std::uint32_t values_[4];
    int next_ = 0;
};

std::vector<Probe> positions(Phase phase, int n, int cycles) {
    std::vector<Probe> all;
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        const bool quiet = seed % 2 == 0;
        const int pieces = piecesFor(phase, n);
        Probe p{makePosition(n, pieces, seed * 7919 + n, quiet),
                {0, cycles, seed % 3 == 0},
                {seed % 3 != 0, seed % 4 < 2},
                {seed % 2 == 1, seed % 3 == 1}};
        int placed = 0;
        for (int c = 1; c <= n; ++c)
            for (int r = 1; r <= n; ++r)
                placed += p.board.cell(c, r) != kNone;
        p.style.moveNumber = placed + 1;
        all.push_back(p);
    }
    if (phase == Phase::Early) {
        // Pieces on a lattice five cells apart: the zone covers the whole
        // board and nobody has a threat, so every candidate of every search
        // has its follow-up cells measured. The slowest position there is.
        Probe& lattice = all.back();
        lattice.board = zelvan::Position(n);
        int k = 0;
        for (int c = 3; c <= n; c += 5)
            for (int r = 3; r <= n; r += 5, ++k)
                lattice.board.put(k % 2 ? kRed : kBlue, c, r);
        lattice.style.moveNumber = k + 1;
    }
    return all;
}

void computerChoice(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    const int n = static_cast<int>(state.range(1));
    const Phase phase = static_cast<Phase>(state.range(2));
    const std::vector<Probe> all = positions(phase, n, findLevel(level)->lookAheadCycles);
    std::vector<double> wall;
    std::vector<double> cpu;
    std::size_t next = 0;
    for (auto _ : state) {
        const Probe& p = all[next];
        next = (next + 1) % all.size();
        OrderDraws random(p);
        const double cpuStart = threadSeconds();
        const auto start = std::chrono::steady_clock::now();
        const Cell cell = decideMove(p.board, p.style, random);
        const auto stop = std::chrono::steady_clock::now();
        const double cpuStop = threadSeconds();
        benchmark::DoNotOptimize(cell);
        const double seconds = std::chrono::duration<double>(stop - start).count();
        state.SetIterationTime(seconds);
        wall.push_back(seconds);
        cpu.push_back(cpuStop - cpuStart);
    }
    state.counters["median_ms"] = median(wall) * 1e3;
    state.counters["worst_ms"] = *std::max_element(wall.begin(), wall.end()) * 1e3;
    state.counters["median_cpu_ms"] = median(cpu) * 1e3;
    state.counters["worst_cpu_ms"] = *std::max_element(cpu.begin(), cpu.end()) * 1e3;
    // A checksum of the cells chosen, one per position.
    std::uint64_t firstRound = 0;
    for (const Probe& p : all) {
        OrderDraws random(p);
        const Cell cell = decideMove(p.board, p.style, random);
        firstRound = firstRound * 31 + static_cast<std::uint64_t>(cell.col * 100 + cell.row);
    }
    state.counters["choices"] = static_cast<double>(firstRound % 1000000007ull);
}

void levelsSizesPhases(benchmark::internal::Benchmark* b) {
    b->ArgNames({"level", "size", "phase"});
    for (int level = 1; level <= 3; ++level)
        for (int n : {15, 20, 30})
            for (int phase = 0; phase <= 2; ++phase)
                b->Args({level, n, phase});
}

}  // namespace

BENCHMARK(computerChoice)
    ->Apply(levelsSizesPhases)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.3);

BENCHMARK_MAIN();
