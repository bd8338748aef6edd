// The strong engine's time per move, by level, board size and stage of the
// game: each level plays games against itself at its own budget from short
// random openings, and every think is timed. Stages by the stones on the
// board: the opening (under 10), the middle game (10 to 39), the late game
// (40 and more). The table gives the median and worst wall-clock
// milliseconds (what the player waits), the same by the thread's CPU clock
// (which a busy machine does not inflate), the nodes searched per CPU
// second and the mean depth completed.
//
//   zelvan-bench-strong [--games N] [--level 4|5] [--size 15|20|30]

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "bench/strong_games.h"
#include "core/ai/strong/engine.h"

using namespace zelvan::strong;
using zelvan::strong::bench::makesFive;
using zelvan::strong::bench::splitMix;

namespace {

double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

struct Samples {
    std::vector<double> wall, cpu;
    double nodes = 0, depth = 0;
    void print(int level, int size, const char* stage) const {
        if (wall.empty()) return;
        auto sorted = [](std::vector<double> v) {
            std::sort(v.begin(), v.end());
            return v;
        };
        const auto w = sorted(wall), c = sorted(cpu);
        double cpuTotal = 0;
        for (double x : c)
            cpuTotal += x;
        std::printf("%-6d %-5d %-8s %6zu %10.1f %10.1f %10.1f %10.1f %9.0f %6.1f\n", level, size,
                    stage, w.size(), w[w.size() / 2], w.back(), c[c.size() / 2], c.back(),
                    nodes / std::max(cpuTotal, 1e-3), depth / static_cast<double>(w.size()));
    }
};

}  // namespace

int main(int argc, char** argv) {
    int games = 4, onlyLevel = 0, onlySize = 0;
    for (int i = 1; i + 1 < argc; ++i) {
        if (!std::strcmp(argv[i], "--games"))
            games = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--level"))
            onlyLevel = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--size"))
            onlySize = std::atoi(argv[++i]);
    }
    std::printf("%-6s %-5s %-8s %6s %10s %10s %10s %10s %9s %6s\n", "level", "size", "stage",
                "moves", "median ms", "worst ms", "med cpu", "worst cpu", "knodes/s", "depth");
    for (int level : {kStrongLevel, kMasterLevel}) {
        if (onlyLevel != 0 && level != onlyLevel) continue;
        for (int size : {15, 20, 30}) {
            if (onlySize != 0 && size != onlySize) continue;
            std::array<Samples, 3> stages;
            Engine engine;
            for (int g = 0; g < games; ++g) {
                std::uint64_t seed = 1000 * size + g;
                engine.newGame(size);
                engine.setSeed(seed);
                const int mid = (size + 1) / 2;
                Stone side = Stone::First;
                for (int placed = 0; placed < size * size; ++placed) {
                    Point p;
                    if (placed < 3) {
                        p = {mid - 2 + static_cast<int>(splitMix(seed) % 5),
                             mid - 2 + static_cast<int>(splitMix(seed) % 5)};
                        if (engine.at(p) != Stone::None) {
                            --placed;
                            continue;
                        }
                    } else {
                        const double cpuStart = cpuSeconds();
                        const auto start = std::chrono::steady_clock::now();
                        p = engine.think(side, limitsFor(level));
                        Samples& s = stages[placed < 10 ? 0 : placed < 40 ? 1 : 2];
                        s.wall.push_back(std::chrono::duration<double, std::milli>(
                                             std::chrono::steady_clock::now() - start)
                                             .count());
                        s.cpu.push_back((cpuSeconds() - cpuStart) * 1e3);
                        s.nodes += static_cast<double>(engine.lastStats().nodes);
                        s.depth += engine.lastStats().depth;
                    }
                    if (!engine.place(p, side) || makesFive(engine, p)) break;
                    side = opponentOf(side);
                }
            }
            const char* names[] = {"opening", "middle", "late"};
            for (int k = 0; k < 3; ++k)
                stages[k].print(level, size, names[k]);
            std::fflush(stdout);
        }
    }
}
