#pragma once
// A window's game as the window tests ask about it, one question a line:
// read from match control, the options, the scores and network play, each
// of which owns its part.

#include <cstdint>
#include <vector>

#include "app/network/networkplay.h"
#include "app/shell/mainwindow.h"
#include "app/ui/boardpicture.h"
#include "core/engine/board.h"
#include "support/controls.h"

namespace zelvan::test {

struct GameView {
    const MainWindow& w;

    const Position& position() const { return w.match().position(); }
    std::uint8_t cell(int c, int r) const { return position().cell(c, r); }
    const Board& cells() const { return position().cells(); }
    bool onBoard(int c, int r) const { return position().onBoard(c, r); }
    int moveCount() const { return position().moveCount(); }
    const std::vector<PlayedMove>& moves() const { return position().moves(); }
    int boardSize() const { return position().boardSize(); }
    int cellPitch() const { return geometryForBoardSize(boardSize())->cellPitch; }
    // New boards drawn so far: a new game, a size change while idle.
    int boardSerial() const { return control<BoardPicture>(w, "board")->gridsDrawn(); }

    bool gameRunning() const { return w.match().running(); }
    bool blueToMove() const { return w.match().blueToMove(); }
    bool blueOpens() const { return w.match().blueOpens(); }
    std::uint8_t winner() const { return w.match().winner(); }
    const LineEnds& blueLine() const { return w.match().blueLine(); }
    const LineEnds& redLine() const { return w.match().redLine(); }
    int pieceStyle() const { return w.match().pieceStyle(); }
    // Nothing of a sequence is still to come.
    bool settled() const { return w.match().step() == MatchControl::Step::Ready; }

    const Results& resultHistory() const { return w.scores().results(); }
    std::int32_t scoreBlue() const { return w.scores().blue(); }
    std::int32_t scoreRed() const { return w.scores().red(); }

    int sizeCode() const { return w.options().sizeCode(); }
    bool redIsHuman() const { return w.options().redIsHuman(); }
    int computerLevel() const { return w.options().level().number; }
    int pieceStyleChoice() const { return w.options().pieceStyle(); }
    bool soundOff() const { return w.options().on(Setting::SoundOff); }
    bool listenOn() const { return w.options().on(Setting::Listen); }
    bool chatBoxOn() const { return w.options().on(Setting::ChatBox); }
    bool hintsOn() const { return w.options().on(Setting::Hints); }
    bool clocksOn() const { return w.options().on(Setting::Clocks); }
    bool markBlueMove() const { return w.options().on(Setting::MarkBlueMove); }
    bool markRedMove() const { return w.options().on(Setting::MarkRedMove); }
    const std::string& peerAddress() const { return w.options().peerAddress(); }

    bool connected() const { return w.network().connected(); }
    bool acceptedPeer() const { return w.network().accepted(); }
};

}  // namespace zelvan::test
