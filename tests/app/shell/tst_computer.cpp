// Games against the computer through the real main window: its opening in
// the centre, its answer inside the very click that asked for it, input
// refused while it chooses, and whole games at every level and board size.

#include <QLabel>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "app/shell/startup.h"
#include "app/ui/artwork.h"
#include "app/ui/boardpicture.h"
#include "app/widgets/glyphbutton.h"
#include "app/widgets/smoothlabel.h"
#include "boardpixels.h"
#include "support/qverifyempty.h"
#include "windowharness.h"
#include "windowlooks.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

int count(const GameView& g, std::uint8_t colour) {
    int n = 0;
    for (int c = 1; c <= g.boardSize(); ++c)
        for (int r = 1; r <= g.boardSize(); ++r)
            n += g.cell(c, r) == colour;
    return n;
}

// The cells that went from empty to this colour.
std::vector<QPoint> newPieces(const Board& before, const GameView& g, std::uint8_t colour) {
    std::vector<QPoint> out;
    for (int c = 1; c <= g.boardSize(); ++c)
        for (int r = 1; r <= g.boardSize(); ++r)
            if (before[cellIndex(c, r)] == kNone && g.cell(c, r) == colour) out.emplace_back(c, r);
    return out;
}

// Blue's simple play: the empty cell nearest the centre, the first in
// column order among equals.
QPoint nearestEmpty(const GameView& g) {
    const int centre = g.boardSize() / 2 + 1;
    QPoint best;
    int bestDist = 1 << 30;
    for (int c = 1; c <= g.boardSize(); ++c)
        for (int r = 1; r <= g.boardSize(); ++r) {
            if (g.cell(c, r) != kNone) continue;
            const int d = (c - centre) * (c - centre) + (r - centre) * (r - centre);
            if (d < bestDist) {
                bestDist = d;
                best = QPoint(c, r);
            }
        }
    return best;
}

// The longest run of colour through (c, r) if a piece of it stood there.
int runThrough(const GameView& g, int c, int r, std::uint8_t colour) {
    int best = 0;
    for (auto [dc, dr] : {std::pair{1, 0}, {0, 1}, {1, 1}, {1, -1}}) {
        int run = 1;
        for (int s : {1, -1})
            for (int k = 1; g.onBoard(c + s * k * dc, r + s * k * dr) &&
                            g.cell(c + s * k * dc, r + s * k * dr) == colour;
                 ++k)
                ++run;
        best = std::max(best, run);
    }
    return best;
}

// Blue's greedy play: a five if there is one, else block Red's five, else
// the longest own run, weighing Red's run almost as much; nearest the
// centre among equals.
QPoint greedy(const GameView& g) {
    const int centre = g.boardSize() / 2 + 1;
    QPoint best;
    long bestScore = -1;
    for (int c = 1; c <= g.boardSize(); ++c)
        for (int r = 1; r <= g.boardSize(); ++r) {
            if (g.cell(c, r) != kNone) continue;
            const int own = runThrough(g, c, r, kBlue);
            const int opp = runThrough(g, c, r, kRed);
            const long score =
                (own >= 5 ? 1000000L : 0) + (opp >= 5 ? 100000L : 0) + own * 1000L + opp * 900L +
                100 - std::min(100, (c - centre) * (c - centre) + (r - centre) * (r - centre));
            if (score > bestScore) {
                bestScore = score;
                best = QPoint(c, r);
            }
        }
    return best;
}

}  // namespace

