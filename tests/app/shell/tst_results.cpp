// What the window tells the player when a game ends: the banner's words,
// where it sits (never over the winning line, nor over a piece just
// placed), that it leaves the board picture alone and lets clicks through,
// when it goes, and the result that stays in the panel afterwards.

#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/ui/boardpicture.h"
#include "app/ui/resultbanner.h"
#include "app/ui/resultline.h"
#include "app/widgets/glyphbutton.h"
#include "core/engine/board.h"
#include "support/qverifyempty.h"
#include "windowharness.h"
#include "windowlooks.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

ResultBanner* banner(MainWindow& w) {
    return control<ResultBanner>(w, "resultBanner");
}

bool bannerShows(MainWindow& w, const char* text) {
    return banner(w)->isVisibleTo(&w) && !banner(w)->fading() &&
           banner(w)->text() == QString::fromUtf8(text);
}

void press(WindowHarness& h, const char* button) {
    h.press(control<GlyphButton>(h.w(), button));
}

// A game between two people here, Blue to move first or second.
void startTwoPersonGame(WindowHarness& h) {
    press(h, "opponentButton");
    press(h, "playButton");
}

// Blue, to move, has four in a row from `from` by `step` (Red's four moves
// stand on row 4, clear of every line the tests draw), then clicks the fifth.
void blueCompletesFive(WindowHarness& h, QPoint from, QPoint step, PieceSource red) {
    std::vector<PlayedMove> moves = h.g().moves();
    for (int k = 0; k < 4; ++k) {
        const QPoint blue = from + k * step;
        moves.push_back({std::uint8_t(blue.x()), std::uint8_t(blue.y()), PieceSource::BlueClick});
        moves.push_back({std::uint8_t(k + 2), 4, red});
    }
    h.w().match().replay(moves);
    const QPoint last = from + 4 * step;
    h.clickCell(last.x(), last.y());
    QCOMPARE(h.g().winner(), kBlue);
}

// Blue, to move, completes a row of five with a click at (6, 2).
void blueWins(WindowHarness& h, PieceSource red) {
    blueCompletesFive(h, QPoint(2, 2), QPoint(1, 0), red);
}

}  // namespace

class ResultsTest : public QObject {
    Q_OBJECT
private slots:
    // Between two people here the banner names the colour; against the
    // computer the player is "you".
    void winsSayWhoWon() {
        {
            DrivenWindow harness{};
            [[maybe_unused]] auto& h = harness.h;
            [[maybe_unused]] auto& w = harness.w;
            [[maybe_unused]] auto& g = harness.g;
            press(h, "opponentButton");
            press(h, "playButton");
            blueWins(h, PieceSource::RedClick);
            QVERIFY(bannerShows(w, "Blue wins"));
        }
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        press(h, "playButton");
        blueWins(h, PieceSource::Computer);
        QVERIFY(bannerShows(w, "You win!"));
    }

