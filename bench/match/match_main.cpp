// zelvan-match: plays two brain programs against each other over the
// tournament protocol, pairs of games from the same random opening with
// each program once as Black, and reports every game and the totals.

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bench/match/engineprocess.h"
#include "bench/match/game.h"
#include "bench/match/opening.h"
#include "bench/match/psq.h"

namespace {

using namespace zelvan::match;
using std::chrono::milliseconds;

constexpr std::string_view kHelp =
    R"(Usage: zelvan-match [options] PROGRAM_A PROGRAM_B

Plays two brain programs (each a command line run by /bin/sh, e.g.
"build/pbrain-zelvan --level 4") against each other over the tournament
protocol of Gomoku engines: pairs of games, each pair from the same random
opening of 2 to 4 stones near the centre (given with BOARD), each program
once as Black. Five or more in a row wins, a full board draws; an illegal
move, a crash, a garbled answer or a move later than the time limit loses.

Options:
  --size N           board size, 5 to 32 (default 15)
  --pairs N          pairs of games (default 10)
  --seed S           seed of the openings (default: from the clock; printed)
  --timeout-turn MS  time for one move, sent as INFO timeout_turn (default 1000)
  --tolerance MS     how much later an answer still counts (default 100)
  --timeout-match MS time for all of a program's moves in a game, sent as
                     INFO timeout_match and time_left (default 0: none)
  --max-memory B     sent as INFO max_memory in bytes (default 0: none)
  --info KEY=VALUE   one more INFO line to send (repeatable)
  --psq DIR          write every game to DIR/game-NNN.psq
  --help             show this help and exit
)";

int mistake(const std::string& what) {
    std::cerr << "zelvan-match: " << what << " (see zelvan-match --help)\n";
    return 2;
}

bool number(std::string_view text, std::uint64_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

// What one program did over the whole match.
struct Tally {
    int wins = 0, losses = 0, draws = 0;
    int winsBy[kEndingCount] = {};
    int lossesBy[kEndingCount] = {};
    int moves = 0;
    std::chrono::microseconds thinking{0};
    std::chrono::microseconds longest{0};
};

// Milliseconds with one decimal.
std::string ms(std::chrono::microseconds t) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(t.count()) / 1000.0);
    return text;
}

std::string byEnding(const int (&counts)[kEndingCount]) {
    std::string out;
    for (int e = 0; e < kEndingCount; ++e)
        if (counts[e] > 0)
            out += (out.empty() ? "" : ", ") + std::string(endingName(static_cast<Ending>(e))) +
                   " " + std::to_string(counts[e]);
    return out.empty() ? "" : " (" + out + ")";
}

