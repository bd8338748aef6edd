// zelvan-greedy: the one-ply greedy player as a brain program, the baseline
// the match runner measures the computer players against.

#include <charconv>
#include <chrono>
#include <iostream>
#include <random>
#include <string_view>

#include "bench/match/greedyplayer.h"
#include "core/gomocup/brainloop.h"
#include "core/gomocup/seededrandom.h"

int main(int argc, char** argv) {
    std::uint64_t seed = std::random_device{}();
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const std::string_view value = i + 1 < argc ? argv[i + 1] : "";
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seed);
        if (arg == "--seed" && !value.empty() && error == std::errc() &&
            end == value.data() + value.size()) {
            ++i;
            continue;
        }
        std::cerr << "Usage: zelvan-greedy [--seed S]\n"
                     "A one-ply greedy Gomoku player on the tournament protocol; equal cells are\n"
                     "drawn at random from seed S (default: a new one every run).\n";
        return arg == "--help" ? 0 : 2;
    }
    zelvan::gomocup::SeededRandom random(seed);
    zelvan::match::GreedyPlayer player(random);
    zelvan::gomocup::BrainSession session(player, "name=\"zelvan-greedy\", version=\"1\", "
                                                  "author=\"The Zelvan developers\"");
    std::ios::sync_with_stdio(false);
    zelvan::gomocup::runBrain(session, std::cin, std::cout);
    return 0;
}
