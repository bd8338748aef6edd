#include <gtest/gtest.h>

#include "core/records/statistics.h"

using namespace zelvan::records;

namespace {

// A few games: two wins over level 1, a loss to level 3, a draw with a
// person here, two wins over a peer, then one more win over level 1.
Statistics aFewGames() {
    Statistics s;
    s.add(Opponent::computer(1), Outcome::BlueWins, 1001, 999);
    s.add(Opponent::computer(1), Outcome::BlueWins, 1003, 997);
    s.add(Opponent::computer(3), Outcome::RedWins, 1000, 998);
    s.add(Opponent::personHere(), Outcome::Draw, 1000, 998);
    s.add(Opponent::networkPeer("10.0.0.7"), Outcome::BlueWins, 1001, 997);
    s.add(Opponent::networkPeer("10.0.0.8"), Outcome::BlueWins, 1003, 995);
    s.add(Opponent::computer(1), Outcome::BlueWins, 1006, 992);
    return s;
}

}  // namespace

TEST(Statistics, CountsByOpponentWithTheLongestRun) {
    Statistics s = aFewGames();
    EXPECT_EQ(s.tally(OpponentGroup::Level1), (Tally{3, 3, 0, 0}));
    EXPECT_EQ(s.tally(OpponentGroup::Level2), Tally{});
    EXPECT_EQ(s.tally(OpponentGroup::Level3), (Tally{1, 0, 1, 0}));
    EXPECT_EQ(s.tally(OpponentGroup::PersonHere), (Tally{1, 0, 0, 1}));
    EXPECT_EQ(s.tally(OpponentGroup::NetworkPeer), (Tally{2, 2, 0, 0}));
    EXPECT_EQ(s.total(), (Tally{7, 5, 1, 1}));
    EXPECT_EQ(s.longestRun(), 3);  // the draw broke the run of two; three since
    EXPECT_EQ(s.currentRun(), 3);
    EXPECT_EQ(s.scores().back(), (ScorePoint{1006, 992}));

    // Games without a result or against nobody known count nothing.
    EXPECT_FALSE(s.add(Opponent::computer(2), Outcome::Unfinished, 1, 1));
    EXPECT_FALSE(s.add(Opponent{}, Outcome::BlueWins, 1, 1));
    EXPECT_FALSE(s.add(Opponent::computer(6), Outcome::BlueWins, 1, 1));
    EXPECT_EQ(s.total().games, 7);

    EXPECT_TRUE(s.add(Opponent::computer(5), Outcome::RedWins, -4, 12000));
    EXPECT_EQ(s.currentRun(), 0);
    EXPECT_EQ(s.longestRun(), 3);
    EXPECT_EQ(s.scores().back(), (ScorePoint{0, 9999}));
}

TEST(Statistics, TheChartKeepsTheLast100Games) {
    Statistics s;
    for (int game = 1; game <= 130; ++game)
        s.add(Opponent::personHere(), Outcome::RedWins, game, 1000 + game);
    ASSERT_EQ(s.scores().size(), Statistics::kChartGames);
    EXPECT_EQ(s.scores().front(), (ScorePoint{31, 1031}));
    EXPECT_EQ(s.tally(OpponentGroup::PersonHere).games, 130);
}

TEST(Statistics, TheFileReadsBackAsWritten) {
    const Statistics s = aFewGames();
    const std::string text = encodeStatistics(s);
    EXPECT_TRUE(text.starts_with("zelvan statistics 1\n"
                                 "level-1 3 3 0 0\n"
                                 "level-2 0 0 0 0\n"
                                 "level-3 1 0 1 0\n"));
    EXPECT_NE(text.find("\nnetwork 2 2 0 0\nrun 3 3\nscore 1001 999\nscore 1003 997\n"),
              std::string::npos);
    EXPECT_EQ(decodeStatistics(text), s);
    EXPECT_EQ(decodeStatistics(encodeStatistics(Statistics{})), Statistics{});
}

TEST(Statistics, ADamagedFileIsNotRead) {
    const std::string good = encodeStatistics(aFewGames());
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = good;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    std::string tooManyScores = good;
    for (int i = 0; i < 100; ++i)
        tooManyScores += "score 1 1\n";
    const std::string cases[] = {
        "",
        good.substr(0, good.size() / 2),
        replaced("statistics 1", "statistics 2"),
        replaced("level-1 3 3 0 0", "level-1 3 2 0 0"),   // does not add up
        replaced("level-1 3 3 0 0", "level-1 -3 3 0 0"),  // negative
        replaced("level-1 3 3 0 0", "level-1 3 3 0"),     // a number missing
        replaced("level-1 3 3 0 0", "level-1 3 3 0 0 "),  // a space too many
        replaced("level-3", "level-4"),                   // lines out of order
        replaced("run 3 3", "run 4 3"),                   // current run longer than the longest
        replaced("run 3 3", "run 6 6"),                   // longer than all the wins
        replaced("score 1001 999", "score 10000 999"),
        replaced("score 1001 999", "score 1001 999x"),
        replaced("score 1001 999", "scores 1001 999"),
        replaced("level-2 0 0 0 0", "level-2 0 0 0 99999999999"),
        good + "\n",
        good + "extra 1\n",
        tooManyScores,
    };
    for (const std::string& text : cases)
        EXPECT_EQ(decodeStatistics(text), std::nullopt) << text;
}
