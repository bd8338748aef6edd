// Two people at one machine play whole games through the real main window:
// clicks on the board picture and on the buttons, and what the window then
// shows: the pieces and frames in the retained bitmap, the blinking winning
// line, the scoreboard counting, the clocks, and the settings file written.

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <array>

#include "app/shell/startup.h"
#include "app/ui/artwork.h"
#include "app/ui/boardpicture.h"
#include "app/ui/resultbanner.h"
#include "app/widgets/glyphbutton.h"
#include "app/widgets/smoothlabel.h"
#include "boardpixels.h"
#include "core/engine/checkfive.h"
#include "support/qverifyempty.h"
#include "windowharness.h"
#include "windowlooks.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

// Alternate clicks, in the order given, each on the side to move.
void clickAll(WindowHarness& h, std::initializer_list<std::pair<int, int>> cells) {
    for (auto [c, r] : cells) {
        const std::uint8_t side = h.g().blueToMove() ? kBlue : kRed;
        h.clickCell(c, r);
        QCOMPARE(h.g().cell(c, r), side);
    }
}

// A person plays Red; Play starts the first game, which Blue opens (the
// opener drawn at start is flipped by the first board and again by Play).
void startTwoPersonGame(WindowHarness& h) {
    h.press(control<GlyphButton>(h.w(), "opponentButton"));
    QCOMPARE(int(h.g().redIsHuman()), 1);
    h.press(control<GlyphButton>(h.w(), "playButton"));
    QCOMPARE(int(h.g().gameRunning()), 1);
}

}  // namespace

class GameTest : public QObject {
    Q_OBJECT
private slots:
    // Blue wins along a row, then Red (opening the next game) down a column.
    void rowWinByBlueThenColumnWinByRed() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        auto& g = driven.g;
        startTwoPersonGame(h);
        const Artwork art;
        QCOMPARE(int(g.blueToMove()), 1);
        QVERIFY(shows(control<QLabel>(w, "turnIcon"), icon("icons/turn-blue.png")));

        // Each piece shows its picture with a live frame on the cell's ring.
        h.clickCell(3, 5);
        QCOMPARE(g.cell(3, 5), kBlue);
        QVERIFY_EMPTY(cellShows(w, 3, 5, pieceOf(art, w, Side::Blue)));
        QVERIFY_EMPTY(ringIs(w, 3, 5, kLiveFrame15));
        QCOMPARE(control<BoardPicture>(w, "board")->markCell(Side::Blue), QPoint(3, 5));
        QVERIFY(shows(control<QLabel>(w, "turnIcon"), icon("icons/turn-red.png")));

        h.clickCell(3, 9);
        QCOMPARE(g.cell(3, 9), kRed);
        QVERIFY_EMPTY(cellShows(w, 3, 9, pieceOf(art, w, Side::Red)));
        QVERIFY_EMPTY(ringIs(w, 3, 9, kLiveFrame15));
        QVERIFY_EMPTY(ringIs(w, 3, 5, kLiveFrame15));  // the sides' frames are independent
        QVERIFY(shows(control<QLabel>(w, "turnIcon"), icon("icons/turn-blue.png")));

        // A side's next move leaves a trace where its frame was.
        h.clickCell(4, 5);
        QVERIFY_EMPTY(ringIs(w, 3, 5, kTrace));
        QVERIFY_EMPTY(cellShows(w, 3, 5, pieceOf(art, w, Side::Blue)));
        QVERIFY_EMPTY(ringIs(w, 4, 5, kLiveFrame15));
        QVERIFY_EMPTY(ringIs(w, 3, 9, kLiveFrame15));
        h.clickCell(4, 9);
        QVERIFY_EMPTY(ringIs(w, 3, 9, kTrace));
        QVERIFY_EMPTY(ringIs(w, 4, 9, kLiveFrame15));
        QVERIFY_EMPTY(cellEmpty(w, 8, 8));

        clickAll(h, {{5, 5}, {5, 9}, {6, 5}, {6, 9}});
        QCOMPARE(g.resultHistory(), History{});
        QVERIFY(!h.settingsFileExists());
        QVERIFY(!control<QTimer>(w, "blinkTimer")->isActive());