    // Stop, Play and Exit during a game: the side to move loses, and the
    // banner says why; the peer's and the connection's reasons read alike.
    void abandonsSayWhoLostAndWhy() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        press(h, "opponentButton");
        press(h, "playButton");
        QCOMPARE(int(g.blueToMove()), 1);
        press(h, "stopButton");
        QVERIFY(bannerShows(w, "Stopped — Blue loses the game"));
        press(h, "playButton");  // Red opens
        press(h, "playButton");
        QVERIFY(bannerShows(w, "New game — Red loses the game"));
        w.console().gameEnded({EndReason::PeerRestarted, kRed});
        QVERIFY(bannerShows(w, "Red started a new game — Blue loses the game"));
        w.console().gameEnded({EndReason::ConnectionLost, kBlue});
        QVERIFY(bannerShows(w, "Connection lost — Red loses the game"));
        press(h, "exitButton");  // its pauses may outlast the banner: the words only
        QCOMPARE(banner(w)->text(), QString::fromUtf8("Game closed — Blue loses the game"));
    }

    // The banner never hides the winning line: a five along either edge
    // band, or across the board, leaves it over the other band. It covers
    // no more than half the board's width and a sixth of its height, and
    // lets the pointer through to the board.
    void bannerClearOfTheWinningLine_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("step");
        QTest::newRow("along the bottom row") << QPoint(6, 15) << QPoint(1, 0);
        QTest::newRow("along the top row") << QPoint(6, 1) << QPoint(1, 0);
        QTest::newRow("down to the bottom edge") << QPoint(8, 11) << QPoint(0, 1);
        QTest::newRow("diagonal to a corner") << QPoint(11, 11) << QPoint(1, 1);
        QTest::newRow("across the middle") << QPoint(6, 8) << QPoint(1, 0);
    }
    void bannerClearOfTheWinningLine() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, step);
        WindowHarness h;
        MainWindow& w = h.w();
        startTwoPersonGame(h);
        BoardPicture* board = control<BoardPicture>(w, "board");
        blueCompletesFive(h, from, step, PieceSource::RedClick);
        QVERIFY(bannerShows(w, "Blue wins"));

        const QRect b = banner(w)->geometry();
        const QRect area = board->geometry();
        QVERIFY(area.contains(b));
        QVERIFY(b.width() <= area.width() / 2 && b.height() <= area.height() / 6);
        for (int k = 0; k < 5; ++k) {
            const QPoint cell = from + k * step;
            const QRect shown = board->cellRect(cell.x(), cell.y()).toAlignedRect();
            QVERIFY2(!b.intersects(shown.translated(area.topLeft())),
                     qPrintable(QString("covers (%1,%2)").arg(cell.x()).arg(cell.y())));
        }
        QCOMPARE(w.childAt(b.center()), static_cast<QWidget*>(board));
    }

    // A piece that lands under a notice (a peer's move while "Caller ...
    // joined" shows) is in view at once: the notice moves off it, or goes.
    void aPieceLandingUnderANoticeShows() {
        DrivenWindow driven{};
        WindowHarness& h = driven.h;
        MainWindow& w = driven.w;
        GameView& g = driven.g;
        startTwoPersonGame(h);
        BoardPicture* board = control<BoardPicture>(w, "board");
        const QImage before = board->bitmap();
        w.showNotice(QStringLiteral("Caller 127.0.0.1 joined"));
        QCOMPARE(board->bitmap(), before);  // words over the board, never in it
        const QRect first = banner(w)->geometry();
        const QPoint under = board->mapFromParent(first.center());
        const int col = pixelToCell(under.x(), g.cellPitch());
        const int row = pixelToCell(under.y(), g.cellPitch());
        h.clickCell(col, row);  // the click reaches the cell beneath
        QCOMPARE(g.cell(col, row), kBlue);
        const QRect piece =
            board->cellRect(col, row).toAlignedRect().translated(board->geometry().topLeft());
        QVERIFY(banner(w)->isHidden() || !banner(w)->geometry().intersects(piece));
        QVERIFY(banner(w)->isHidden() || banner(w)->geometry() != first);
    }

    // On the 30 board pieces stand on every third row from `firstRow`.
    // Where a band of the board is clear the Stop banner sits there and
    // hides no piece (a banner in the middle of the board hid a crowd of
    // small pieces until it faded); where none is, every piece it does not
    // cover is on the screen. Either way all are while it fades and once it
    // has gone.
    void piecesStayOnScreenAroundTheStopBanner_data() {
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<bool>("roomForTheBanner");
        QTest::newRow("all over the board") << 2 << 30 << false;
        QTest::newRow("in the middle") << 11 << 20 << true;
    }
    void piecesStayOnScreenAroundTheStopBanner() {
        QFETCH(int, firstRow);
        QFETCH(int, lastRow);
        QFETCH(bool, roomForTheBanner);
        WindowHarness h(QGuiApplication::primaryScreen()->geometry());
        MainWindow& w = h.w();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        press(h, "sizeButton");
        press(h, "sizeButton");
        startTwoPersonGame(h);
        QCOMPARE(h.g().boardSize(), 30);
        // Every third row, the colours taking turns: no five anywhere.
        std::vector<PlayedMove> blue, red, moves;
        for (int c = 1; c <= 30; ++c)
            for (int r = firstRow; r <= lastRow; r += 3) {
                const bool isRed = (c + r / 3) % 2;
                (isRed ? red : blue)
                    .push_back({std::uint8_t(c), std::uint8_t(r),
                                isRed ? PieceSource::RedClick : PieceSource::BlueClick});
            }
        for (std::size_t k = 0; k < blue.size(); ++k) {
            moves.push_back(blue[k]);
            moves.push_back(red[k]);
        }
        w.match().replay(moves);
        QCoreApplication::processEvents();
        press(h, "stopButton");
        BoardPicture* board = control<BoardPicture>(w, "board");
        // The centre pixel of every piece not under the banner, as drawn.
        auto missing = [&] {
            QCoreApplication::processEvents();
            const QImage screen = w.screen()->grabWindow(0).toImage();
            const bool covering = banner(w)->isVisible() && !roomForTheBanner;
            const QRect over = covering ? banner(w)->geometry() : QRect();
            for (int c = 1; c <= 30; ++c)
                for (int r = 1; r <= 30; ++r) {
                    if (h.g().cell(c, r) == kNone) continue;
                    const QRect cell = board->cellRect(c, r).toAlignedRect();
                    if (over.intersects(cell.translated(board->pos()))) continue;
                    const QPoint at = board->mapToGlobal(cell.center());
                    if (screen.pixel(at) != board->bitmap().pixel(cell.center()))
                        return QString("(%1,%2)").arg(c).arg(r);
                }
            return QString();
        };
        QVERIFY_EMPTY(missing());
        control<QTimer>(w, "bannerTimer")->start(0);
        QTRY_VERIFY(banner(w)->fading());
        QTest::qWait(ResultBanner::kFadeMs / 2);
        QVERIFY_EMPTY(missing());
        QTRY_VERIFY(banner(w)->isHidden());
        QVERIFY_EMPTY(missing());
    }

    // After the banner has gone, the result stays below the game buttons
    // until the next game starts; the turn lamp shows the winner meanwhile.
    // Before the first game ends the line shows nothing.
    void theResultStaysInThePanel() {
        DrivenWindow driven{};
        WindowHarness& h = driven.h;
        MainWindow& w = driven.w;
        GameView& g = driven.g;
        auto* line = control<ResultLine>(w, "resultLine");
        QVERIFY(line->isHidden());
        startTwoPersonGame(h);
        blueWins(h, PieceSource::RedClick);
        QCOMPARE(int(g.blueToMove()), 0);  // the turn passed, but Blue has won
        QVERIFY(shows(control<QLabel>(w, "turnIcon"), icon("icons/turn-blue.png")));
        control<QTimer>(w, "bannerTimer")->start(0);
        QTRY_VERIFY(banner(w)->isHidden());
        QVERIFY(line->isVisibleTo(&w));
        QCOMPARE(line->text(), QStringLiteral("Blue wins"));
        press(h, "sizeButton");  // a new board is no new game
        QCOMPARE(line->text(), QStringLiteral("Blue wins"));

        press(h, "playButton");
        QVERIFY(line->isHidden());
        QCOMPARE(int(g.blueToMove()), 1);
        QVERIFY(shows(control<QLabel>(w, "turnIcon"), icon("icons/turn-blue.png")));
        press(h, "stopButton");  // Blue to move stops: Red wins it
        QCOMPARE(line->text(), QString::fromUtf8("Stopped — Blue loses the game"));
        QVERIFY(shows(control<QLabel>(w, "turnIcon"), icon("icons/turn-red.png")));
    }

    // The banner goes at the next click anywhere in the window, and after a
    // while by itself.
    void bannerGoesAtTheNextClickOrByItself() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        w.showNotice(QStringLiteral("Connected to 127.0.0.1"));
        press(h, "helpButton");
        QVERIFY(banner(w)->fading());
        QTRY_VERIFY(banner(w)->isHidden());

        w.showNotice(QStringLiteral("Red hung up"));
        QVERIFY(bannerShows(w, "Red hung up"));
        control<QTimer>(w, "bannerTimer")->start(0);
        QTRY_VERIFY(banner(w)->isHidden());
    }
};

QTEST_MAIN(ResultsTest)
#include "tst_results.moc"