std::string openingText(const std::vector<Move>& opening) {
    std::string out;
    for (const Move& m : opening)
        out += (out.empty() ? "" : " ") + std::to_string(m.x) + "," + std::to_string(m.y);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    GameRules rules;
    std::uint64_t pairs = 10;
    std::uint64_t seed =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::string psqFolder;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kHelp;
            return 0;
        }
        if (!arg.starts_with("--")) {
            programs.emplace_back(arg);
            continue;
        }
        if (i + 1 >= argc) return mistake(std::string(arg) + " wants a value");
        const std::string_view value = argv[++i];
        std::uint64_t n = 0;
        const bool isNumber = number(value, n);
        if (arg == "--psq") {
            psqFolder = value;
        } else if (arg == "--info") {
            const std::size_t eq = value.find('=');
            if (eq == std::string_view::npos || eq == 0)
                return mistake("--info wants KEY=VALUE, not '" + std::string(value) + "'");
            rules.extraInfo.emplace_back(value.substr(0, eq), value.substr(eq + 1));
        } else if (!isNumber) {
            return mistake(std::string(arg) + " wants a number, not '" + std::string(value) + "'");
        } else if (arg == "--size" && n >= 5 && n <= 32) {
            rules.boardSize = static_cast<int>(n);
        } else if (arg == "--pairs" && n >= 1 && n <= 100000) {
            pairs = n;
        } else if (arg == "--seed") {
            seed = n;
        } else if (arg == "--timeout-turn" && n >= 1 && n <= 86400000) {
            rules.turnLimit = milliseconds(n);
        } else if (arg == "--tolerance" && n <= 86400000) {
            rules.tolerance = milliseconds(n);
        } else if (arg == "--timeout-match" && n <= 86400000) {
            rules.matchLimit = milliseconds(n);
        } else if (arg == "--max-memory") {
            rules.memoryLimit = n;
        } else {
            return mistake("unknown option or value out of range: " + std::string(arg) + " " +
                           std::string(value));
        }
    }
    if (programs.size() != 2) return mistake("give two program command lines");
    if (!psqFolder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(psqFolder, error);
        if (error) return mistake("cannot make " + psqFolder + ": " + error.message());
    }

    EngineProcess::installSignalHandlers();
    const char* names[2] = {"A", "B"};
    std::cout << "A = " << programs[0] << "\nB = " << programs[1] << "\nboard " << rules.boardSize
              << ", " << pairs << " pairs, seed " << seed << ", " << rules.turnLimit.count()
              << " ms a move (+" << rules.tolerance.count() << ")\n";
    Tally tally[2];
    int game = 0;
    std::mt19937_64 openings(seed);
    for (std::uint64_t pair = 1; pair <= pairs; ++pair) {
        const std::vector<Move> opening = randomOpening(rules.boardSize, openings());
        for (int blackIs : {0, 1}) {
            ++game;
            const std::array<std::string, 2> commands = {programs[blackIs], programs[1 - blackIs]};
            const GameResult r = playGame(commands, opening, rules);
            // Black is commands[0]: map the game's sides back to A and B.
            const int program[2] = {blackIs, 1 - blackIs};
            for (std::size_t k = opening.size(); k < r.moves.size(); ++k) {
                Tally& t = tally[program[(k % 2 == 0) ? 0 : 1]];
                ++t.moves;
                t.thinking += r.moves[k].took;
                t.longest = std::max(t.longest, r.moves[k].took);
            }
            std::cout << "game " << game << ": " << names[program[0]] << " black, "
                      << names[program[1]] << " white, opening " << openingText(opening) << ": ";
            if (r.winner < 0) {
                std::cout << "draw (" << endingName(r.ending) << ")";
                ++tally[0].draws;
                ++tally[1].draws;
            } else {
                Tally& winner = tally[program[r.winner]];
                Tally& loser = tally[program[1 - r.winner]];
                ++winner.wins;
                ++winner.winsBy[static_cast<int>(r.ending)];
                ++loser.losses;
                ++loser.lossesBy[static_cast<int>(r.ending)];
                std::cout << names[program[r.winner]] << " wins";
                if (r.ending == Ending::Five)
                    std::cout << " by five";
                else
                    std::cout << ", " << names[program[1 - r.winner]] << " lost by "
                              << endingName(r.ending) << " (" << r.detail << ")";
            }
            const std::size_t played =
                r.moves.size() > opening.size() ? r.moves.size() - opening.size() : 0;
            std::cout << " after " << played << " moves" << std::endl;
            if (!psqFolder.empty()) {
                char file[32];
                std::snprintf(file, sizeof file, "game-%03d.psq", game);
                std::ofstream(std::filesystem::path(psqFolder) / file)
                    << psqRecord(rules.boardSize, r, commands);
            }
        }
    }

    std::cout << "totals over " << game << " games:\n";
    for (int p = 0; p < 2; ++p) {
        const Tally& t = tally[p];
        const double points = t.wins + 0.5 * t.draws;
        std::cout << names[p] << ": " << t.wins << " wins" << byEnding(t.winsBy) << ", " << t.losses
                  << " losses" << byEnding(t.lossesBy) << ", " << t.draws << " draws; "
                  << 100.0 * points / game << "% of the points; " << t.moves << " moves, mean "
                  << ms(t.moves ? t.thinking / t.moves : t.thinking) << " ms, longest "
                  << ms(t.longest) << " ms\n";
    }
    return 0;
}
