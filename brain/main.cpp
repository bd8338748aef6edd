// pbrain-zelvan: the game's computer players as a program that speaks the
// tournament protocol of Gomoku engines on its standard input and output,
// so tournament managers and the benchmarks' match runner can play it.

#include <charconv>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "core/gomocup/brainloop.h"
#include "core/gomocup/classicplayer.h"
#include "core/gomocup/fields.h"
#include "core/gomocup/seededrandom.h"
#include "core/gomocup/strongplayer.h"

namespace {

using namespace zelvan::gomocup;

constexpr std::string_view kHelp =
    R"(Usage: pbrain-zelvan [--level N] [--seed S]

Zelvan's computer player as a Gomoku engine: it speaks the tournament
protocol of Gomoku engines (START, BEGIN, TURN, BOARD, TAKEBACK, INFO,
ABOUT, END, ...) on standard input and output. Freestyle: five or more in a
row wins; a rule other than freestyle draws an ERROR line and play goes on
freestyle.

Options:
  --level N   1 easy, 2 medium, 3 hard (the game's three levels, move for
              move), 4 strong (300 ms a move), 5 master (1 s a move, the
              default). Levels 4 and 5 think less when the manager's
              timeout_turn or time_left asks for it.
  --seed S    draw every random choice from seed S (0 to 2^64-1), so the
              same games repeat; without it every run differs
  --help      show this help and exit
  --version   show the version and exit
)";

int mistake(const std::string& what) {
    std::cerr << "pbrain-zelvan: " << what << " (see pbrain-zelvan --help)\n";
    return 2;
}

// The option's value: the next argument, or none at the end.
const char* valueOf(int& i, int argc, char** argv) {
    return i + 1 < argc ? argv[++i] : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    int level = 5;
    std::uint64_t seed =
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kHelp;
            return 0;
        }
        if (arg == "--version" || arg == "-v") {
            std::cout << "pbrain-zelvan " << ZELVAN_VERSION << "\n";
            return 0;
        }
        if (arg == "--level") {
            const char* text = valueOf(i, argc, argv);
            const auto n = text ? decimal(text) : std::nullopt;
            if (!n || *n < 1 || *n > 5)
                return mistake("--level wants 1, 2, 3, 4 or 5, not '" + quoted(text ? text : "") +
                               "'");
            level = static_cast<int>(*n);
        } else if (arg == "--seed") {
            const char* text = valueOf(i, argc, argv);
            const std::string_view digits = text ? text : "";
            std::uint64_t value = 0;
            const auto [end, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), value);
            if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
                return mistake("--seed wants a number from 0 to 2^64-1, not '" + quoted(digits) +
                               "'");
            seed = value;
        } else {
            return mistake("unknown option '" + quoted(arg) + "'");
        }
    }

    SeededRandom random(seed);
    std::unique_ptr<BrainPlayer> player;
    if (level <= 3)
        player = std::make_unique<ClassicPlayer>(level, random);
    else
        player = std::make_unique<StrongPlayer>(level, seed);
    BrainSession session(*player, std::string("name=\"pbrain-zelvan\", version=\"") +
                                      ZELVAN_VERSION +
                                      "\", author=\"The Zelvan developers\", "
                                      "country=\"International\"");
    std::ios::sync_with_stdio(false);
    runBrain(session, std::cin, std::cout);
    return 0;
}