class ComputerTest : public QObject {
    Q_OBJECT
private slots:
    // Red opening a game against the computer: Play ends with Red's piece in
    // the centre, drawn and framed, and the turn back with Blue.
    void redOpensInTheCentre_data() {
        QTest::addColumn<int>("sizePresses");
        QTest::addColumn<int>("startRandom");
        QTest::addColumn<int>("centre");
        // The draw at start and each new board (size presses, Play) decide
        // the opener; these make Red open the game Play starts.
        QTest::newRow("15x15") << 0 << 1 << 8;
        QTest::newRow("20x20") << 1 << 0 << 11;
        QTest::newRow("30x30") << 2 << 1 << 16;
    }
    void redOpensInTheCentre() {
        QFETCH(int, sizePresses);
        QFETCH(int, startRandom);
        QFETCH(int, centre);
        WindowHarness h(QRect(0, 0, 1024, 768), {}, {std::uint32_t(startRandom)});
        h.driveTimersByHand();
        MainWindow& w = h.w();
        const GameView g = h.g();
        const Artwork art;
        for (int i = 0; i < sizePresses; ++i)
            h.press(control<GlyphButton>(w, "sizeButton"));
        h.sounds.clear();
        h.press(control<GlyphButton>(w, "playButton"));

        QCOMPARE(g.cell(centre, centre), kRed);
        QCOMPARE(count(g, kRed), 1);
        QCOMPARE(count(g, kBlue), 0);
        QCOMPARE(g.moveCount(), 1);
        QCOMPARE(int(g.blueToMove()), 1);
        QVERIFY(g.settled());
        QCOMPARE(int(g.gameRunning()), 1);
        QVERIFY_EMPTY(cellShows(w, centre, centre, pieceOf(art, w, Side::Red)));
        QVERIFY_EMPTY(ringIs(w, centre, centre, liveFrame(g)));
        QCOMPARE(control<QLabel>(w, "turnIcon")->pixmap().toImage(), icon("icons/turn-blue.png"));
        QCOMPARE(h.sounds, (Strings{"stop", "play Play", "delay 200", "stop", "play RedPiece"}));
    }

    // Blue's click is answered before the click's handling ends: the Red
    // piece is on the board and in the picture when the click returns.
    void blueClickIsAnsweredAtOnce() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        auto& g = driven.g;
        const Artwork art;
        h.press(control<GlyphButton>(w, "playButton"));
        QCOMPARE(int(g.blueToMove()), 1);
        QCOMPARE(count(g, kRed), 0);

        h.sounds.clear();
        const Board before = g.cells();
        h.clickCell(8, 8);
        const auto red = newPieces(before, g, kRed);
        QCOMPARE(red.size(), std::size_t(1));
        const QPoint reply = red.front();
        // The first reply lies next to a piece.
        QVERIFY(std::abs(reply.x() - 8) <= 1 && std::abs(reply.y() - 8) <= 1);
        QCOMPARE(g.moveCount(), 2);
        QCOMPARE(int(g.blueToMove()), 1);
        QVERIFY(g.settled());
        QVERIFY_EMPTY(cellShows(w, reply.x(), reply.y(), pieceOf(art, w, Side::Red)));
        QVERIFY_EMPTY(ringIs(w, reply.x(), reply.y(), kLiveFrame15));
        QVERIFY_EMPTY(ringIs(w, 8, 8, kLiveFrame15));
        QCOMPARE(control<QLabel>(w, "turnIcon")->pixmap().toImage(), icon("icons/turn-blue.png"));
        QCOMPARE(h.sounds,
                 (Strings{"stop", "play BluePiece", "delay 150", "stop", "play RedPiece"}));

