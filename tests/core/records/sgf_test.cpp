#include <gtest/gtest.h>

#include "core/records/psq.h"
#include "core/records/sgf.h"
#include "samplerecords.h"

using namespace zelvan::records;
using zelvan::test::sampleRecords;
using zelvan::test::shortGame;

TEST(Sgf, WritesGomokuWithBlueAsBlack) {
    GameRecord r = shortGame();
    r.moves.resize(2);
    r.firstMover = Stone::Red;
    r.opponent = Opponent::networkPeer("fe80::1%eth0]");
    r.result = {Outcome::RedWins, Ending::ConnectionLost};
    EXPECT_EQ(writeSgf(r), "(;FF[4]GM[4]SZ[15]CA[UTF-8]PB[player at this machine]"
                           "PW[network peer fe80::1%eth0\\]]PL[W]DT[2024-05-01]"
                           "STARTTIME[14:03:22]RE[W+F]ENDING[connection lost]\n"
                           ";W[hh];B[ig]MS[812])\n");
}

TEST(Sgf, EveryRecordReadsBackAsWrittenAlsoByWayOfPsq) {
    for (const GameRecord& r : sampleRecords()) {
        const RecordOrRefusal back = readSgf(writeSgf(r));
        ASSERT_TRUE(back.record) << back.refusal;
        EXPECT_EQ(*back.record, r) << writeSgf(r);

        const RecordOrRefusal viaPsq = readPsq(writePsq(r));
        ASSERT_TRUE(viaPsq.record);
        const RecordOrRefusal psqThenSgf = readSgf(writeSgf(*viaPsq.record));
        ASSERT_TRUE(psqThenSgf.record);
        EXPECT_EQ(*psqThenSgf.record, r);
    }
}

TEST(Sgf, AForeignFileGivesItsMainLine) {
    const RecordOrRefusal read =
        readSgf("(;FF[3]GaMe[4]SZ[15]PB[Alice]PW[Bob]RE[W+R]DT[2023-07-14,15]C[a \\] b]\n"
                ";B[hh]C[first](;W[ii];B[jj]\n(;W[kk])(;W[ll]))(;W[gg]))\n(;GM[4];B[aa])");
    ASSERT_TRUE(read.record) << read.refusal;
    const GameRecord& r = *read.record;
    EXPECT_EQ(r.boardSize, 15);
    EXPECT_EQ(r.moves, (std::vector<RecordedMove>{{8, 8, 0}, {9, 9, 0}, {10, 10, 0}, {11, 11, 0}}));
    EXPECT_EQ(r.firstMover, Stone::Blue);
    EXPECT_EQ(r.opponent, Opponent{});
    EXPECT_EQ(r.result, (Result{Outcome::RedWins, Ending::NotStated}));
    EXPECT_EQ(r.started, (RecordTime{2023, 7, 14, 0, 0, 0}));
}

TEST(Sgf, WhiteFirstOrNoSizeAreRead) {
    const RecordOrRefusal read = readSgf("(;GM[4]RE[0];W[hh];B[ii])");
    ASSERT_TRUE(read.record) << read.refusal;
    EXPECT_EQ(read.record->boardSize, 15);
    EXPECT_EQ(read.record->firstMover, Stone::Red);
    EXPECT_EQ(read.record->result.outcome, Outcome::Draw);
}

TEST(Sgf, EachKindOfBadFileIsRefusedWithItsLine) {
    struct Case {
        std::string bytes;
        std::string refusal;
    };
    const Case cases[] = {
        {"(;GM[1]SZ[15];B[hh])", "Not a Gomoku record: the SGF file is for game GM[1]"},
        {"(;SZ[15];B[hh])", "Not a Gomoku record: the SGF file is for game GM[1]"},
        {"(;GM[4]SZ[19])", "A 19x19 board: Zelvan plays 15x15, 20x20 and 30x30"},
        {"(;GM[4]SZ[15:20])", "A 15x20 board: Zelvan plays 15x15, 20x20 and 30x30"},
        {"(;GM[4]SZ[big])", "Damaged SGF record: SZ[big]"},
        {"(;GM[4]SZ[1\n5])", "Damaged SGF record: SZ[1 5]"},  // quoted on one line
        {"(;GM[4];B[hh];W[pa])", "Move 2 lies off the board"},
        {"(;GM[4];B[hh];W[h])", "Move 2 lies off the board"},
        {"(;GM[4]SZ[20];B[tt];W[hh];B[tt])", "Move 3 is on an occupied cell, t1"},
        {"(;GM[4];B[hh];B[ii])", "Move 2 is played out of turn"},
        {"(;GM[4];B[hh];W[])", "Move 2 is a pass, which Gomoku has not"},
        {"(;GM[4]AB[hh][ii];W[jj])",
         "Stones set up by hand: only games played move by move can be opened"},
        {"(;GM[4];B[hh]", "Damaged SGF record near line 1"},
        {"(;GM[4];B[hh\n\n", "Damaged SGF record near line 3"},
        {"(;GM[4]\n;B[hh]x)", "Damaged SGF record near line 2"},
        {"(;GM[4];B [hh]W)", "Damaged SGF record near line 1"},
        {std::string(100000, '('), "Damaged SGF record near line 1"},
        {"()", "Not a game record: the SGF file holds no game"},
        {"(;GM[4]\x7f)", "Not a game record: the file holds binary data"},
        {"(" + std::string(kMaxRecordBytes, ';') + ")",
         "Not a game record: the file is larger than 1 MiB"},
    };
    for (const Case& c : cases) {
        const RecordOrRefusal read = readSgf(c.bytes);
        EXPECT_FALSE(read.record) << c.refusal;
        EXPECT_EQ(read.refusal, c.refusal);
    }
}
