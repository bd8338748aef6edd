// What the window tells the player when a game ends: the banner's words for
// each ending, where it sits, that it leaves the board picture alone and
// lets clicks through, and when it goes.

#include <QTest>
#include <QTimer>

#include "app/ui/boardpicture.h"
#include "app/ui/resultbanner.h"
#include "app/widgets/glyphbutton.h"
#include "core/engine/rules.h"
#include "windowharness.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

ResultBanner* banner(MainWindow& w) {
    return control<ResultBanner>(w, "resultBanner");
}

bool bannerShows(MainWindow& w, const QString& text) {
    return banner(w)->isVisibleTo(&w) && banner(w)->text() == text;
}

void press(WindowHarness& h, const char* button) {
    h.press(control<GlyphButton>(h.w(), button));
}

// Four of one colour from (2, row) to (5, row), as if placed; the side to
// move completes the five at (6, row).
void fourInARow(Game& g, std::uint8_t colour, int row) {
    for (int c = 2; c <= 5; ++c) {
        g.cells[cellIndex(c, row)] = colour;
        markZone(g, c, row);
    }
    g.moveCount += 4;
}

}  // namespace

class ResultsTest : public QObject {
    Q_OBJECT
private slots:
    void winsSayWhoWon() {
        {
            // Two people at this machine: the colours. Blue opens the first
            // game, Red the second.
            auto&& [h, w, g] = DrivenWindow{};
            press(h, "opponentButton");
            press(h, "playButton");
            QCOMPARE(int(g.blueToMove), 1);
            fourInARow(g, kBlue, 2);
            h.clickCell(6, 2);
            QCOMPARE(g.winner, kBlue);
            QVERIFY(bannerShows(w, "Blue wins"));

            press(h, "playButton");
            QVERIFY(banner(w)->fading() || banner(w)->isHidden());
            QCOMPARE(int(g.blueToMove), 0);
            fourInARow(g, kRed, 9);
            h.clickCell(6, 9);
            QCOMPARE(g.winner, kRed);
            QVERIFY(bannerShows(w, "Red wins"));
        }
        // Against the computer the player is "you".
        auto&& [h, w, g] = DrivenWindow{};
        press(h, "playButton");
        QCOMPARE(int(g.blueToMove), 1);
        fourInARow(g, kBlue, 2);
        h.clickCell(6, 2);
        QCOMPARE(g.winner, kBlue);
        QVERIFY(bannerShows(w, "You win!"));
    }

    // Stop, Play and Exit during a game: the side to move loses, and the
    // banner says why.
    void abandonsSayWhoLostAndWhy() {
        auto&& [h, w, g] = DrivenWindow{};
        press(h, "opponentButton");
        press(h, "playButton");
        QCOMPARE(int(g.blueToMove), 1);
        press(h, "stopButton");
        QVERIFY(bannerShows(w, QString::fromUtf8("Stopped — Blue loses the game")));

        press(h, "playButton");  // Red opens
        QVERIFY(!banner(w)->isVisibleTo(&w) || banner(w)->fading());
        press(h, "playButton");
        QCOMPARE(g.resultHistory[0], kBlue);
        QVERIFY(bannerShows(w, QString::fromUtf8("New game — Red loses the game")));
        QVERIFY(!banner(w)->fading());

        QCOMPARE(int(g.blueToMove), 1);
        press(h, "exitButton");
        QCOMPARE(banner(w)->text(), QString::fromUtf8("Game closed — Blue loses the game"));
    }

    // Endings decided by the peer or the connection, as the engine reports
    // them to the window.
    void networkEndingsSayWhoLostAndWhy_data() {
        QTest::addColumn<int>("reason");
        QTest::addColumn<int>("winner");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, EndReason reason, std::uint8_t winner, const char* text) {
            QTest::newRow(name) << int(reason) << int(winner) << QString::fromUtf8(text);
        };
        row("peer stopped", EndReason::PeerStopped, kBlue, "Red stopped — Red loses the game");
        row("peer restarted", EndReason::PeerRestarted, kRed,
            "Red started a new game — Blue loses the game");
        row("peer left", EndReason::PeerLeft, kBlue, "Red left — Red loses the game");
        row("connection lost", EndReason::ConnectionLost, kRed,
            "Connection lost — Blue loses the game");
        row("hung up here", EndReason::HungUp, kRed, "Hung up — Blue loses the game");
    }
    void networkEndingsSayWhoLostAndWhy() {
        QFETCH(int, reason);
        QFETCH(int, winner);
        QFETCH(QString, text);
        auto&& [h, w, g] = DrivenWindow{};
        w.gameEnded({EndReason(reason), std::uint8_t(winner)});
        QVERIFY2(bannerShows(w, text), qPrintable(banner(w)->text()));
    }

    // Centred over the board, at most half its width and a sixth of its
    // height; the board's own picture never changes, and the cell beneath
    // the banner still takes the click.
    void bannerSitsOverTheBoardAndLeavesItAlone() {
        auto&& [h, w, g] = DrivenWindow{};
        press(h, "opponentButton");
        press(h, "playButton");
        const BoardPicture* board = control<BoardPicture>(w, "board");
        const QImage before = board->bitmap();
        w.showNotice(QStringLiteral("Caller 127.0.0.1 joined"));
        QCOMPARE(board->bitmap(), before);

        const QRect b = banner(w)->geometry();
        const QRect area = board->geometry();
        QVERIFY(b.width() <= area.width() / 2 && b.height() <= area.height() / 6);
        QVERIFY((b.center() - area.center()).manhattanLength() <= 2);
        QCOMPARE(w.childAt(b.center()), static_cast<QWidget*>(const_cast<BoardPicture*>(board)));

        h.clickCell(8, 8);  // the centre cell, under the banner
        QCOMPARE(g.cell(8, 8), kBlue);
    }

    // The banner goes at the next click anywhere in the window, and after a
    // while by itself.
    void bannerGoesAtTheNextClickOrByItself() {
        auto&& [h, w, g] = DrivenWindow{};
        w.showNotice(QStringLiteral("Connected to 127.0.0.1"));
        QVERIFY(banner(w)->isVisibleTo(&w));
        press(h, "helpButton");
        QVERIFY(banner(w)->fading());
        QTRY_VERIFY(banner(w)->isHidden());

        w.showNotice(QStringLiteral("Red hung up"));
        QVERIFY(!banner(w)->fading());
        QTimer* hold = control<QTimer>(w, "bannerTimer");
        QVERIFY(hold->isActive());
        hold->start(0);
        QTRY_VERIFY(banner(w)->isHidden());
    }
};

QTEST_MAIN(ResultsTest)
#include "tst_results.moc"
