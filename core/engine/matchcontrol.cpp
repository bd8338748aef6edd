#include "core/engine/matchcontrol.h"

#include <algorithm>
#include <utility>

#include "core/engine/board.h"
#include "core/engine/checkfive.h"
#include "core/protocol/wire.h"

namespace zelvan {

namespace {

constexpr unsigned kPlayPauseMs = 200;
constexpr unsigned kBluePauseMs = 150;
constexpr unsigned kPeerPauseMs = 300;
constexpr unsigned kExitFarewellMs = 1000;
constexpr unsigned kExitHangUpMs = 300;
constexpr unsigned kExitLastMs = 600;

}  // namespace

MatchControl::MatchControl(Options& options, Scores& scores, MatchSeams seams)
    : options_(options), scores_(scores), io_(seams) {}

// ---------------------------------------------------------------------------
// Helpers

void MatchControl::soundEffect(Sound sound) {
    if (options_.soundOn()) io_.speaker.play(sound);
}

void MatchControl::saveSettings() {
    if (savesHeld_) {
        saveOwed_ = true;
        return;
    }
    io_.settings.save();
}

void MatchControl::holdSaves(bool held) {
    savesHeld_ = held;
    if (!held && std::exchange(saveOwed_, false)) io_.settings.save();
}

void MatchControl::pause(Step step, unsigned ms, Continuation then) {
    step_ = step;
    const std::uint32_t number = ++stepNumber_;
    io_.timers.after(ms, [this, number, then] {
        if (stepNumber_ == number) (this->*then)();
    });
}

void MatchControl::leaveStep() {
    const Step was = step_;
    if (was == Step::Ready || was == Step::Exiting) return;
    step_ = Step::Ready;
    ++stepNumber_;
    if (was == Step::Reviewing) reviewMoves_.clear();
    if (was == Step::ComputerThinking) {
        io_.computer.cancel();
        if (std::exchange(thinkingCursor_, false)) setCursor(Cursor::Normal);
    }
    if (was == Step::PeerPlayPause) peerInputReady();
}

void MatchControl::peerInputReady() {
    // From the event loop, never inside the call that ended the pause: the
    // messages held back must not run in the middle of another handler.
    if (peerInputReady_)
        io_.timers.after(0, [this] {
            if (!holdsPeerInput() && peerInputReady_) peerInputReady_();
        });
}

// ---------------------------------------------------------------------------
// Boards and games

void MatchControl::startUp() {
    pieceStyle_ = options_.pieceStyle();
    io_.random.reseed();
    blueOpens_ = io_.random.below(2) == 0;
    blueToMove_ = blueOpens_;
    io_.console.showTurn(blueToMove_);
    io_.console.showOpponentKind(options_.redIsHuman());
    newBoard();
}

void MatchControl::newBoard() {
    // A new board replaces the game under review.
    if (step_ == Step::Reviewing) leaveStep();
    setCursor(Cursor::Normal);
    io_.console.hidePanels();
    io_.random.reseed();
    plainAttack_ = io_.random.below(3) == 0;
    int boardSize = position_.boardSize();
    if (const BoardGeometry* geo = geometryForSizeCode(options_.sizeCode()))
        boardSize = geo->boardSize;
    blinkPhase_ = false;
    io_.board.setBlinking(false);
    blueOpens_ = !blueOpens_;
    io_.board.forgetMarks();
    running_ = false;
    blueToMove_ = blueOpens_;
    io_.board.newBoard(boardSize, pieceStyle_);
    position_.clear(boardSize);
}

// Starting a game, whoever asked for it: the game running is lost as
// `restart` says, and a new board starts with the opener's turn. The side
// that started it announces it to a connected peer.
void MatchControl::startGame(EndReason restart, bool announce) {
    if (running_) abandon(restart);
    io_.console.startGameClock();
    pieceStyle_ = options_.pieceStyle();
    newBoard();
    if (io_.peer.connected()) {
        if (announce) io_.peer.send(playMessage(options_.sizeCode(), blueToMove_));
        // The peer opens: this side waits for its move.
        if (!blueToMove_) setCursor(Cursor::Wait);
    }
    running_ = true;
    scored_ = true;
    continuedFrom_ = 0;
    winner_ = kNone;
    io_.console.showTurn(blueToMove_);
    if (!blueToMove_ && !options_.redIsHuman()) askComputer();
}

void MatchControl::abandon(EndReason why) {
    // The side to move loses.
    winner_ = blueToMove_ ? kRed : kBlue;
    if (scored_) {
        scores_.record(winner_);
        saveSettings();
    }
    io_.console.gameEnded({why, winner_, scored_});
}

// The end-of-game reset: the game running, if any, is lost as `why` says,
// and nothing runs or blinks any more.
void MatchControl::endGame(EndReason why) {
    if (running_) abandon(why);
    running_ = false;
    winner_ = kNone;
    setCursor(Cursor::Normal);
}

void MatchControl::replay(const std::vector<PlayedMove>& moves) {
    drawMoves(moves, blueOpens_);
}

void MatchControl::drawMoves(const std::vector<PlayedMove>& moves, bool blueFirst) {
    io_.board.forgetMarks();
    io_.board.newBoard(position_.boardSize(), pieceStyle_);
    position_.clear(position_.boardSize());
    blueToMove_ = blueFirst;
    for (const PlayedMove& m : moves) {
        const Side side = sideOf(m.source);
        position_.play(m);
        io_.board.drawPiece(side, m.col, m.row, false);
        if (options_.on(side == Side::Blue ? Setting::MarkBlueMove : Setting::MarkRedMove))
            io_.board.markMove(side, m.col, m.row);
        blueToMove_ = side == Side::Red;
    }
    io_.console.showTurn(blueToMove_);
}

// ---------------------------------------------------------------------------
// Review

bool MatchControl::review(int boardSize, std::vector<PlayedMove> moves, bool blueFirst,
                          std::size_t shown) {
    if (running_ || (step_ != Step::Ready && step_ != Step::Reviewing)) return false;
    if (!geometryForBoardSize(boardSize)) return false;
    leaveStep();
    step_ = Step::Reviewing;
    ++stepNumber_;
    // The game's ending is behind it: its line no longer blinks.
    winner_ = kNone;
    blinkPhase_ = false;
    io_.board.setBlinking(false);
    setCursor(Cursor::Normal);
    position_.clear(boardSize);
    reviewMoves_ = std::move(moves);
    reviewBlueFirst_ = blueFirst;
    showReviewed(shown);
    return true;
}

bool MatchControl::showReviewed(std::size_t shown) {
    if (step_ != Step::Reviewing) return false;
    reviewShown_ = std::min(shown, reviewMoves_.size());
    drawMoves({reviewMoves_.begin(), reviewMoves_.begin() + std::ptrdiff_t(reviewShown_)},
              reviewBlueFirst_);
    return true;
}

MatchControl::ContinueOutcome MatchControl::continueFromReview() {
    if (step_ != Step::Reviewing) return ContinueOutcome::Refused;
    if (io_.peer.connected()) return ContinueOutcome::NetworkGame;
    if (scanFive(position_).winner != kNone || position_.full()) return ContinueOutcome::Decided;
    // Red's pieces become the computer's, so its candidate zone covers them.
    std::vector<PlayedMove> kept = position_.moves();
    position_.clear(position_.boardSize());
    for (PlayedMove m : kept) {
        if (m.source != PieceSource::BlueClick) m.source = PieceSource::Computer;
        position_.play(m);
    }
    leaveStep();
    options_.set(Setting::RedIsHuman, 0);
    io_.console.showOpponentKind(false);
    io_.console.startGameClock();
    running_ = true;
    scored_ = false;
    continuedFrom_ = kept.size();
    winner_ = kNone;
    blueLine_ = {};
    redLine_ = {};
    io_.console.showTurn(blueToMove_);
    if (!blueToMove_) askComputer();
    return ContinueOutcome::Continued;
}

// ---------------------------------------------------------------------------
// The buttons

void MatchControl::play() {
    soundEffect(Sound::Play);
    // During another pause Play is only heard: it would abandon the game the
    // sequence under way is setting up or placing into.
    if (step_ != Step::Ready && step_ != Step::ComputerThinking && step_ != Step::Reviewing) return;
    leaveStep();
    if (options_.soundOn())
        pause(Step::PlayPause, kPlayPauseMs, &MatchControl::afterPlayPause);
    else
        afterPlayPause();
}

void MatchControl::afterPlayPause() {
    step_ = Step::Ready;
    // In a network game only the side that called starts games.
    if (io_.peer.connected() && io_.peer.accepted()) return;
    if (io_.peer.connected()) {
        options_.set(Setting::RedIsHuman, 1);
        io_.console.showOpponentKind(true);
    }
    startGame(EndReason::Restarted, true);
}

void MatchControl::stop() {
    soundEffect(Sound::Click);
    if (step_ == Step::Exiting) return;
    if (step_ == Step::PeerPlayPause) {
        // The peer's game is about to start on both machines: it is stopped
        // once it stands, so both score the same game.
        stopAfterPeerPause_ = true;
        return;
    }
    stopGame();
}

void MatchControl::stopGame() {
    // Play's pause goes on: the game it starts follows the Stop. A review
    // stays: no game runs there to stop.
    if (step_ != Step::PlayPause && step_ != Step::Reviewing) leaveStep();
    endGame(EndReason::Stopped);
    // Also with no game running: the peer stops whatever it runs.
    if (io_.peer.connected()) io_.peer.send(stopMessage());
}

void MatchControl::size() {
    if (step_ == Step::Exiting) return;
    if (!running_) soundEffect(Sound::Click);
    options_.nextSize();
    // During a game the next new board takes the new size.
    if (!running_) newBoard();
}

void MatchControl::humanComputer() {
    soundEffect(Sound::Click);
    // The opponent stays what it is while a game runs or is about to start
    // against the peer.
    if (running_ || step_ == Step::PeerPlayPause || step_ == Step::Exiting) return;
    options_.flip(Setting::RedIsHuman);
    io_.console.showOpponentKind(options_.redIsHuman());
}

void MatchControl::boardClick(MouseButton button, int x, int y) {
    // A click in any pause would be a second piece, or a piece on a board
    // about to be replaced.
    if (!running_ || step_ != Step::Ready) return;
    const BoardGeometry* geo = geometryForBoardSize(position_.boardSize());
    if (!geo) return;
    const int col = pixelToCell(x, geo->cellPitch);
    const int row = pixelToCell(y, geo->cellPitch);
    if (x < 0 || y < 0 || !position_.onBoard(col, row) || position_.cell(col, row) != kNone) return;
    if (button != MouseButton::Left) return;
    if (blueToMove_)
        place(PieceSource::BlueClick, col, row);
    else if (options_.redIsHuman() && !io_.peer.connected())
        place(PieceSource::RedClick, col, row);
}

bool MatchControl::mayHint() const {
    return running_ && blueToMove_ && !io_.peer.connected() && step_ == Step::Ready;
}

UndoOutcome MatchControl::undo() {
    if (!running_) return UndoOutcome::Refused;
    if (io_.peer.connected()) return UndoOutcome::NetworkGame;
    if (step_ != Step::Ready) return UndoOutcome::Refused;
    const std::vector<PlayedMove>& moves = position_.moves();
    const std::size_t drop = movesToTakeBack(moves, options_.redIsHuman());
    // A game played on from a review takes back only its own moves: the
    // reviewed ones are where it began (and its record begins with them).
    if (drop == 0 || moves.size() - drop < continuedFrom_) return UndoOutcome::Refused;
    replay(std::vector<PlayedMove>(moves.begin(), moves.end() - std::ptrdiff_t(drop)));
    return UndoOutcome::Undone;
}

void MatchControl::blinkTick() {
    if (running_ || winner_ == kNone || step_ == Step::Reviewing) return;
    drawWinLine(!blinkPhase_);
    blinkPhase_ = !blinkPhase_;
}

// ---------------------------------------------------------------------------
// Exit: the farewell sound, the running game lost, the connection closed,
// the settings written, each followed by its pause; then the program ends.

void MatchControl::exit() {
    if (step_ == Step::Exiting) return;
    leaveStep();
    step_ = Step::Exiting;
    stopAfterPeerPause_ = false;
    soundEffect(Sound::Exit);
    if (running_) {
        abandon(EndReason::Closed);
        running_ = false;  // no move may follow it during the pauses
        pause(Step::Exiting, kExitFarewellMs, &MatchControl::exitAfterFarewell);
        return;
    }
    exitAfterFarewell();
}

void MatchControl::exitAfterFarewell() {
    if (io_.peer.connected()) {
        io_.peer.hangUp();
        pause(Step::Exiting, kExitHangUpMs, &MatchControl::exitAfterHangUp);
        return;
    }
    exitAfterHangUp();
}

void MatchControl::exitAfterHangUp() {
    // Written even when nothing changed, and never held back: the program ends.
    saveOwed_ = false;
    io_.settings.save();
    pause(Step::Exiting, kExitLastMs, &MatchControl::exitQuit);
}

void MatchControl::exitQuit() {
    io_.console.quit();
}

// ---------------------------------------------------------------------------
// Placing a piece: count, store, zone, draw, frame, sound; for Blue's click
// the sound's pause and the move sent; then the scan and the turn.

void MatchControl::place(PieceSource source, int col, int row) {
    const Side side = sideOf(source);
    position_.play({static_cast<std::uint8_t>(col), static_cast<std::uint8_t>(row), source});
    io_.console.piecePlaced(position_.moves().back());
    io_.board.drawPiece(side, col, row, false);
    if (options_.on(side == Side::Blue ? Setting::MarkBlueMove : Setting::MarkRedMove))
        io_.board.markMove(side, col, row);
    soundEffect(side == Side::Blue ? Sound::BluePiece : Sound::RedPiece);
    // Blue's click is heard before the move goes out and the reply comes.
    if (source == PieceSource::BlueClick && options_.soundOn()) {
        pause(Step::BluePause, kBluePauseMs, &MatchControl::afterBluePause);
        return;
    }
    finishPlacement(source);
}

void MatchControl::afterBluePause() {
    step_ = Step::Ready;
    finishPlacement(PieceSource::BlueClick);
}

void MatchControl::finishPlacement(PieceSource source) {
    const bool blue = source == PieceSource::BlueClick;
    if (blue && io_.peer.connected()) {
        const PlayedMove& m = position_.moves().back();
        io_.peer.send(moveMessage(m.col, m.row));
        setCursor(Cursor::Wait);  // until the peer's move or the game's end
    }
    scanForFive();
    if (source == PieceSource::Peer) setCursor(Cursor::Normal);
    // The turn passes whether or not the game has just ended.
    blueToMove_ = !blue;
    io_.console.showTurn(blueToMove_);
    if (blue && running_ && !options_.redIsHuman()) askComputer();
}

// The whole-board scan after a real placement. The line found so far is
// drawn highlighted after each group of lines, so a piece that makes two
// runs leaves the first highlighted and blinks the last.
void MatchControl::scanForFive() {
    FiveScan scan{winner_, blueLine_, redLine_};
    walkFive(position_, scan, [&] {
        winner_ = scan.winner;
        blueLine_ = scan.blueLine;
        redLine_ = scan.redLine;
        if (winner_ != kNone) drawWinLine(true);
    });
    if (winner_ != kNone) gameOver();
    if (position_.full()) {
        running_ = false;
        if (winner_ == kNone) {
            // A draw: nobody waits for a move any more, on either machine.
            if (io_.peer.connected()) setCursor(Cursor::Normal);
            io_.console.gameEnded({EndReason::FullBoard, kNone, scored_});
        }
    }
}

void MatchControl::gameOver() {
    if (io_.peer.connected()) setCursor(Cursor::Normal);
    // The sounds follow the colour: on each machine the local player is Blue.
    soundEffect(winner_ == kBlue ? Sound::BlueWins : Sound::RedWins);
    blinkPhase_ = true;
    io_.board.setBlinking(true);
    if (scored_) {
        scores_.record(winner_);
        saveSettings();
    }
    io_.console.gameEnded({EndReason::Five, winner_, scored_});
}

void MatchControl::drawWinLine(bool highlighted) {
    if (highlighted) running_ = false;
    if (winner_ != kBlue && winner_ != kRed) return;
    const Side side = winner_ == kBlue ? Side::Blue : Side::Red;
    const LineEnds& line = side == Side::Blue ? blueLine_ : redLine_;
    const int c1 = line[0], r1 = line[1], c2 = line[2], r2 = line[3];
    auto draw = [&](int c, int r) {
        if (position_.onBoard(c, r)) io_.board.drawPiece(side, c, r, highlighted);
    };
    if (c1 == c2 || r1 == r2) {
        for (int c = c1; c <= c2; ++c)
            for (int r = r1; r <= r2; ++r)
                draw(c, r);
    } else if (c1 < c2) {
        for (int k = 0; k <= c2 - c1; ++k)
            draw(c1 + k, r1 + k);
    } else {
        for (int k = 0; k <= c1 - c2; ++k)
            draw(c1 - k, r1 + k);
    }
}

// ---------------------------------------------------------------------------
// The computer's turn: a request with a completion.

void MatchControl::askComputer() {
    step_ = Step::ComputerThinking;
    const std::uint32_t number = ++stepNumber_;
    const MoveRequest request{position_, position_.moveCount() + 1, options_.level(), plainAttack_};
    io_.computer.request(request, io_.random, [this, number](Cell cell) {
        if (stepNumber_ == number) computerAnswered(cell);
    });
    // A player that takes its time shows the hourglass meanwhile.
    if (stepNumber_ == number && step_ == Step::ComputerThinking) {
        thinkingCursor_ = true;
        setCursor(Cursor::Wait);
    }
}

void MatchControl::computerAnswered(Cell cell) {
    step_ = Step::Ready;
    ++stepNumber_;
    if (std::exchange(thinkingCursor_, false)) setCursor(Cursor::Normal);
    if (!cell.found() || !position_.onBoard(cell.col, cell.row) ||
        position_.cell(cell.col, cell.row) != kNone) {
        // No cell to play (a position a game never reaches): place nothing
        // and give the turn back rather than write off the board.
        blueToMove_ = true;
        io_.console.showTurn(blueToMove_);
        return;
    }
    place(PieceSource::Computer, cell.col, cell.row);
}

// ---------------------------------------------------------------------------
// The peer's messages

void MatchControl::peerPlay(char sizeDigit, char opener) {
    if (step_ == Step::Exiting) return;
    if (sizeDigit >= '1' && sizeDigit <= '3') options_.set(Setting::SizeCode, sizeDigit - '0');
    blueOpens_ = opener == 'C';
    options_.set(Setting::RedIsHuman, 1);
    io_.console.showOpponentKind(true);
    // A peer that has left starts nothing, also when the socket layer has
    // seen it go but not yet said so.
    if (!io_.peer.connected() || !io_.peer.reachable()) return;
    peerPlayCutSequence_ = running_ && step_ != Step::Ready;
    leaveStep();
    peerSizeCode_ = options_.sizeCode();
    peerBlueOpens_ = blueOpens_;
    pause(Step::PeerPlayPause, kPeerPauseMs, &MatchControl::afterPeerPause);
}

void MatchControl::afterPeerPause() {
    step_ = Step::Ready;
    if (io_.peer.connected() && io_.peer.reachable()) {
        // The PLAY's size and opener, even if the size button changed them
        // meanwhile.
        options_.set(Setting::SizeCode, peerSizeCode_);
        blueOpens_ = peerBlueOpens_;
        startGame(EndReason::PeerRestarted, false);
    } else if (running_ && peerPlayCutSequence_) {
        // The peer left during its pause, and its PLAY had cut the running
        // game's own sequence short (a piece not yet scanned, a turn not
        // passed), which cannot be taken up again: the game ends as the
        // peer's new game would have ended it. A game the PLAY found at
        // rest waits for the report of the connection's end instead.
        endGame(EndReason::PeerRestarted);
    }
    if (std::exchange(stopAfterPeerPause_, false)) stopGame();
    peerInputReady();
}

void MatchControl::peerPlaySettled(char sizeDigit, char opener) {
    if (step_ == Step::Exiting) return;
    if (sizeDigit >= '1' && sizeDigit <= '3') options_.set(Setting::SizeCode, sizeDigit - '0');
    options_.set(Setting::RedIsHuman, 1);
    io_.console.showOpponentKind(true);
    if (!io_.peer.connected() || !io_.peer.reachable()) return;
    leaveStep();
    if (running_) abandon(EndReason::PeerRestarted);
    // On the peer this game ran until its next Play abandoned it, with the
    // opener to move: the same player loses on both machines.
    scores_.record(opener == 'C' ? kBlue : kRed);
    saveSettings();
    running_ = false;
    winner_ = kNone;
    setCursor(Cursor::Normal);
}

void MatchControl::peerStop() {
    if (step_ == Step::Exiting) return;
    if (step_ != Step::PlayPause && step_ != Step::Reviewing) leaveStep();
    endGame(EndReason::PeerStopped);
}

void MatchControl::peerMove(int col, int row) {
    if (!io_.peer.connected()) return;
    // Only the peer's own turn in a game against the peer may place a piece,
    // and only on a free cell of this board.
    if (!running_ || !options_.redIsHuman() || blueToMove_) return;
    if (step_ != Step::Ready && step_ != Step::PlayPause) return;
    if (!position_.onBoard(col, row) || position_.cell(col, row) != kNone) return;
    place(PieceSource::Peer, col, row);
}

void MatchControl::connectionLost(EndReason why) {
    if (step_ != Step::Exiting) {
        stopAfterPeerPause_ = false;
        if (step_ != Step::PlayPause && step_ != Step::Reviewing) leaveStep();
        if (running_) {
            abandon(why);
            running_ = false;
            winner_ = kNone;
        }
    }
    setCursor(Cursor::Normal);
}

}  // namespace zelvan
