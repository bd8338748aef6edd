#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/gomocup/session.h"

using namespace zelvan::gomocup;

namespace {

using Lines = std::vector<std::string>;

// A player that keeps the position it is told and answers with the first
// empty cell in rows from the top (or with `next` when a test sets it).
struct BoardPlayer final : BrainPlayer {
    int size = 0;
    int games = 0;
    std::map<std::pair<int, int>, Side> stones;
    Side opener = Side::Own;
    ClockInfo clock;
    std::size_t memory = 0;
    Point next;

    int largestBoard() const override { return 20; }
    void newGame(int n) override {
        size = n;
        ++games;
        stones.clear();
    }
    void setOpener(Side s) override {
        EXPECT_TRUE(stones.empty()) << "the opener comes before the stones";
        opener = s;
    }
    void place(Point p, Side s) override {
        EXPECT_TRUE(stones.emplace(std::pair{p.col, p.row}, s).second) << p.col << "," << p.row;
    }
    void takeBack(Point p) override { EXPECT_EQ(stones.erase({p.col, p.row}), 1u); }
    Point choose(const ClockInfo& c) override {
        clock = c;
        if (next.col != 0) return std::exchange(next, Point{});
        for (int row = 1; row <= size; ++row)
            for (int col = 1; col <= size; ++col)
                if (!stones.count({col, row})) return {col, row};
        return {};
    }
    void setMemoryLimit(std::size_t bytes) override { memory = bytes; }

    bool has(int col, int row, Side s) const {
        const auto it = stones.find({col, row});
        return it != stones.end() && it->second == s;
    }
};

class Session : public ::testing::Test {
protected:
    BoardPlayer player;
    BrainSession session{player, "name=\"test\""};

    Lines send(const std::string& line) { return session.handle(line); }
    // Every line in turn; the answers of the last one.
    Lines sendAll(const Lines& lines) {
        Lines answer;
        for (const std::string& l : lines)
            answer = send(l);
        return answer;
    }
    static bool isError(const Lines& answer) {
        return answer.size() == 1 && answer[0].rfind("ERROR ", 0) == 0;
    }
};

}  // namespace

TEST_F(Session, StartAcceptsTheSizesThePlayerPlays) {
    EXPECT_TRUE(isError(send("START")));
    for (const char* bad : {"START 4", "START 21", "START x", "START 15x", "START -15"})
        EXPECT_TRUE(isError(send(bad))) << bad;
    EXPECT_EQ(player.games, 0);
    EXPECT_EQ(send("START 5"), Lines{"OK"});
    EXPECT_EQ(send("start 20\r"), Lines{"OK"});  // any case, the manager's CR LF
    EXPECT_EQ(player.size, 20);
    EXPECT_TRUE(isError(send("RECTSTART 15,16")));
    EXPECT_EQ(send("RECTSTART 15,15"), Lines{"OK"});
    EXPECT_EQ(player.size, 15);
}

TEST_F(Session, GameCommandsWaitForStart) {
    for (const char* command : {"BEGIN", "TURN 7,7", "RESTART", "TAKEBACK 7,7", "DONE"})
        EXPECT_TRUE(isError(send(command))) << command;
    // The stones after BOARD are read, not taken for commands; DONE says why.
    EXPECT_TRUE(sendAll({"BOARD", "7,7,1"}).empty());
    EXPECT_TRUE(isError(send("DONE")));
    EXPECT_TRUE(player.stones.empty());
}

TEST_F(Session, UnknownCommandsAndEmptyLines) {
    EXPECT_EQ(send("SWAP2BOARD"), Lines{"UNKNOWN command SWAP2BOARD"});
    EXPECT_EQ(send("\x01\xff junk"), Lines{"UNKNOWN command ??"});
    EXPECT_TRUE(send("").empty());
    EXPECT_TRUE(send(" \t\r").empty());
    EXPECT_EQ(send("ABOUT"), Lines{"name=\"test\""});
}

TEST_F(Session, TurnPlacesTheOpponentAndAnswers) {
    send("START 15");
    EXPECT_EQ(send("TURN 0,0"), Lines{"1,0"});
    EXPECT_TRUE(player.has(1, 1, Side::Opponent));
    EXPECT_TRUE(player.has(2, 1, Side::Own));
    EXPECT_EQ(player.opener, Side::Opponent);
    player.next = {15, 15};
    EXPECT_EQ(send("TURN 7, 8"), Lines{"14,14"});  // blanks around a number are fine
    EXPECT_TRUE(player.has(8, 9, Side::Opponent));
    const std::size_t before = player.stones.size();
    for (const char* bad : {"TURN", "TURN 7", "TURN 7,8,9", "TURN a,b", "TURN 15,0", "TURN -1,3",
                            "TURN 0,0", "TURN 1,0", "TURN 99999999999999999999,1"})
        EXPECT_TRUE(isError(send(bad))) << bad;
    EXPECT_EQ(player.stones.size(), before);
}

