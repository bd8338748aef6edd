// The tactical suite of the strong engine: positions where one side wins by
// continuous fours ("fours"), wins by threes and fours ("threes"), or must
// stop the opponent's forced win ("defence"), on 15, 20 and 30 boards.
//
//   zelvan-strong-tactics [--level 4|5] [SUITE]
//       plays each position at the level's time budget and reports whether
//       the move is one of the position's answers, with the time it took.
//   zelvan-strong-tactics --harvest PER_KIND --size S [--seed N] [--only KIND]
//       plays quick games of the engine against itself and prints suite
//       lines for the positions it meets, answers proved by a deep solver.
//
// A suite line: KIND SIZE MOVER x=C,R ... o=C,R ... answer=C,R ...
// (x: the side that moved first, o: the other; '#' starts a comment). The
// answers are every move that keeps the win ("fours": the fours after which
// the fours still win; "threes": the threats after which threes and fours
// still win) or every move after which the opponent has neither win
// ("defence"), each proved with far deeper limits than a think uses.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/strong_games.h"
#include "core/ai/strong/budget.h"
#include "core/ai/strong/engine.h"
#include "core/ai/strong/position.h"
#include "core/ai/strong/threats.h"

using namespace zelvan::strong;
using zelvan::strong::bench::splitMix;

namespace {

// How deep the answers are proved.
constexpr int kProofFours = 40;
constexpr int kProofThreatMoves = 10;
constexpr int kProofThreatFours = 16;
constexpr std::uint64_t kProofNodes = 600'000;  // per question; beyond it a position is skipped

struct Entry {
    std::string kind;
    int size = 15;
    int mover = 0;  // 0: x, 1: o
    std::vector<std::pair<int, int>> stones[2];
    std::vector<std::pair<int, int>> answers;
};

std::string cellText(int col, int row) {
    return std::to_string(col) + "," + std::to_string(row);
}

std::string format(const Entry& e) {
    std::string line = e.kind + " " + std::to_string(e.size) + " " + (e.mover == 0 ? "x" : "o");
    const char* keys[] = {" x=", " o="};
    for (int side = 0; side < 2; ++side) {
        line += keys[side];
        for (std::size_t i = 0; i < e.stones[side].size(); ++i)
            line += (i ? " " : "") + cellText(e.stones[side][i].first, e.stones[side][i].second);
    }
    line += " answer=";
    for (std::size_t i = 0; i < e.answers.size(); ++i)
        line += (i ? " " : "") + cellText(e.answers[i].first, e.answers[i].second);
    return line;
}

bool parse(const std::string& line, Entry& e) {
    std::istringstream in(line);
    std::string mover;
    if (!(in >> e.kind >> e.size >> mover) || (mover != "x" && mover != "o")) return false;
    e.mover = mover == "x" ? 0 : 1;
    std::vector<std::pair<int, int>>* list = nullptr;
    std::string token;
    while (in >> token) {
        const auto eq = token.find('=');
        if (eq != std::string::npos) {
            const std::string key = token.substr(0, eq);
            list = key == "x" ? &e.stones[0] : key == "o" ? &e.stones[1] : &e.answers;
            token = token.substr(eq + 1);
            if (token.empty()) continue;
        }
        int col = 0, row = 0;
        if (list == nullptr || std::sscanf(token.c_str(), "%d,%d", &col, &row) != 2) return false;
        list->push_back({col, row});
    }
    return !e.answers.empty();
}

double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

int runSuite(const char* path, int level) {
    std::ifstream file(path);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return 2;
    }
    struct Tally {
        int solved = 0, total = 0;
    };
    std::map<std::string, Tally> tally;
    std::vector<double> wall;
    double worstCpu = 0;
    int solved = 0, total = 0;
    std::string line;
    Engine engine;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        Entry e;
        if (!parse(line, e)) {
            std::fprintf(stderr, "bad line: %s\n", line.c_str());
            return 2;
        }
        engine.newGame(e.size);
        for (int side = 0; side < 2; ++side)
            for (auto [col, row] : e.stones[side])
                engine.place({col, row}, side == 0 ? Stone::First : Stone::Second);
        const double cpuStart = cpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        const Point move =
            engine.think(e.mover == 0 ? Stone::First : Stone::Second, limitsFor(level));
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        const double cpuMs = (cpuSeconds() - cpuStart) * 1e3;
        const bool ok = std::find(e.answers.begin(), e.answers.end(),
                                  std::pair{move.col, move.row}) != e.answers.end();
        wall.push_back(ms);
        worstCpu = std::max(worstCpu, cpuMs);
        solved += ok;
        ++total;
        Tally& t = tally[e.kind + " " + std::to_string(e.size)];
        t.solved += ok;
        ++t.total;
        std::printf("%-3d %-8s %2d  played %s  %s  %7.1f ms (cpu %7.1f)  depth %d\n", total,
                    e.kind.c_str(), e.size, cellText(move.col, move.row).c_str(),
                    ok ? "solved" : "MISSED", ms, cpuMs, engine.lastStats().depth);
        std::fflush(stdout);
    }
    if (total == 0) return 2;
    std::sort(wall.begin(), wall.end());
    std::printf("\nlevel %d: %d of %d solved; wall ms median %.1f, worst %.1f; worst cpu %.1f\n",
                level, solved, total, wall[wall.size() / 2], wall.back(), worstCpu);
    for (const auto& [key, t] : tally)
        std::printf("  %-12s %d/%d\n", key.c_str(), t.solved, t.total);
    return solved == total ? 0 : 1;
}

