// What the window tells the player when a game ends: the banner's words,
// where it sits, that it leaves the board picture alone and lets clicks
// through, and when it goes.

#include <QTest>
#include <QTimer>

#include "app/ui/boardpicture.h"
#include "app/ui/resultbanner.h"
#include "app/widgets/glyphbutton.h"
#include "windowharness.h"

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

// Blue, to move, completes a row of five with a click at (6, 2).
void blueWins(WindowHarness& h, PieceSource red) {
    std::vector<PlayedMove> moves = h.g().moves();
    for (int c = 2; c <= 5; ++c) {
        moves.push_back({std::uint8_t(c), 2, PieceSource::BlueClick});
        moves.push_back({std::uint8_t(c), 12, red});
    }
    h.w().match().replay(moves);
    h.clickCell(6, 2);
    QCOMPARE(h.g().winner(), kBlue);
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

    // Centred over the board, at most half its width and a sixth of its
    // height; the board's own picture never changes, and the cell beneath
    // the banner still takes the click.
    void bannerSitsOverTheBoardAndLeavesItAlone() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        press(h, "opponentButton");
        press(h, "playButton");
        BoardPicture* board = control<BoardPicture>(w, "board");
        const QImage before = board->bitmap();
        w.showNotice(QStringLiteral("Caller 127.0.0.1 joined"));
        QCOMPARE(board->bitmap(), before);

        const QRect b = banner(w)->geometry();
        const QRect area = board->geometry();
        QVERIFY(b.width() <= area.width() / 2 && b.height() <= area.height() / 6);
        QVERIFY((b.center() - area.center()).manhattanLength() <= 2);
        QCOMPARE(w.childAt(b.center()), static_cast<QWidget*>(board));
        h.clickCell(8, 8);  // the centre cell, under the banner
        QCOMPARE(g.cell(8, 8), kBlue);
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