TEST_F(Session, BeginOpensAnEmptyBoardOnly) {
    send("START 15");
    EXPECT_EQ(send("BEGIN"), Lines{"0,0"});
    EXPECT_EQ(player.opener, Side::Own);
    EXPECT_TRUE(isError(send("BEGIN")));
    EXPECT_EQ(send("RESTART"), Lines{"OK"});
    EXPECT_TRUE(player.stones.empty());
    EXPECT_EQ(player.games, 2);
    EXPECT_EQ(send("BEGIN"), Lines{"0,0"});
}

TEST_F(Session, BoardReplacesThePositionAndAsksForAMove) {
    sendAll({"START 15", "TURN 5,5"});
    // Two of the opponent's stones against one: the opponent opened.
    EXPECT_TRUE(sendAll({"BOARD", "7,7,2", "8,8,1", "9,9,2"}).empty());
    EXPECT_EQ(send("DONE"), Lines{"0,0"});
    EXPECT_EQ(player.opener, Side::Opponent);
    EXPECT_EQ(player.stones.size(), 4u);
    EXPECT_TRUE(player.has(8, 8, Side::Opponent) && player.has(9, 9, Side::Own) &&
                player.has(10, 10, Side::Opponent) && player.has(1, 1, Side::Own));
    EXPECT_FALSE(player.has(6, 6, Side::Opponent));  // the earlier position is gone

    // As many stones each: this side opened. Bad lines are answered and skipped.
    send("BOARD");
    EXPECT_TRUE(isError(send("1,1")));
    EXPECT_TRUE(isError(send("1,1,3")));
    EXPECT_TRUE(isError(send("15,1,1")));
    EXPECT_TRUE(send("1,1,1").empty());
    EXPECT_TRUE(isError(send("1,1,2")));
    EXPECT_TRUE(send("2,1,2").empty());
    EXPECT_EQ(send("done"), Lines{"0,0"});
    EXPECT_EQ(player.opener, Side::Own);
    EXPECT_EQ(player.stones.size(), 3u);
}

TEST_F(Session, TakeBackFreesTheCell) {
    sendAll({"START 15", "TURN 3,4"});
    EXPECT_EQ(send("TAKEBACK 0,0"), Lines{"OK"});  // this side's answer
    EXPECT_EQ(send("TAKEBACK 3,4"), Lines{"OK"});
    EXPECT_TRUE(player.stones.empty());
    EXPECT_TRUE(isError(send("TAKEBACK 3,4")));
    EXPECT_TRUE(isError(send("TAKEBACK 3")));
    EXPECT_EQ(send("TURN 3,4"), Lines{"0,0"});  // both cells are free again
}

TEST_F(Session, InfoSetsTheClocksAndTheMemory) {
    EXPECT_TRUE(sendAll({"INFO timeout_turn 5000", "INFO timeout_match 180000",
                         "INFO time_left -20", "INFO max_memory 83886080", "INFO game_type 1",
                         "INFO folder /tmp/x y", "INFO evaluate 1,2", "INFO rule 0"})
                    .empty());
    sendAll({"START 15", "BEGIN"});
    EXPECT_EQ(player.clock.turnLimit, 5000);
    EXPECT_EQ(player.clock.matchLimit, 180000);
    EXPECT_EQ(player.clock.timeLeft, -20);
    EXPECT_EQ(player.memory, 83886080u);
    for (const char* bad : {"INFO timeout_turn", "INFO timeout_turn -1", "INFO max_memory 1e9",
                            "INFO time_left 10 ms"})
        EXPECT_TRUE(isError(send(bad))) << bad;
    EXPECT_EQ(player.clock.turnLimit, 5000);
    // Another rule is answered, and freestyle goes on.
    EXPECT_TRUE(isError(send("INFO rule 1")));
    EXPECT_EQ(send("TURN 5,5"), Lines{"1,0"});
}

TEST_F(Session, NoMoveOnAFullBoardNorAnIllegalOne) {
    send("START 5");
    for (int k = 0; k < 12; ++k)
        send("TURN " + std::to_string(4 - k % 5) + "," + std::to_string(4 - k / 5));
    // 24 stones; the opponent fills the last cell, the middle one.
    EXPECT_EQ(send("TURN 2,2"), Lines{"ERROR the board is full"});
    EXPECT_EQ(player.stones.size(), 25u);
    sendAll({"RESTART", "TURN 2,2"});
    player.next = {3, 3};  // taken: the session does not pass it on
    EXPECT_TRUE(isError(send("TURN 1,1")));
    EXPECT_FALSE(player.has(3, 3, Side::Own));
}

TEST_F(Session, EndStopsEverything) {
    send("START 15");
    send("BOARD");
    EXPECT_TRUE(send("END").empty());
    EXPECT_TRUE(session.ended());
    EXPECT_TRUE(send("BEGIN").empty());
}