// ---- harvesting ----

class Prover {
public:
    Prover() : solver_(pos_, budget_, 1 << 20) {}
    Position& position() { return pos_; }

    // 1: proved win, 0: none within the limits, -1: undecided (out of nodes).
    int foursWin(int attacker) {
        return answer([&] { return solver_.winByFours(attacker, kProofFours) >= 0; });
    }
    int threatsWin(int attacker) {
        return answer([&] {
            return solver_.winByThreats(attacker, kProofThreatMoves, kProofThreatFours) >= 0;
        });
    }
    int winsWith(int attacker, int move, bool threesToo) {
        return answer([&] {
            return solver_.winsWith(attacker, move, threesToo, kProofThreatMoves,
                                    threesToo ? kProofThreatFours : kProofFours);
        });
    }
    void reset(int size) {
        pos_.reset(size);
        solver_.clear();
    }

private:
    template <typename Question> int answer(Question question) {
        budget_.start(Budget::Clock::now() + std::chrono::hours(1), kProofNodes, nullptr);
        const bool yes = question();
        if (budget_.stopped()) return -1;
        return yes ? 1 : 0;
    }
    Position pos_;
    Budget budget_;
    ThreatSolver solver_;
};

// The suite entry for the position in `prover` with `mover` to move, if it
// is one: kind is filled when the position qualifies.
Entry classify(Prover& prover, int mover, int size) {
    Position& pos = prover.position();
    Entry e;
    e.size = size;
    e.mover = mover;
    const int opp = 1 - mover;
    if (pos.threatCount(mover, kMakesFive) + pos.threatCount(opp, kMakesFive) +
            pos.threatCount(mover, kFlexFour) >
        0)
        return e;
    std::vector<int> cells(pos.candidates());
    std::sort(cells.begin(), cells.end());
    auto collect = [&](auto keeps) {
        std::vector<std::pair<int, int>> answers;
        for (int cell : cells) {
            const int verdict = keeps(cell);
            if (verdict < 0) return std::vector<std::pair<int, int>>{};
            if (verdict == 1) answers.push_back({Position::colOf(cell), Position::rowOf(cell)});
        }
        return answers;
    };
    const int fours = prover.foursWin(mover);
    if (fours < 0) return e;
    if (fours == 1) {
        if (pos.threatCount(mover, kFourThree) > 0) return e;  // one move and done: too easy
        e.answers = collect([&](int cell) {
            return pos.threat(cell, mover) >= kFour ? prover.winsWith(mover, cell, false) : 0;
        });
        if (!e.answers.empty()) e.kind = "fours";
        return e;
    }
    const int threes = prover.threatsWin(mover);
    if (threes < 0) return e;
    if (threes == 1) {
        if (pos.threatCount(mover, kDoubleThree) > 0) return e;
        e.answers = collect([&](int cell) {
            return pos.threat(cell, mover) >= kThree ? prover.winsWith(mover, cell, true) : 0;
        });
        if (!e.answers.empty()) e.kind = "threes";
        return e;
    }
    // An open three on the board is answered by the search's own rule; a
    // defence worth testing sees the threat coming before it shows.
    if (pos.threatCount(opp, kFlexFour) > 0) return e;
    const int oppFours = prover.foursWin(opp);
    const int oppThrees = oppFours == 1 ? 1 : prover.threatsWin(opp);
    if (oppFours < 0 || oppThrees != 1) return e;
    e.answers = collect([&](int cell) {
        pos.place(cell, mover);
        int verdict = prover.foursWin(opp);
        if (verdict == 0) verdict = prover.threatsWin(opp);
        pos.remove(cell);
        return verdict < 0 ? -1 : verdict == 0 ? 1 : 0;
    });
    // A real test: most moves lose.
    if (!e.answers.empty() && e.answers.size() * 3 <= cells.size()) e.kind = "defence";
    return e;
}

