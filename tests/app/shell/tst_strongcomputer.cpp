// The strong levels through the real main window: the computer thinks on a
// worker while the window's thread stays free, shows the hourglass, and an
// answer for a game that was stopped, replaced or left never lands.

#include <QSignalSpy>
#include <QTest>

#include "windowharness.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

// Long enough for a whole think on a busy machine; the cancelled ones end
// far sooner.
constexpr int kAnswerWaitMs = 30000;

int pieces(const GameView& g, std::uint8_t colour) {
    int n = 0;
    for (int c = 1; c <= g.boardSize(); ++c)
        for (int r = 1; r <= g.boardSize(); ++r)
            n += g.cell(c, r) == colour;
    return n;
}

// A game against the master level with Blue to open (the harness's draws
// are all 0), and Blue's first piece placed: the computer is thinking.
void masterThinking(WindowHarness& h) {
    MainWindow& w = h.w();
    while (h.g().computerLevel() != 5)
        h.press(control<GlyphButton>(w, "levelButton"));
    h.press(control<GlyphButton>(w, "playButton"));
    QVERIFY(h.g().blueToMove());
    h.clickCell(8, 8);
    QCOMPARE(w.match().step(), MatchControl::Step::ComputerThinking);
}

// Every answer the worker could still post has been delivered or dropped.
void workerDone(MainWindow& w) {
    QTRY_VERIFY_WITH_TIMEOUT(!w.computer().busy(), kAnswerWaitMs);
    QCoreApplication::processEvents();
}

}  // namespace

class StrongComputerTest : public QObject {
    Q_OBJECT
private slots:
    // The click returns while the master thinks: hourglass on, no Red piece
    // yet; the answer comes from the event loop, next to Blue's piece.
    void answersFromTheEventLoop() {
        DrivenWindow driven;
        masterThinking(driven.h);
        MainWindow& w = driven.w;
        QCOMPARE(w.cursor().shape(), Qt::WaitCursor);
        QCOMPARE(pieces(driven.g, kRed), 0);

        QTRY_VERIFY_WITH_TIMEOUT(driven.g.settled(), kAnswerWaitMs);
        QCOMPARE(pieces(driven.g, kRed), 1);
        QVERIFY(driven.g.blueToMove());
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
    }

    // Stop and Exit cancel the think; neither the stopped game nor the
    // quitting window receives its move.
    void stopAndExitDropTheAnswer_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Stop") << "stopButton";
        QTest::newRow("Exit") << "exitButton";
    }
    void stopAndExitDropTheAnswer() {
        QFETCH(QString, button);
        DrivenWindow driven;
        masterThinking(driven.h);
        MainWindow& w = driven.w;
        QSignalSpy quit(&w, &MainWindow::quitRequested);
        driven.h.press(control<GlyphButton>(w, qPrintable(button)));
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(int(driven.g.gameRunning()), 0);
        QCOMPARE(quit.count(), button == "exitButton" ? 1 : 0);

        workerDone(w);
        QCOMPARE(pieces(driven.g, kRed), 0);
        QCOMPARE(driven.g.moveCount(), 1);
        // The window goes, and its worker with it, without waiting for a
        // search nobody wants.
        driven.h.window.reset();
    }

    // Play during the think: the new game (Red opens it) gets its own
    // answer, the centre, and never the old game's.
    void aNewGameNeverReceivesTheStaleMove() {
        DrivenWindow driven;
        masterThinking(driven.h);
        MainWindow& w = driven.w;
        driven.h.press(control<GlyphButton>(w, "playButton"));
        QCOMPARE(driven.g.moveCount(), 0);

        QTRY_VERIFY_WITH_TIMEOUT(driven.g.settled() && driven.g.moveCount() == 1, kAnswerWaitMs);
        workerDone(w);
        QCOMPARE(driven.g.moveCount(), 1);
        QCOMPARE(driven.g.cell(8, 8), kRed);
        QCOMPARE(pieces(driven.g, kBlue), 0);
    }
};

QTEST_MAIN(StrongComputerTest)
#include "tst_strongcomputer.moc"
