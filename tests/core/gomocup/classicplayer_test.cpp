// Levels 1 to 3 of the brain program are the game's computer: whole games
// played through the game (Play, Blue's clicks, the computer's replies) and
// through the brain's protocol, with the same random numbers, give the same
// moves.

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>

#include "core/ai/searches.h"
#include "core/engine/board.h"
#include "core/engine/rules.h"
#include "core/gomocup/classicplayer.h"
#include "core/gomocup/session.h"
#include "support/fakehost.h"
#include "support/listrandom.h"

using namespace zelvan;
using zelvan::gomocup::BrainSession;
using zelvan::gomocup::ClassicPlayer;
using zelvan::test::ListRandom;

namespace {

// The game at this machine against the computer, driven as a player does.
struct GameAtTheWindow {
    Game g;
    test::FakeHost host{&g};

    GameAtTheWindow(int sizeCode, int level, bool blueOpens,
                    const std::deque<std::uint32_t>& randoms) {
        g.sizeCode = static_cast<std::uint8_t>(sizeCode);
        g.blueOpens = blueOpens ? 0 : 1;  // a new board flips it
        g.computerLevel = static_cast<std::uint8_t>(level);
        g.redIsHuman = 0;
        host.randoms = randoms;
        playButton(g, host);
    }
    void click(int col, int row) {
        auto centre = [&](int c) { return cellOrigin(c, g.cellPitch) + g.cellPitch / 2; };
        boardClick(g, host, MouseButton::Left, centre(col), centre(row));
    }
    // The computer's last piece as the protocol writes it.
    std::string lastRed() const {
        const PlayedMove& m = g.moves.back();
        EXPECT_EQ(m.source, PieceSource::Computer);
        return std::to_string(m.col - 1) + "," + std::to_string(m.row - 1);
    }
};

// Blue's moves: an empty cell at most two from some piece, drawn at random.
Cell blueChoice(const Game& g, std::mt19937& pick) {
    std::vector<Cell> near;
    for (int c = 1; c <= g.boardSize; ++c)
        for (int r = 1; r <= g.boardSize; ++r) {
            if (g.cell(c, r) != kNone) continue;
            bool close = g.moves.empty() && c == g.boardSize / 2 && r == c;
            for (const PlayedMove& m : g.moves)
                close = close || (std::abs(m.col - c) <= 2 && std::abs(m.row - r) <= 2);
            if (close) near.push_back({c, r});
        }
    return near[pick() % near.size()];
}

}  // namespace

TEST(ClassicPlayer, PlaysMoveForMoveAsTheGamesComputer) {
    int compared = 0;
    for (int sizeCode : {1, 2, 3})
        for (int level : {1, 2, 3})
            for (std::uint32_t seed = 1; seed <= 8; ++seed) {
                const bool blueOpens = seed % 2 == 0;
                std::mt19937 numbers(seed);
                std::deque<std::uint32_t> randoms;
                for (int k = 0; k < 4000; ++k)
                    randoms.push_back(numbers() % 6);
                GameAtTheWindow game(sizeCode, level, blueOpens, randoms);
                const int n = game.g.boardSize;
                ASSERT_TRUE(game.g.gameRunning);

                ListRandom brainRandom;  // the same numbers the fake host gives the game
                brainRandom.values = randoms;
                ClassicPlayer player(level, brainRandom);
                BrainSession brain(player, "");
                ASSERT_EQ(brain.handle("START " + std::to_string(n)),
                          std::vector<std::string>{"OK"});
                if (!blueOpens) {
                    ASSERT_EQ(brain.handle("BEGIN"), std::vector<std::string>{game.lastRed()});
                    ++compared;
                }
                std::mt19937 pick(seed);
                while (game.g.gameRunning && game.g.moves.size() < 80) {
                    const Cell blue = blueChoice(game.g, pick);
                    game.click(blue.col, blue.row);
                    if (!game.g.gameRunning && game.g.moves.back().source != PieceSource::Computer)
                        break;  // Blue's five ended it
                    const auto answer = brain.handle("TURN " + std::to_string(blue.col - 1) + "," +
                                                     std::to_string(blue.row - 1));
                    ASSERT_EQ(answer, std::vector<std::string>{game.lastRed()})
                        << "size " << n << " level " << level << " move " << game.g.moves.size();
                    // Both have taken the same random numbers so far.
                    ASSERT_EQ(brainRandom.values.size(), game.host.randoms.size());
                    ++compared;
                }
            }
    EXPECT_GT(compared, 300);
}