int harvest(int perKind, int size, std::uint64_t seed, const std::string& only) {
    std::map<std::string, int> found;
    for (const char* kind : {"fours", "threes", "defence"})
        if (!only.empty() && only != kind) found[kind] = perKind;
    Prover prover;
    for (int game = 0; game < 400; ++game) {
        if (found["fours"] >= perKind && found["threes"] >= perKind && found["defence"] >= perKind)
            break;
        Engine engine(16u << 20);
        engine.newGame(size);
        engine.setSeed(seed + game);
        prover.reset(size);
        // The opening somewhere on the board, near an edge now and then.
        const int centreCol = 4 + static_cast<int>(splitMix(seed) % (size - 6));
        const int centreRow = 4 + static_cast<int>(splitMix(seed) % (size - 6));
        std::vector<std::pair<int, int>> stones[2];
        int mover = 0;
        std::map<std::string, bool> takenThisGame;
        for (int ply = 0; ply < size * size; ++ply) {
            Point p;
            if (ply < 3) {
                p = {std::clamp(centreCol - 2 + static_cast<int>(splitMix(seed) % 5), 1, size),
                     std::clamp(centreRow - 2 + static_cast<int>(splitMix(seed) % 5), 1, size)};
                if (engine.at(p) != Stone::None) {
                    --ply;
                    continue;
                }
            } else {
                Entry e = classify(prover, mover, size);
                if (!e.kind.empty() && found[e.kind] < perKind && !takenThisGame[e.kind]) {
                    e.stones[0] = stones[0];
                    e.stones[1] = stones[1];
                    std::printf("%s\n", format(e).c_str());
                    std::fflush(stdout);
                    ++found[e.kind];
                    takenThisGame[e.kind] = true;
                }
                ThinkLimits quick = limitsFor(kStrongLevel);
                quick.budget = std::chrono::hours(1);
                quick.maxNodes = 20000;
                p = engine.think(mover == 0 ? Stone::First : Stone::Second, quick);
            }
            if (!p.valid()) break;
            const bool five =
                prover.position().threat(Position::index(p.col, p.row), mover) == kMakesFive;
            engine.place(p, mover == 0 ? Stone::First : Stone::Second);
            prover.position().place(Position::index(p.col, p.row), mover);
            stones[mover].push_back({p.col, p.row});
            if (five) break;
            mover = 1 - mover;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int level = kMasterLevel, perKind = 0, size = 15;
    std::uint64_t seed = 1;
    const char* suite = ZELVAN_TACTICS_SUITE;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        auto value = [&] { return i + 1 < argc ? std::atol(argv[++i]) : 0L; };
        if (!std::strcmp(argv[i], "--level"))
            level = static_cast<int>(value());
        else if (!std::strcmp(argv[i], "--harvest"))
            perKind = static_cast<int>(value());
        else if (!std::strcmp(argv[i], "--size"))
            size = static_cast<int>(value());
        else if (!std::strcmp(argv[i], "--seed"))
            seed = static_cast<std::uint64_t>(value());
        else if (!std::strcmp(argv[i], "--only") && i + 1 < argc)
            only = argv[++i];
        else
            suite = argv[i];
    }
    if (perKind > 0) return harvest(perKind, std::clamp(size, 7, 32), seed, only);
    return runSuite(suite, level == kStrongLevel ? kStrongLevel : kMasterLevel);
}
