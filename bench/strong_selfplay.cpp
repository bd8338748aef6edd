// Games between two configurations of the strong engine, in one process:
// pairs of games from the same random short opening, each side once first.
// A configuration is a level with an optional node limit (deterministic,
// the same on a busy machine) or time budget:
//
//   zelvan-strong-selfplay [--games N] [--size 15|20|30] [--seed S] [--opening K] A B
//
// where A and B read LEVEL, LEVEL/nNODES or LEVEL/tMILLISECONDS, e.g. 5 4,
// 5/n400000 4/n120000. Five or more in a row wins; a full board is a draw.
// Prints one line per game and the score of A.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/strong_games.h"
#include "core/ai/strong/engine.h"

using namespace zelvan::strong;
using zelvan::strong::bench::makesFive;
using zelvan::strong::bench::splitMix;

namespace {

struct Player {
    std::string name;
    ThinkLimits limits;
    double totalMs = 0;
    double worstMs = 0;
    long moves = 0;
    long depthSum = 0;
};

bool parsePlayer(const char* text, Player& p) {
    p.name = text;
    char* end = nullptr;
    const long level = std::strtol(text, &end, 10);
    if (level != 4 && level != 5) return false;
    p.limits = limitsFor(static_cast<int>(level));
    if (*end == '\0') return true;
    if (*end != '/') return false;
    const char kind = end[1];
    const long value = std::strtol(end + 2, &end, 10);
    if (*end != '\0' || value <= 0) return false;
    if (kind == 'n') {
        p.limits.maxNodes = static_cast<std::uint64_t>(value);
        p.limits.budget = std::chrono::hours(1);
    } else if (kind == 't') {
        p.limits.budget = std::chrono::milliseconds(value);
    } else {
        return false;
    }
    return true;
}

// `count` stones in alternating colours within three cells of the centre.
std::vector<Point> randomOpening(int size, int count, std::uint64_t seed) {
    std::vector<Point> stones;
    const int mid = (size + 1) / 2;
    while (static_cast<int>(stones.size()) < count) {
        const Point p{mid - 3 + static_cast<int>(splitMix(seed) % 7),
                      mid - 3 + static_cast<int>(splitMix(seed) % 7)};
        if (std::find(stones.begin(), stones.end(), p) == stones.end()) stones.push_back(p);
    }
    return stones;
}

// 1: `first` wins, -1: `second` wins, 0: draw. `first` plays Stone::First.
int playGame(Player& first, Player& second, int size, const std::vector<Point>& opening,
             std::uint64_t seed, std::string& record) {
    Engine a, b;
    for (Engine* e : {&a, &b}) {
        e->newGame(size);
        e->setSeed(seed++);
    }
    Stone side = Stone::First;
    for (Point p : opening) {
        a.place(p, side);
        b.place(p, side);
        side = opponentOf(side);
    }
    for (int placed = static_cast<int>(opening.size()); placed < size * size; ++placed) {
        Player& mover = side == Stone::First ? first : second;
        Engine& engine = side == Stone::First ? a : b;
        const auto start = std::chrono::steady_clock::now();
        const Point p = engine.think(side, mover.limits);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        mover.totalMs += ms;
        mover.worstMs = std::max(mover.worstMs, ms);
        ++mover.moves;
        mover.depthSum += engine.lastStats().depth;
        record += " " + std::to_string(p.col) + "," + std::to_string(p.row);
        if (!a.place(p, side) || !b.place(p, side)) return side == Stone::First ? -1 : 1;
        if (makesFive(a, p)) return side == Stone::First ? 1 : -1;
        side = opponentOf(side);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int games = 20, size = 15, openingStones = 3;
    std::uint64_t seed = 1;
    std::vector<Player> players;
    for (int i = 1; i < argc; ++i) {
        auto value = [&] { return i + 1 < argc ? std::atol(argv[++i]) : 0L; };
        if (!std::strcmp(argv[i], "--games"))
            games = static_cast<int>(value());
        else if (!std::strcmp(argv[i], "--size"))
            size = static_cast<int>(value());
        else if (!std::strcmp(argv[i], "--seed"))
            seed = static_cast<std::uint64_t>(value());
        else if (!std::strcmp(argv[i], "--opening"))
            openingStones = static_cast<int>(value());
        else if (Player p; parsePlayer(argv[i], p))
            players.push_back(p);
        else {
            std::fprintf(stderr, "unknown argument: %s\n", argv[i]);
            return 2;
        }
    }
    if (players.size() != 2 || games < 1 || size < 5 || size > 32) {
        std::fprintf(stderr, "usage: %s [--games N] [--size S] [--seed S] [--opening K] A B\n",
                     argv[0]);
        return 2;
    }
    Player& pa = players[0];
    Player& pb = players[1];
    int winsA = 0, winsB = 0, draws = 0;
    for (int g = 0; g < games; ++g) {
        const std::uint64_t pairSeed = seed * 1000003 + static_cast<std::uint64_t>(g / 2);
        const auto opening = randomOpening(size, openingStones, pairSeed);
        const bool aFirst = g % 2 == 0;
        std::string record;
        const int result = aFirst ? playGame(pa, pb, size, opening, pairSeed, record)
                                  : -playGame(pb, pa, size, opening, pairSeed, record);
        const char* outcome = result > 0 ? "A wins" : result < 0 ? "B wins" : "draw";
        winsA += result > 0;
        winsB += result < 0;
        draws += result == 0;
        std::string open;
        for (Point p : opening)
            open += " " + std::to_string(p.col) + "," + std::to_string(p.row);
        std::printf("game %d (A %s): %s; opening%s; moves%s\n", g + 1, aFirst ? "first" : "second",
                    outcome, open.c_str(), record.c_str());
        std::fflush(stdout);
    }
    std::printf("A %s vs B %s on %dx%d: A %d, B %d, draws %d; A scores %.1f%%\n", pa.name.c_str(),
                pb.name.c_str(), size, size, winsA, winsB, draws,
                100.0 * (winsA + 0.5 * draws) / games);
    for (const Player* p : {&pa, &pb}) {
        std::printf("  %s: %ld moves, mean %.1f ms, worst %.1f ms, mean depth %.1f\n",
                    p->name.c_str(), p->moves, p->moves ? p->totalMs / p->moves : 0.0, p->worstMs,
                    p->moves ? static_cast<double>(p->depthSum) / p->moves : 0.0);
    }
}