        h.clickCell(7, 5);  // five in row 5
        QCOMPARE(g.winner(), kBlue);
        QCOMPARE(int(g.gameRunning()), 0);
        QCOMPARE(g.blueLine(), (std::array<std::int32_t, 4>{3, 5, 7, 5}));
        QCOMPARE(h.playedSounds().back(), std::string("BlueWins"));
        // The line at once highlighted, whole cells, so the frame on the
        // winning piece is gone; Red's frame stays.
        for (int c = 3; c <= 7; ++c)
            QVERIFY_EMPTY(cellShows(w, c, 5, pieceOf(art, w, Side::Blue, true), true));
        QVERIFY_EMPTY(ringIs(w, 6, 9, kLiveFrame15));
        QVERIFY(control<QTimer>(w, "blinkTimer")->isActive());

        // Scores, history and the file.
        QCOMPARE(g.resultHistory(), (History{kBlue}));
        QCOMPARE(g.scoreBlue(), 1001);
        QCOMPARE(g.scoreRed(), 999);
        const QByteArray file = h.settingsFile();
        QCOMPARE(file.size(), 37);
        QCOMPARE(le32(file, 0), 1001);
        QCOMPARE(le32(file, 4), 999);
        QCOMPARE(std::uint8_t(file[8]), kBlue);

