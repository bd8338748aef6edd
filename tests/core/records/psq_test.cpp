#include <gtest/gtest.h>

#include "core/records/psq.h"
#include "core/records/recordformat.h"
#include "samplerecords.h"

using namespace zelvan::records;
using zelvan::test::sampleRecords;
using zelvan::test::shortGame;

TEST(Psq, WritesTheTournamentLayoutThenOurLines) {
    GameRecord r = shortGame();
    r.moves.resize(2);
    r.firstMover = Stone::Red;
    r.result = {Outcome::RedWins, Ending::Stopped};
    EXPECT_EQ(writePsq(r), "Piskvorky 15x15, 11:11, 0\r\n"
                           "8,8,0\r\n"
                           "9,7,812\r\n"
                           "Red: computer level 3\r\n"
                           "Blue: player at this machine\r\n"
                           "Result: Red wins, stopped here\r\n"
                           "Started: 2024-05-01 14:03:22\r\n");
}

TEST(Psq, EveryRecordReadsBackAsWritten) {
    for (const GameRecord& r : sampleRecords()) {
        const RecordOrRefusal back = readPsq(writePsq(r));
        ASSERT_TRUE(back.record) << back.refusal;
        EXPECT_EQ(*back.record, r) << writePsq(r);
    }
}

// A game played on from a review says so in a last line of its own.
TEST(Psq, AContinuedGameSaysSoAndReadsBack) {
    GameRecord r = shortGame();
    r.continued = true;
    const std::string text = writePsq(r);
    EXPECT_TRUE(text.ends_with("\r\nContinued: from a reviewed position, not scored\r\n"));
    const RecordOrRefusal back = readPsq(text);
    ASSERT_TRUE(back.record) << back.refusal;
    EXPECT_EQ(*back.record, r);
}

TEST(Psq, ATournamentFileReadsAsBluesUnfinishedGame) {
    const RecordOrRefusal read = readPsq("Piskvorky 20x20, 11:11, 0\n"
                                         "10,10,0\n"
                                         " 11, 12, 1234 \n"
                                         "\n"
                                         "12,12\n"
                                         "pbrain-first.exe\n"
                                         "pbrain-second.exe\n"
                                         "-1\n"
                                         "1,Freestyle\n");
    ASSERT_TRUE(read.record) << read.refusal;
    const GameRecord& r = *read.record;
    EXPECT_EQ(r.boardSize, 20);
    EXPECT_EQ(r.moves, (std::vector<RecordedMove>{{10, 10, 0}, {11, 12, 1234}, {12, 12, 0}}));
    EXPECT_EQ(r.firstMover, Stone::Blue);
    EXPECT_EQ(r.opponent, Opponent{});
    EXPECT_EQ(r.result, Result{});
    EXPECT_FALSE(r.started.isSet());
}

TEST(Psq, TrailingLinesWeCannotReadAreSkipped) {
    const RecordOrRefusal read = readPsq("Piskvorky 15x15, 11:11, 0\n8,8,0\n"
                                         "Red: computer level 9\n"
                                         "Result: somebody won\n"
                                         "Started: 2023-02-29 10:00:00\n");
    ASSERT_TRUE(read.record) << read.refusal;
    EXPECT_EQ(read.record->firstMover, Stone::Red);  // the order of the player lines still tells
    EXPECT_EQ(read.record->opponent, Opponent{});
    EXPECT_EQ(read.record->result, Result{});
    EXPECT_FALSE(read.record->started.isSet());
}

namespace {

std::string fullBoardAndOneMore() {
    std::string text = "Piskvorky 15x15, 11:11, 0\n";
    for (int c = 1; c <= 15; ++c)
        for (int r = 1; r <= 15; ++r)
            text += std::to_string(c) + "," + std::to_string(r) + ",0\n";
    return text + "1,1,0\n";
}

}  // namespace

TEST(Psq, EachKindOfBadFileIsRefusedWithItsLine) {
    const std::string header = "Piskvorky 15x15, 11:11, 0\n";
    struct Case {
        std::string bytes;
        std::string refusal;
    };
    const Case cases[] = {
        {"", "Not a game record: the file is empty"},
        {" \r\n\n", "Not a game record: the file is empty"},
        {header + "8,8,0\n\x01\x02", "Not a game record: the file holds binary data"},
        {std::string("Pisk\0vorky", 10), "Not a game record: the file holds binary data"},
        {header + std::string(kMaxRecordBytes, ' '),
         "Not a game record: the file is larger than 1 MiB"},
        {"Hello, world\n8,8,0\n", "Not a game record: the first line names no board size"},
        {"Piskvorky 19x19, 11:11, 0\n", "A 19x19 board: Zelvan plays 15x15, 20x20 and 30x30"},
        {"Piskvorky 15x20, 11:11, 0\n", "A 15x20 board: Zelvan plays 15x15, 20x20 and 30x30"},
        {header + "8,8,0\n16,1,0\n", "Move 2 lies off the board"},
        {header + "0,5,0\n", "Move 1 lies off the board"},
        {header + "8,8,0\n9,9,0\n8,8,0\n", "Move 3 is on an occupied cell, h8"},
        {header + "8,8,0\n8,x,0\n", "Line 3 is not a move: 8,x,0"},
        {header + "8,8,0,0\n", "Line 2 is not a move: 8,8,0,0"},
        {header + "8,,0\n", "Line 2 is not a move: 8,,0"},
        {header + "8,8,-5\n", "Line 2 is not a move: 8,8,-5"},
        {header + "8,8,12345678901234567890123\n",
         "Line 2 is not a move: 8,8,12345678901234567890..."},
        {fullBoardAndOneMore(), "More moves than the 15x15 board has cells"},
    };
    for (const Case& c : cases) {
        const RecordOrRefusal read = readPsq(c.bytes);
        EXPECT_FALSE(read.record) << c.refusal;
        EXPECT_EQ(read.refusal, c.refusal);
    }
}

TEST(RecordFormat, ChosenByNameToWriteAndByContentToRead) {
    EXPECT_EQ(formatForName("game.sgf"), RecordFormat::Sgf);
    EXPECT_EQ(formatForName("GAME.SGF"), RecordFormat::Sgf);
    EXPECT_EQ(formatForName("game.psq"), RecordFormat::Psq);
    EXPECT_EQ(formatForName("sgf"), RecordFormat::Psq);
    EXPECT_EQ(formatForName("game"), RecordFormat::Psq);

    const GameRecord r = shortGame();
    for (const RecordFormat f : {RecordFormat::Psq, RecordFormat::Sgf}) {
        const RecordOrRefusal back = readRecord("\xEF\xBB\xBF \n" + writeRecord(r, f));
        ASSERT_TRUE(back.record) << back.refusal;
        EXPECT_EQ(*back.record, r);
    }
}
