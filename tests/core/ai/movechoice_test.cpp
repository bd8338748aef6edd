#include <gtest/gtest.h>

#include <deque>

#include "aiboard.h"
#include "core/ai/movechoice.h"
#include "support/listrandom.h"

using namespace zelvan;
using zelvan::test::B;
using zelvan::test::ListRandom;
using zelvan::test::position;

namespace {

// Four bits as the source's first four draws.
ListRandom bitsRandom(unsigned bits) {
    ListRandom r;
    for (int k = 0; k < 4; ++k)
        r.values.push_back((bits >> k) & 1u);
    return r;
}

}  // namespace

// Each random-order scan takes two draws, columns then rows, 0 meaning
// ascending; an attack's fallback scan draws afresh. So the decision made
// with four draws is the choice made with those orders given outright.
TEST(DecideMove, ScanOrdersComeFromTheSourceTwoDrawsAScan) {
    int compared = 0;
    for (int n : {15, 20, 30})
        for (std::uint32_t seed = 1; seed <= 4; ++seed) {
            Game g = test::randomPosition(n, 6 + 7 * static_cast<int>(seed), seed);
            g.moveCount = test::piecesOn(g) + 1;
            g.computerLevel = static_cast<std::uint8_t>(seed % 4);
            g.plainAttack = seed % 2;
            for (unsigned bits = 0; bits < 16; ++bits) {
                ListRandom random = bitsRandom(bits);
                const Cell decided = decideMove(g, random);
                Game probe = g;
                FixedScanDraw draw({(bits & 1u) == 0, (bits & 2u) == 0},
                                   {(bits & 4u) == 0, (bits & 8u) == 0});
                ASSERT_EQ(decided, chooseMove(probe, draw)) << n << " " << seed << " " << bits;
                ++compared;
            }
        }
    EXPECT_EQ(compared, 3 * 4 * 16);
}

TEST(DecideMove, DrawsOnlyForRandomOrderScans) {
    struct Case {
        const char* what;
        Game g;
        int moveCount;
        int draws;
    };
    const Case cases[] = {
        {"opening", position(15, {}), 1, 0},
        {"first reply", position(15, {{B, 8, 8}}), 2, 0},
        {"a later move", position(15, {{B, 8, 8}, {test::R, 7, 7}, {B, 9, 9}}), 4, 2},
        // A lone corner piece leaves the attack nothing to build on.
        {"attack and its fallback", position(15, {{B, 1, 1}}), 3, 4},
    };
    for (const Case& c : cases) {
        Game g = c.g;
        g.moveCount = c.moveCount;
        g.computerLevel = 2;
        ListRandom random = bitsRandom(0);
        EXPECT_TRUE(decideMove(g, random).found()) << c.what;
        EXPECT_EQ(random.draws, c.draws) << c.what;
    }
}