        // The next Blue move: Blue's frame moves on, and so does Red's.
        const Board before2 = g.cells();
        const QPoint blue = nearestEmpty(g);
        h.clickCell(blue.x(), blue.y());
        const auto red2 = newPieces(before2, g, kRed);
        QCOMPARE(red2.size(), std::size_t(1));
        QVERIFY_EMPTY(ringIs(w, 8, 8, kTrace));
        QVERIFY_EMPTY(ringIs(w, reply.x(), reply.y(), kTrace));
        QVERIFY_EMPTY(ringIs(w, red2.front().x(), red2.front().y(), kLiveFrame15));
    }

    // While Blue's piece is heard, a second click and Play are refused (Play
    // still sounds); Stop ends the game there, before the computer answers.
    void inputWhileBluesPieceIsHeard() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        auto& g = driven.g;
        h.press(control<GlyphButton>(w, "playButton"));
        const int serial = g.boardSerial();
        h.sounds.clear();
        h.clickCell(8, 8, Qt::LeftButton, false);
        h.clickCell(1, 1, Qt::LeftButton, false);
        QTest::mouseClick(control<GlyphButton>(w, "playButton"), Qt::LeftButton);
        h.settle();
        QCOMPARE(g.cell(1, 1), kNone);
        QCOMPARE(count(g, kBlue), 1);
        QCOMPARE(count(g, kRed), 1);
        QCOMPARE(g.boardSerial(), serial);
        QCOMPARE(g.resultHistory(), (std::array<std::uint8_t, 10>{}));
        QCOMPARE(h.sounds, (Strings{"stop", "play BluePiece", "delay 150", "stop", "play Play",
                                    "stop", "play RedPiece"}));

        h.sounds.clear();
        const QPoint next = nearestEmpty(g);
        h.clickCell(next.x(), next.y(), Qt::LeftButton, false);
        QTest::mouseClick(control<GlyphButton>(w, "stopButton"), Qt::LeftButton);
        h.settle();
        QCOMPARE(count(g, kRed), 1);  // no answer to a stopped game
        QCOMPARE(int(g.gameRunning()), 0);
        QCOMPARE(g.resultHistory()[0], kRed);  // Blue was still to move
        QCOMPARE(g.resultHistory()[1], kNone);
        QCOMPARE(h.sounds, (Strings{"stop", "play BluePiece", "delay 150", "stop", "play Click"}));
    }

    // Blue's winning click: the game ends there, the computer does not
    // answer, and the victory sounds.
    void blueWinsAgainstTheComputer() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        auto& g = driven.g;
        const Artwork art;
        h.press(control<GlyphButton>(w, "playButton"));
        std::vector<PlayedMove> moves;
        for (int c = 2; c <= 5; ++c) {
            moves.push_back({std::uint8_t(c), 2, PieceSource::BlueClick});
            moves.push_back({std::uint8_t(c), 9, PieceSource::Computer});
        }
        w.match().replay(moves);
        h.sounds.clear();
        const Board before = g.cells();
        h.clickCell(6, 2);
        QCOMPARE(g.winner(), kBlue);
        QCOMPARE(int(g.gameRunning()), 0);
        QVERIFY(newPieces(before, g, kRed).empty());
        QCOMPARE(g.moveCount(), 9);
        QCOMPARE(h.sounds,
                 (Strings{"stop", "play BluePiece", "delay 150", "stop", "play BlueWins"}));
        QVERIFY_EMPTY(cellShows(w, 6, 2, pieceOf(art, w, Side::Blue, true), true));
        QCOMPARE(g.resultHistory()[0], kBlue);
        QCOMPARE(g.scoreBlue(), 1001);
        QVERIFY(control<QTimer>(w, "blinkTimer")->isActive());
    }

    // Whole games, Blue playing the empty cell nearest the centre or a greedy
    // line of its own, until one side has five or the board is full; then
    // the next game, whose opener is the other side.
    void wholeGame_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("sizeCode");
        QTest::addColumn<bool>("greedyBlue");
        for (int level = 1; level <= 3; ++level)
            for (int size = 1; size <= 3; ++size)
                for (bool greedyBlue : {false, true})
                    QTest::addRow("level %d, size %d, %s", level, size,
                                  greedyBlue ? "greedy Blue" : "nearest Blue")
                        << level << size << greedyBlue;
    }
    void wholeGame() {
        QFETCH(int, level);
        QFETCH(int, sizeCode);
        QFETCH(bool, greedyBlue);
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        auto& g = driven.g;
        const Artwork art;
        h.press(control<GlyphButton>(w, "soundToggle"));  // quiet and without pauses
        while (g.computerLevel() != level)
            h.press(control<GlyphButton>(w, "levelButton"));
        while (g.sizeCode() != sizeCode)
            h.press(control<GlyphButton>(w, "sizeButton"));
        QCOMPARE(control<SmoothLabel>(w, "levelDigit")->text(), QString::number(level));

        h.press(control<GlyphButton>(w, "playButton"));
        const bool redOpened = g.moveCount() == 1;
        QCOMPARE(count(g, kRed), redOpened ? 1 : 0);
        const int n = g.boardSize();
        QPoint lastRed(0, 0);
        int moves = 0;
        while (g.gameRunning()) {
            QVERIFY(moves++ < n * n);
            QCOMPARE(int(g.blueToMove()), 1);
            const Board before = g.cells();
            const QPoint blue = greedyBlue ? greedy(g) : nearestEmpty(g);
            const int blues = count(g, kBlue);
            h.clickCell(blue.x(), blue.y());
            QCOMPARE(g.cell(blue.x(), blue.y()), kBlue);
            QCOMPARE(count(g, kBlue), blues + 1);
            const auto red = newPieces(before, g, kRed);
            if (g.winner() == kBlue) {
                QCOMPARE(red.size(), std::size_t(0));
                break;
            }
            if (!g.gameRunning() && g.winner() == kNone) break;  // Blue filled the board
            // Exactly one answer, drawn, framed; Red's earlier frame a trace.
            QCOMPARE(red.size(), std::size_t(1));
            const QPoint r = red.front();
            QCOMPARE(count(g, kRed), count(g, kBlue) + (redOpened ? 1 : 0));
            if (g.gameRunning()) {
                QCOMPARE(int(g.blueToMove()), 1);
                QVERIFY_EMPTY(cellShows(w, r.x(), r.y(), pieceOf(art, w, Side::Red)));
                QVERIFY_EMPTY(ringIs(w, r.x(), r.y(), liveFrame(g)));
                if (lastRed.x() > 0) QVERIFY_EMPTY(ringIs(w, lastRed.x(), lastRed.y(), kTrace));
                QVERIFY_EMPTY(ringIs(w, blue.x(), blue.y(), liveFrame(g)));
            }
            lastRed = r;
        }
        QCOMPARE(int(g.gameRunning()), 0);
        QVERIFY(g.settled());
        QVERIFY(h.sounds.empty());

        if (g.winner() == kNone) {
            QCOMPARE(g.moveCount(), n * n);
            QCOMPARE(g.resultHistory(), (std::array<std::uint8_t, 10>{}));
            QVERIFY(!h.settingsFileExists());
        } else {
            // The recorded line: five or more of the winner's pieces, drawn
            // highlighted; history, scores and file follow.
            const Side side = g.winner() == kBlue ? Side::Blue : Side::Red;
            const auto& line = side == Side::Blue ? g.blueLine() : g.redLine();
            const int dc = line[2] > line[0] ? 1 : line[2] < line[0] ? -1 : 0;
            const int dr = line[3] > line[1] ? 1 : 0;
            const int length = std::max(std::abs(line[2] - line[0]), line[3] - line[1]) + 1;
            QVERIFY(length >= 5);
            for (int k = 0; k < length; ++k) {
                const int c = line[0] + k * dc;
                const int r = line[1] + k * dr;
                QCOMPARE(g.cell(c, r), g.winner());
                QVERIFY_EMPTY(cellShows(w, c, r, pieceOf(art, w, side, true), true));
            }
            QCOMPARE(g.resultHistory()[0], g.winner());
            QCOMPARE(g.scoreBlue(), g.winner() == kBlue ? 1001 : 999);
            QCOMPARE(g.scoreRed(), g.winner() == kRed ? 1001 : 999);
            QCOMPARE(h.settingsFile().size(), 37);
            QCOMPARE(std::uint8_t(h.settingsFile()[8]), g.winner());
        }

        // The next game is opened by the other side; when that is Red, its
        // first piece goes to the centre.
        h.press(control<GlyphButton>(w, "playButton"));
        const int centre = n / 2 + 1;
        if (redOpened) {
            QCOMPARE(count(g, kRed) + count(g, kBlue), 0);
        } else {
            QCOMPARE(g.cell(centre, centre), kRed);
            QCOMPARE(count(g, kRed), 1);
            QVERIFY_EMPTY(cellShows(w, centre, centre, pieceOf(art, w, Side::Red)));
        }
        QCOMPARE(int(g.blueToMove()), 1);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFonts();
    ComputerTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_computer.moc"
