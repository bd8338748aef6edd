#include <gtest/gtest.h>

#include <set>

#include "bench/match/opening.h"
#include "bench/match/referee.h"

using namespace zelvan::match;

namespace {

// Plays `stones` of colour c, then `last`; the verdict of the last.
Verdict lineThen(Referee& r, std::initializer_list<Move> stones, Move last, Colour c) {
    for (const Move& m : stones)
        EXPECT_EQ(r.play(m, c), Verdict::Continue);
    return r.play(last, c);
}

}  // namespace

TEST(Referee, FiveOrMoreThroughTheLastStoneInEveryDirection) {
    struct Case {
        std::initializer_list<Move> before;
        Move last;
        Verdict expected;
    } cases[] = {
        {{{0, 0}, {1, 0}, {2, 0}, {3, 0}}, {4, 0}, Verdict::Five},            // row, at the edge
        {{{9, 5}, {9, 6}, {9, 8}, {9, 9}}, {9, 7}, Verdict::Five},            // column, filled gap
        {{{2, 2}, {3, 3}, {4, 4}, {6, 6}}, {5, 5}, Verdict::Five},            // diagonal
        {{{14, 0}, {13, 1}, {12, 2}, {11, 3}}, {10, 4}, Verdict::Five},       // anti-diagonal
        {{{0, 7}, {1, 7}, {2, 7}, {4, 7}, {5, 7}}, {3, 7}, Verdict::Five},    // six counts
        {{{0, 9}, {1, 9}, {2, 9}}, {3, 9}, Verdict::Continue},                // four does not
        {{{5, 12}, {6, 12}, {8, 12}, {9, 12}}, {10, 12}, Verdict::Continue},  // a gap breaks it
        {{{13, 13}, {14, 14}}, {12, 12}, Verdict::Continue},
    };
    for (const Case& c : cases) {
        Referee r(15);
        EXPECT_EQ(lineThen(r, c.before, c.last, Colour::White), c.expected)
            << c.last.x << "," << c.last.y;
    }
    // The other colour's stones in the line do not count for the mover.
    Referee mixed(15);
    for (int x : {0, 1, 2, 3})
        mixed.play({x, 0}, Colour::Black);
    EXPECT_EQ(mixed.play({4, 0}, Colour::White), Verdict::Continue);
    EXPECT_EQ(mixed.play({5, 0}, Colour::Black), Verdict::Continue);
}

TEST(Referee, IllegalMovesChangeNothing) {
    Referee r(15);
    ASSERT_EQ(r.play({7, 7}, Colour::Black), Verdict::Continue);
    for (const Move m : {Move{7, 7}, Move{-1, 0}, Move{0, 15}, Move{15, 3}, Move{3, -4}})
        EXPECT_EQ(r.play(m, Colour::White), Verdict::Illegal) << m.x << "," << m.y;
    EXPECT_EQ(r.stones(), 1);
    EXPECT_EQ(r.at({7, 7}), Colour::Black);
}

TEST(Referee, TheLastCellWithoutFiveIsADrawButAFiveThereWins) {
    // Pairs of columns in turn, shifted by one every row: no line of the
    // board holds more than two of a colour in a row.
    auto colourAt = [](int x, int y) {
        return (x / 2 + y) % 2 == 0 ? Colour::Black : Colour::White;
    };
    Referee r(6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const Verdict v = r.play({x, y}, colourAt(x, y));
            EXPECT_EQ(v, x == 5 && y == 5 ? Verdict::FullBoard : Verdict::Continue) << x << y;
        }
    Referee five(5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            if (x != 4 || y != 4) five.play({x, y}, y == 4 ? Colour::Black : colourAt(x, y));
    EXPECT_EQ(five.play({4, 4}, Colour::Black), Verdict::Five);
}

TEST(Referee, ReadsAnswers) {
    for (const char* note : {"", "MESSAGE thinking", "DEBUG x", "ERROR what", "UNKNOWN", "OK"})
        EXPECT_EQ(readAnswer(note).kind, Answer::Kind::Note) << note;
    for (const char* garbled : {"7", "7,", "7,7,7", "seven,7", "7;7", "99999999999,1", "OKAY"})
        EXPECT_EQ(readAnswer(garbled).kind, Answer::Kind::Garbled) << garbled;
    const Answer a = readAnswer(" 7, 12\r");
    EXPECT_EQ(a.kind, Answer::Kind::Move);
    EXPECT_EQ(a.move, (Move{7, 12}));
    EXPECT_EQ(readAnswer("-1,40").move, (Move{-1, 40}));  // a move, which the referee refuses
}

TEST(Opening, AFewStonesNearTheCentreFromTheSeed) {
    std::set<std::size_t> counts;
    for (int size : {15, 20, 30})
        for (std::uint64_t seed = 0; seed < 50; ++seed) {
            const std::vector<Move> opening = randomOpening(size, seed);
            EXPECT_EQ(opening, randomOpening(size, seed));
            counts.insert(opening.size());
            Referee r(size);
            Colour c = Colour::Black;
            for (const Move& m : opening) {
                EXPECT_LE(std::abs(m.x - size / 2), kOpeningReach);
                EXPECT_LE(std::abs(m.y - size / 2), kOpeningReach);
                EXPECT_EQ(r.play(m, c), Verdict::Continue);  // distinct, on the board
                c = otherColour(c);
            }
        }
    EXPECT_EQ(counts, (std::set<std::size_t>{2, 3, 4}));
}
