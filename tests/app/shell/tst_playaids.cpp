// The play aids through the real main window: Ctrl+Z, H and N reach the
// game from the keyboard, the hint and the move numbers sit over the board
// picture without touching it, and keys typed into a text field stay there.

#include <QLineEdit>
#include <QTest>

#include "app/network/netlink.h"
#include "app/ui/boardnotice.h"
#include "app/ui/hintframe.h"
#include "app/ui/movenumbers.h"
#include "windowharness.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

// The hint thinks at the master level on the computer's worker: long
// enough for a whole think on a busy machine.
constexpr int kHintWaitMs = 30000;

void startTwoPersonGame(WindowHarness& h) {
    h.press(control<GlyphButton>(h.w(), "opponentButton"));
    h.press(control<GlyphButton>(h.w(), "playButton"));
}

const QImage& bitmap(MainWindow& w) {
    return control<BoardPicture>(w, "board")->bitmap();
}

}  // namespace

class PlayAidsTest : public QObject {
    Q_OBJECT
private slots:
    // Against the computer: after Ctrl+Z the record and the board picture
    // (pieces, frames, traces) are those of the game played one move shorter.
    void undoShowsTheShorterGame() {
        DrivenWindow playedWindow{};
        [[maybe_unused]] auto& played = playedWindow.h;
        [[maybe_unused]] auto& w = playedWindow.w;
        [[maybe_unused]] auto& g = playedWindow.g;
        DrivenWindow shorterWindow{};
        [[maybe_unused]] auto& shorter = shorterWindow.h;
        [[maybe_unused]] auto& ws = shorterWindow.w;
        [[maybe_unused]] auto& gs = shorterWindow.g;
        for (WindowHarness* h : {&played, &shorter})
            h->press(control<GlyphButton>(h->w(), "playButton"));
        for (auto [c, r] : {std::pair{4, 4}, {12, 4}, {4, 12}})
            played.clickCell(c, r);
        for (auto [c, r] : {std::pair{4, 4}, {12, 4}})
            shorter.clickCell(c, r);
        QCOMPARE(g.moves().size(), 6u);

        QVERIFY(activate(w));
        played.sounds.clear();
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(g.position() == gs.position());
        QCOMPARE(g.blueToMove(), gs.blueToMove());
        QVERIFY(bitmap(w) == bitmap(ws));
        QVERIFY(played.sounds.empty());
    }

    // In a network game the key only says why nothing happened.
    void undoInANetworkGameSaysSo() {
        WindowHarness listener;  // listens on its own port; w calls it
        const std::uint16_t port = listener.w().netLink().port();
        DrivenWindow harness(QRect(0, 0, 1024, 768), QString(), std::deque<std::uint32_t>{}, port);
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        w.options().setPeerAddress("127.0.0.1");
        w.network().onCallClicked();
        h.settle();  // the dial tone
        QVERIFY(QTest::qWaitFor([&] { return g.connected() && listener.g().connected(); }, 10000));
        h.press(control<GlyphButton>(w, "playButton"));
        if (!g.blueToMove()) {
            QVERIFY(QTest::qWaitFor([&] { return listener.g().gameRunning(); }, 10000));
            listener.clickCell(1, 1);
            QVERIFY(QTest::qWaitFor([&] { return g.blueToMove(); }, 10000));
        }
        h.clickCell(8, 8);
        const Position before = g.position();
        QVERIFY(activate(w));
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(g.position() == before);
        QVERIFY(control<BoardNotice>(w, "boardNotice")->isVisible());
        QVERIFY(control<BoardNotice>(w, "boardNotice")->text().contains("network"));
    }