        // The scoreboard follows on the next tick, bright copies and shadows.
        QCOMPARE(control<SmoothLabel>(w, "blueScore")->text(), QString("1000"));
        QCOMPARE(control<SmoothLabel>(w, "redScore")->text(), QString("1000"));
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "blueScore")->text(), QString("1001"));
        QCOMPARE(control<SmoothLabel>(w, "blueScoreShadow")->text(), QString("1001"));
        QCOMPARE(control<SmoothLabel>(w, "redScore")->text(), QString("999"));
        QCOMPARE(control<SmoothLabel>(w, "redScoreShadow")->text(), QString("999"));
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "blueScore")->text(), QString("1001"));

        // The blink: normal after one tick, highlighted after two.
        blinkTick(w);
        for (int c = 3; c <= 7; ++c)
            QVERIFY_EMPTY(cellShows(w, c, 5, pieceOf(art, w, Side::Blue, false), true));
        QVERIFY(cellShows(w, 3, 5, pieceOf(art, w, Side::Blue, true), true) != QString());
        blinkTick(w);
        for (int c = 3; c <= 7; ++c)
            QVERIFY_EMPTY(cellShows(w, c, 5, pieceOf(art, w, Side::Blue, true), true));

        // The game is over: the board takes no more pieces.
        h.clickCell(10, 10);
        QCOMPARE(g.cell(10, 10), kNone);
        QVERIFY_EMPTY(cellEmpty(w, 10, 10));

        // Next game: Red opens; a fresh board, the blink stopped.
        h.press(control<GlyphButton>(w, "playButton"));
        QCOMPARE(int(g.blueToMove()), 0);
        QVERIFY(!control<QTimer>(w, "blinkTimer")->isActive());
        QVERIFY_EMPTY(cellEmpty(w, 3, 5));
        QVERIFY_EMPTY(cellEmpty(w, 6, 9));
        QCOMPARE(control<BoardPicture>(w, "board")->markCell(Side::Blue), QPoint(0, 0));
        QVERIFY(shows(control<QLabel>(w, "turnIcon"), icon("icons/turn-red.png")));

        clickAll(h, {{10, 2}, {1, 1}, {10, 3}, {1, 3}, {10, 4}, {1, 5}, {10, 5}, {1, 7}});
        h.clickCell(10, 6);
        QCOMPARE(g.winner(), kRed);
        QCOMPARE(g.redLine(), (std::array<std::int32_t, 4>{10, 2, 10, 6}));
        QCOMPARE(h.playedSounds().back(), std::string("RedWins"));
        for (int r = 2; r <= 6; ++r)
            QVERIFY_EMPTY(cellShows(w, 10, r, pieceOf(art, w, Side::Red, true), true));
        QVERIFY_EMPTY(ringIs(w, 1, 7, kLiveFrame15));
        QCOMPARE(g.resultHistory(), (History{kRed, kBlue}));
        QCOMPARE(g.scoreRed(), 1000);
        QCOMPARE(g.scoreBlue(), 1000);
        QCOMPARE(le32(h.settingsFile(), 0), 1000);
        QCOMPARE(std::uint8_t(h.settingsFile()[9]), kBlue);
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "blueScore")->text(), QString("1000"));
        QCOMPARE(control<SmoothLabel>(w, "redScore")->text(), QString("1000"));
    }

    // Blue wins on a diagonal; Stop after one blink tick freezes the normal
    // look. Red then wins on an anti-diagonal, drawn down to the left.
    void diagonalsAndStopFreezingTheBlink() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        auto& g = driven.g;
        startTwoPersonGame(h);
        const Artwork art;
        clickAll(h, {{2, 2}, {10, 1}, {3, 3}, {12, 1}, {4, 4}, {14, 1}, {5, 5}, {10, 3}});
        h.clickCell(6, 6);
        QCOMPARE(g.winner(), kBlue);
        QCOMPARE(g.blueLine(), (std::array<std::int32_t, 4>{2, 2, 6, 6}));
        for (int k = 2; k <= 6; ++k)
            QVERIFY_EMPTY(cellShows(w, k, k, pieceOf(art, w, Side::Blue, true), true));

        blinkTick(w);  // one second on: normal
        const QByteArray before = h.settingsFile();
        h.press(control<GlyphButton>(w, "stopButton"));
        QCOMPARE(int(g.winner()), 0);
        QCOMPARE(g.resultHistory(), (History{kBlue}));  // nothing abandoned
        QCOMPARE(h.settingsFile(), before);
        QVERIFY(
            control<QTimer>(w, "blinkTimer")->isActive());  // enabled, but its ticks do nothing now
        blinkTick(w);
        blinkTick(w);
        blinkTick(w);
        for (int k = 2; k <= 6; ++k)
            QVERIFY_EMPTY(cellShows(w, k, k, pieceOf(art, w, Side::Blue, false), true));

        h.press(control<GlyphButton>(w, "playButton"));
        QCOMPARE(int(g.blueToMove()), 0);
        clickAll(h, {{11, 3}, {1, 10}, {10, 4}, {1, 12}, {9, 5}, {1, 14}, {8, 6}, {3, 10}});
        h.clickCell(7, 7);
        QCOMPARE(g.winner(), kRed);
        QCOMPARE(g.redLine(), (std::array<std::int32_t, 4>{11, 3, 7, 7}));
        for (int k = 0; k <= 4; ++k)
            QVERIFY_EMPTY(cellShows(w, 11 - k, 3 + k, pieceOf(art, w, Side::Red, true), true));
        QVERIFY_EMPTY(cellEmpty(w, 12, 2));
        QVERIFY_EMPTY(cellEmpty(w, 6, 8));
        blinkTick(w);
        for (int k = 0; k <= 4; ++k)
            QVERIFY_EMPTY(cellShows(w, 11 - k, 3 + k, pieceOf(art, w, Side::Red, false), true));
        QCOMPARE(g.resultHistory(), (History{kRed, kBlue}));
    }

    // A run of six on a 20x20 board: all six cells blink; the frames there
    // have the larger boards' colour.
    void runOfSixOnTwentyBoard() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        auto& g = driven.g;
        const Artwork art;
        h.press(control<GlyphButton>(w, "opponentButton"));
        h.press(control<GlyphButton>(w, "sizeButton"));
        QCOMPARE(g.boardSize(), 20);
        h.press(control<GlyphButton>(w, "playButton"));
        QCOMPARE(control<BoardPicture>(w, "board")->size(), QSize(561, 561));
        QCOMPARE(int(g.blueToMove()), 0);  // the size press flipped the opener once more

        h.clickCell(15, 15);
        QVERIFY_EMPTY(cellShows(w, 15, 15, pieceOf(art, w, Side::Red)));
        QVERIFY_EMPTY(ringIs(w, 15, 15, kLiveFrameOther));
        h.clickCell(2, 8);
        QVERIFY_EMPTY(ringIs(w, 2, 8, kLiveFrameOther));
        clickAll(
            h, {{15, 17}, {3, 8}, {17, 15}, {4, 8}, {17, 17}, {6, 8}, {19, 19}, {7, 8}, {12, 12}});
        QVERIFY_EMPTY(ringIs(w, 2, 8, kTrace));
        QVERIFY_EMPTY(ringIs(w, 15, 15, kTrace));
        h.clickCell(5, 8);
        QCOMPARE(g.winner(), kBlue);
        QCOMPARE(g.blueLine(), (std::array<std::int32_t, 4>{2, 8, 7, 8}));
        for (int c = 2; c <= 7; ++c)
            QVERIFY_EMPTY(cellShows(w, c, 8, pieceOf(art, w, Side::Blue, true), true));
        blinkTick(w);
        for (int c = 2; c <= 7; ++c)
            QVERIFY_EMPTY(cellShows(w, c, 8, pieceOf(art, w, Side::Blue, false), true));
        QVERIFY_EMPTY(cellEmpty(w, 8, 8));
    }

    // Play during a game abandons it for the side to move, then starts the
    // next with the opener flipped; Stop abandons likewise and starts nothing.
    void playAndStopAbandonTheGame() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        auto& g = driven.g;
        startTwoPersonGame(h);
        const Artwork art;
        clickAll(h, {{8, 8}, {9, 9}});
        QCOMPARE(int(g.blueToMove()), 1);
        h.sounds.clear();
        h.press(control<GlyphButton>(w, "playButton"));
        QCOMPARE(g.resultHistory(), (History{kRed}));  // Blue was to move and lost
        QCOMPARE(g.scoreRed(), 1001);
        QCOMPARE(g.scoreBlue(), 999);
        QCOMPARE(le32(h.settingsFile(), 4), 1001);
        QCOMPARE(h.playedSounds(), std::vector<std::string>{"Play"});  // no BlueWins, no RedWins
        QCOMPARE(int(g.gameRunning()), 1);
        QCOMPARE(int(g.winner()), 0);
        QCOMPARE(int(g.blueToMove()), 0);
        QVERIFY(!control<QTimer>(w, "blinkTimer")->isActive());
        QVERIFY_EMPTY(cellEmpty(w, 8, 8));
        QVERIFY_EMPTY(cellEmpty(w, 9, 9));

        clickAll(h, {{5, 5}, {6, 6}});
        QCOMPARE(int(g.blueToMove()), 0);
        h.press(control<GlyphButton>(w, "stopButton"));  // Red to move loses
        QCOMPARE(g.resultHistory(), (History{kBlue, kRed}));
        QCOMPARE(g.scoreBlue(), 1000);
        QCOMPARE(g.scoreRed(), 1000);
        QCOMPARE(std::uint8_t(h.settingsFile()[8]), kBlue);
        QCOMPARE(std::uint8_t(h.settingsFile()[9]), kRed);
        QCOMPARE(int(g.gameRunning()), 0);
        QCOMPARE(int(g.winner()), 0);
        QVERIFY(!control<QTimer>(w, "blinkTimer")->isActive());  // nothing blinks
        // The pieces stay where they were; no more are taken.
        QVERIFY_EMPTY(cellShows(w, 5, 5, pieceOf(art, w, Side::Red)));
        h.clickCell(7, 7);
        QCOMPARE(g.cell(7, 7), kNone);

        // Stop with no game changes nothing.
        h.press(control<GlyphButton>(w, "stopButton"));
        QCOMPARE(g.resultHistory(), (History{kBlue, kRed}));
        QCOMPARE(g.scoreBlue(), 1000);
    }

    // A full board without five: the game ends, unscored and unsaved.
    void fullBoardIsADraw() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& g = driven.g;
        startTwoPersonGame(h);
        // Pairs along rows and the anti-diagonals, alternation down the
        // columns and pairs on the diagonals: no line longer than two. All
        // but (15, 15), laid as the game's moves, Blue's first.
        std::vector<PlayedMove> blue, red;
        for (int c = 1; c <= 15; ++c)
            for (int r = 1; r <= 15; ++r)
                if (c < 15 || r < 15)
                    ((c + 2 * r) % 4 < 2 ? blue : red)
                        .push_back(
                            {std::uint8_t(c), std::uint8_t(r),
                             (c + 2 * r) % 4 < 2 ? PieceSource::BlueClick : PieceSource::RedClick});
        blue.insert(blue.end(), red.begin(), red.end());
        h.w().match().replay(blue);
        QCOMPARE(scanFive(g.position()).winner, kNone);
        QCOMPARE(int(g.blueToMove()), 1);

        h.sounds.clear();
        h.clickCell(15, 15);
        QCOMPARE(g.cell(15, 15), kBlue);
        QCOMPARE(int(g.gameRunning()), 0);
        QCOMPARE(int(g.winner()), 0);
        QCOMPARE(g.resultHistory(), History{});
        QCOMPARE(g.scoreBlue(), 1000);
        QCOMPARE(g.scoreRed(), 1000);
        // Told with the quiet closing tune and the banner.
        QCOMPARE(h.playedSounds(), (std::vector<std::string>{"BluePiece", "Exit"}));
        QCOMPARE(control<ResultBanner>(h.w(), "resultBanner")->text(),
                 QString::fromUtf8("Draw — the board is full"));
        QVERIFY(!h.settingsFileExists());
        QVERIFY(!control<QTimer>(h.w(), "blinkTimer")->isActive());
    }

    // Idle presses of the size button go 15 -> 20 -> 30 -> 15, each a new
    // board at its place and a flip of the opener; during a game the press
    // only changes the size the next Play draws.
    void sizeCycleAndOpener() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        auto& g = driven.g;
        const QPoint o = w.backgroundOrigin();
        QCOMPARE(control<BoardPicture>(w, "board")->geometry(),
                 QRect(o + QPoint(222, 21), QSize(556, 556)));
        QCOMPARE(int(g.blueOpens()), 0);
        const struct {
            int side;
            QPoint at;
            int blueOpens;
        } steps[] = {{561, {220, 19}, 1}, {571, {215, 14}, 0}, {556, {222, 21}, 1}};
        for (const auto& s : steps) {
            h.sounds.clear();
            h.press(control<GlyphButton>(w, "sizeButton"));
            QCOMPARE(control<BoardPicture>(w, "board")->geometry(),
                     QRect(o + s.at, QSize(s.side, s.side)));
            QCOMPARE(int(g.blueOpens()), s.blueOpens);
            QCOMPARE(int(g.blueToMove()), s.blueOpens);
            QCOMPARE(h.playedSounds(), std::vector<std::string>{"Click"});
        }
        // The board picture is refilled for the smaller size.
        QVERIFY_EMPTY(cellEmpty(w, 15, 15));
        QCOMPARE(QColor(control<BoardPicture>(w, "board")->bitmap().pixel(555, 555)),
                 QColor(0, 64, 69));

        h.press(control<GlyphButton>(w, "opponentButton"));
        h.press(control<GlyphButton>(w, "playButton"));
        QCOMPARE(int(g.blueToMove()), 0);  // flipped again by Play
        h.clickCell(8, 8);
        h.sounds.clear();
        h.press(control<GlyphButton>(w, "sizeButton"));
        QVERIFY(h.playedSounds().empty());
        QCOMPARE(int(g.sizeCode()), 2);
        QCOMPARE(g.boardSize(), 15);
        QCOMPARE(control<BoardPicture>(w, "board")->size(), QSize(556, 556));
        QCOMPARE(g.cell(8, 8), kRed);
        QCOMPARE(int(g.gameRunning()), 1);
        h.press(control<GlyphButton>(w, "playButton"));
        QCOMPARE(g.boardSize(), 20);
        QCOMPARE(control<BoardPicture>(w, "board")->size(), QSize(561, 561));
    }

    // Human/Computer changes the opponent and its icon only while idle.
    void humanComputerOnlyWhileIdle() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        QVERIFY(shows(control<QLabel>(w, "redIcon"), icon("icons/computer.png")));
        h.press(control<GlyphButton>(w, "opponentButton"));
        QCOMPARE(int(g.redIsHuman()), 1);
        QVERIFY(shows(control<QLabel>(w, "redIcon"), icon("icons/person-red.png")));
        h.press(control<GlyphButton>(w, "playButton"));
        h.sounds.clear();
        h.press(control<GlyphButton>(w, "opponentButton"));
        QCOMPARE(h.playedSounds(), std::vector<std::string>{"Click"});
        QCOMPARE(int(g.redIsHuman()), 1);
        QVERIFY(shows(control<QLabel>(w, "redIcon"), icon("icons/person-red.png")));
        h.press(control<GlyphButton>(w, "stopButton"));
        h.press(control<GlyphButton>(w, "opponentButton"));
        QCOMPARE(int(g.redIsHuman()), 0);
        QVERIFY(shows(control<QLabel>(w, "redIcon"), icon("icons/computer.png")));
    }

    // Clicks that must place nothing: while idle, with another button, on an
    // occupied cell, while the computer is choosing, and the nested ones
    // that arrive inside a placement's or a Play's pause.
    void clicksThatPlaceNothing() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        h.press(control<GlyphButton>(w, "opponentButton"));
        h.clickCell(8, 8);
        QCOMPARE(g.cell(8, 8), kNone);
        h.press(control<GlyphButton>(w, "playButton"));
        QCOMPARE(int(g.blueToMove()), 1);

        h.sounds.clear();
        h.clickCell(8, 8, Qt::RightButton);
        h.clickCell(8, 8, Qt::MiddleButton);
        QCOMPARE(g.cell(8, 8), kNone);
        QVERIFY_EMPTY(cellEmpty(w, 8, 8));
        QVERIFY(h.sounds.empty());
        QCOMPARE(int(g.blueToMove()), 1);

        h.clickCell(8, 8);
        h.clickCell(8, 8);  // Red's turn, but the cell is taken
        QCOMPARE(g.cell(8, 8), kBlue);
        QCOMPARE(int(g.blueToMove()), 0);
        QCOMPARE(g.moveCount(), 1);

        // A second click while Blue's piece is heard is not a second piece.
        h.clickCell(9, 9);  // Red
        h.clickCell(2, 2, Qt::LeftButton, false);
        h.clickCell(1, 1);
        QCOMPARE(g.cell(2, 2), kBlue);
        QCOMPARE(g.cell(1, 1), kNone);
        QVERIFY_EMPTY(cellEmpty(w, 1, 1));
        QCOMPARE(int(g.blueToMove()), 0);
        QCOMPARE(g.moveCount(), 3);

        // A second Play inside the first one's pause abandons nothing and
        // makes no board of its own.
        h.clickCell(3, 3);  // Red; Blue to move
        const std::uint32_t serial = g.boardSerial();
        h.sounds.clear();
        QTest::mouseClick(control<GlyphButton>(w, "playButton"), Qt::LeftButton);
        h.press(control<GlyphButton>(w, "playButton"));  // in the first one's pause
        QCOMPARE(h.playedSounds(), (std::vector<std::string>{"Play", "Play"}));
        QCOMPARE(g.resultHistory(), (History{kRed}));
        QCOMPARE(g.boardSerial(), serial + 1);
        QCOMPARE(int(g.gameRunning()), 1);
    }

    // The time of day and the game clock from the injected clocks.
    void clockTexts() {
        WindowHarness h;
        MainWindow& w = h.w();
        QVERIFY(control<QTimer>(w, "tickTimer")->isActive());
        // Idle at 09:00:00.000, the strip sleeps until the time of day next
        // changes, at 09:00:59.5.
        QCOMPARE(control<QTimer>(w, "tickTimer")->interval(), 59501);
        QVERIFY(!control<QTimer>(w, "blinkTimer")->isActive());
        QCOMPARE(control<QTimer>(w, "blinkTimer")->interval(), 1000);
        h.driveTimersByHand();
        QCOMPARE(control<SmoothLabel>(w, "gameClock")->text(), QString("00:00"));
        h.clockMs = (9 * 3600 + 5 * 60 + 40) * 1000;
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "timeOfDay")->text(), QString("09:05"));
        h.clockMs = (9 * 3600 + 5 * 60 + 59) * 1000 + 500;
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "timeOfDay")->text(), QString("09:06"));
        h.clockMs = (23 * 3600 + 59 * 60 + 59) * 1000 + 400;
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "timeOfDay")->text(), QString("23:59"));
        h.clockMs = (23 * 3600 + 59 * 60 + 59) * 1000 + 600;
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "timeOfDay")->text(), QString("00:00"));

        // No game: the game clock stands.
        h.steadyMs = 5000;
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "gameClock")->text(), QString("00:00"));

        h.press(control<GlyphButton>(w, "opponentButton"));
        h.steadyMs = 10000;
        h.press(control<GlyphButton>(w, "playButton"));
        h.steadyMs = 10000 + (3600 + 2 * 60 + 5) * 1000;
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "gameClock")->text(), QString("02:05"));
        // Setting the wall clock back does not touch the game time.
        h.clockMs -= 3 * 3600 * 1000;
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "gameClock")->text(), QString("02:05"));
        QCOMPARE(control<SmoothLabel>(w, "timeOfDay")->text(), QString("21:00"));

        // After the game the clock keeps its last value...
        h.press(control<GlyphButton>(w, "stopButton"));
        h.steadyMs += 60000;
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "gameClock")->text(), QString("02:05"));
        // ...until the first tick of the next game.
        h.press(control<GlyphButton>(w, "playButton"));
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "gameClock")->text(), QString("00:00"));
        h.steadyMs += 61499;
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "gameClock")->text(), QString("01:01"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFonts();
    GameTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_game.moc"