    // Blue can complete five at (2, 5): the hint frames that cell, changes
    // neither the record nor the board picture, and goes once it is taken.
    void hintFramesTheComputersChoice() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        startTwoPersonGame(h);
        for (auto [c, r] :
             {std::pair{3, 5}, {3, 9}, {4, 5}, {4, 9}, {5, 5}, {5, 9}, {6, 5}, {7, 5}})
            h.clickCell(c, r);
        const Position before = g.position();
        const QImage picture = bitmap(w);
        QVERIFY(activate(w));
        QTest::keyClick(&w, Qt::Key_H);
        auto* frame = control<HintFrame>(w, "hintFrame");
        QVERIFY(bitmap(w) == picture);  // nothing until the answer comes
        QTRY_VERIFY_WITH_TIMEOUT(frame->isPulsing() && frame->isVisible(), kHintWaitMs);
        QCOMPARE(frame->cell(), QPoint(2, 5));
        QVERIFY(g.position() == before);

        h.clickCell(2, 5);
        QTRY_VERIFY(!frame->isVisible());
    }

    // A hint still being thought about when the position changes never
    // shows: neither after a move, nor once the game has ended.
    void aHintForAnOldPositionIsDropped_data() {
        QTest::addColumn<bool>("stop");
        QTest::newRow("a move") << false;
        QTest::newRow("Stop") << true;
    }
    void aHintForAnOldPositionIsDropped() {
        QFETCH(bool, stop);
        DrivenWindow harness{};
        auto& h = harness.h;
        auto& w = harness.w;
        startTwoPersonGame(h);
        h.clickCell(8, 8);
        h.clickCell(9, 9);
        QVERIFY(activate(w));
        QTest::keyClick(&w, Qt::Key_H);
        if (stop)
            h.press(control<GlyphButton>(w, "stopButton"));
        else
            h.clickCell(3, 3);
        QTRY_VERIFY_WITH_TIMEOUT(!w.computer().busy(), kHintWaitMs);
        QCoreApplication::processEvents();
        QVERIFY(!control<HintFrame>(w, "hintFrame")->isVisible());
    }

    // N shows the numbers and hides them again; on a 30x30 board only the
    // last nine moves carry one.
    void moveNumbersToggleAndLastNineOnTheLargestBoard() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        h.press(control<GlyphButton>(w, "opponentButton"));
        h.press(control<GlyphButton>(w, "sizeButton"));
        h.press(control<GlyphButton>(w, "sizeButton"));
        h.press(control<GlyphButton>(w, "playButton"));
        QCOMPARE(g.boardSize(), 30);
        for (int k = 1; k <= 12; ++k)
            h.clickCell(2 * k, k % 2 ? 3 : 20);
        auto* numbers = control<MoveNumbers>(w, "moveNumbers");
        QVERIFY(!numbers->isVisible());
        QCOMPARE(numbers->firstNumbered(), 3u);
        QVERIFY(activate(w));
        QTest::keyClick(&w, Qt::Key_N);
        QVERIFY(numbers->isVisible());
        QTest::keyClick(&w, Qt::Key_N);
        QVERIFY(!numbers->isVisible());
    }

    // The three keys typed into the address field are text, not aids.
    void keysInATextFieldStayThere() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        startTwoPersonGame(h);
        h.clickCell(8, 8);
        h.clickCell(9, 9);
        const std::vector<PlayedMove> before = g.moves();
        h.press(control<GlyphButton>(w, "internetButton"));
        QVERIFY(activate(w));
        auto* field = control<QLineEdit>(w, "addressEdit");
        field->setFocus();
        field->clear();
        QTest::keyClick(field, Qt::Key_H);
        QTest::keyClick(field, Qt::Key_N);
        QCOMPARE(field->text(), QString("hn"));
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);  // the field's own undo
        QCOMPARE(field->text(), QString());                      // the typing taken back
        QVERIFY(g.moves() == before);
        QVERIFY(!control<HintFrame>(w, "hintFrame")->isVisible());
        QVERIFY(!control<MoveNumbers>(w, "moveNumbers")->isVisible());
    }
};

QTEST_MAIN(PlayAidsTest)
#include "tst_playaids.moc"
