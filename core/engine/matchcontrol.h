#pragma once
// Match control: the game's rules for the buttons, the board, the peer's
// messages and the computer's turn, as a machine of steps. Every pause of a
// sequence (Play's sound, Blue's piece being heard, the peer given 300 ms,
// the exit's farewell, the computer thinking) is a step: match control asks
// for a timer or an answer and returns, and the rest of the sequence runs as
// a continuation when it comes. Input that arrives meanwhile is judged by the
// step it finds, as the table in ARCHITECTURE.md says: taken, refused or,
// for the peer's messages during its 300 ms, held back by the network side.
// A continuation belongs to the step it was made for; leaving that step
// (Stop, Exit, a new game, a lost connection) drops it.
//
// Match control owns the position and the match (turn, running, opener,
// winner and its line); it changes the options and scores it is given only
// as the rules say.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/ai/computerplayer.h"
#include "core/engine/checkfive.h"
#include "core/engine/position.h"
#include "core/engine/scores.h"
#include "core/engine/seams.h"
#include "core/engine/sound.h"
#include "core/engine/undo.h"
#include "core/settings/options.h"

namespace zelvan {

struct MatchSeams {
    BoardView& board;
    Console& console;
    Speaker& speaker;
    PeerLink& peer;
    SettingsSink& settings;
    Timers& timers;
    GameRandom& random;
    ComputerPlayer& computer;
};

enum class MouseButton : std::uint8_t { Left, Right, Middle };

class MatchControl {
public:
    // What match control is waiting for.
    enum class Step : std::uint8_t {
        Ready,             // input: a game runs or none does
        PlayPause,         // Play's sound is heard; then the new game starts (200 ms)
        BluePause,         // Blue's piece is heard; then it goes out and is scanned (150 ms)
        ComputerThinking,  // Red's move is asked of the computer player
        PeerPlayPause,     // the peer's PLAY: 300 ms, then its game starts here
        Reviewing,         // a game's moves shown up to a chosen one; no game runs
        Exiting,           // the farewell pauses; then the program ends
    };

    // What P did with the position under review.
    enum class ContinueOutcome : std::uint8_t {
        Continued,    // a game against the computer runs from it, not scored
        NetworkGame,  // refused: the peer's board could not follow
        Decided,      // refused: a five stands or the board is full
        Refused,      // nothing is under review
    };

    MatchControl(Options& options, Scores& scores, MatchSeams seams);
    MatchControl(const MatchControl&) = delete;
    MatchControl& operator=(const MatchControl&) = delete;

    // Start-up, once the settings are read: the current style from the
    // options, the first opener drawn at random and shown, then the first
    // empty board (which flips the opener, so the first game is still even
    // odds).
    void startUp();

    // The window's input.
    void play();
    void stop();
    void size();
    void humanComputer();
    void boardClick(MouseButton button, int x, int y);  // pixels of the board picture
    void exit();                                        // Exit, and the system's close request
    void blinkTick();                                   // every second while the board view blinks
    // Ctrl+Z. See movesToTakeBack; the pieces kept are drawn again without
    // sound or pause, and the scores are never touched.
    UndoOutcome undo();
    // Whether the hint key may show where the computer would play for Blue:
    // Blue's turn in a game at this machine with nothing under way.
    bool mayHint() const;

    // The peer's messages, as the dispatcher reads them.
    // PLAY: its size digit and opener letter ("C": the peer opens).
    void peerPlay(char sizeDigit, char opener);
    // A PLAY that the next waiting PLAY abandons before any move (receive.h):
    // scored at once as that PLAY would be, with no board and no pause.
    void peerPlaySettled(char sizeDigit, char opener);
    void peerStop();
    void peerMove(int col, int row);
    // The connection has ended (END here, the peer left, a failure).
    void connectionLost(EndReason why);

    // While true the network side holds the peer's messages, and reports of
    // the connection's end, back until `ready` is called.
    bool holdsPeerInput() const { return step_ == Step::PeerPlayPause; }
    void onPeerInputReady(std::function<void()> ready) { peerInputReady_ = std::move(ready); }
    // While held, a settings save only notes that the file is out of date;
    // letting go writes it once if so.
    void holdSaves(bool held);

    // Puts the moves of a game on a board in play, as the undo replay does:
    // drawn again, without sound or pause, scanned for nothing; the turn
    // goes to the side after the last (the opener with none).
    void replay(const std::vector<PlayedMove>& moves);

    // Review: the moves of a game (Blue's as BlueClick, Red's from any other
    // source) on a board of their size, the first `shown` of them drawn as
    // the replay draws them. Taken only while no game runs and nothing is
    // under way; Play, a peer's PLAY, a new board and Exit leave it, and it
    // never touches the scores, the results or the settings file.
    bool review(int boardSize, std::vector<PlayedMove> moves, bool blueFirst, std::size_t shown);
    // Shows the first `shown` moves of the game under review (at most all).
    bool showReviewed(std::size_t shown);
    bool reviewing() const { return step_ == Step::Reviewing; }
    std::size_t reviewShown() const { return reviewShown_; }
    // P: the position under review becomes a game against the computer,
    // the side after the shown move to play. Such a game is not scored.
    ContinueOutcome continueFromReview();
    // Whether the game running (or the last one) counts in the scores.
    bool scored() const { return scored_; }

    Step step() const { return step_; }
    const Position& position() const { return position_; }
    bool running() const { return running_; }
    bool blueToMove() const { return blueToMove_; }
    bool blueOpens() const { return blueOpens_; }
    std::uint8_t winner() const { return winner_; }
    const LineEnds& blueLine() const { return blueLine_; }
    const LineEnds& redLine() const { return redLine_; }
    int pieceStyle() const { return pieceStyle_; }
    bool plainAttack() const { return plainAttack_; }

private:
    using Continuation = void (MatchControl::*)();

    void soundEffect(Sound sound);
    void setCursor(Cursor cursor) { io_.console.setCursor(cursor); }
    void saveSettings();
    // Waits `ms` in `step`, then runs `then`, unless the step is left first.
    void pause(Step step, unsigned ms, Continuation then);
    // Leaves the step under way: its continuation is dropped, a computer
    // answer still to come too.
    void leaveStep();

    void newBoard();
    // Draws `moves` on an empty board of the current size, the turn to the
    // side after the last (`blueFirst` deciding with none).
    void drawMoves(const std::vector<PlayedMove>& moves, bool blueFirst);
    void startGame(EndReason restart, bool announce);
    void afterPlayPause();
    void afterPeerPause();
    void abandon(EndReason why);
    void endGame(EndReason why);
    void stopGame();

    void place(PieceSource source, int col, int row);
    void afterBluePause();
    void finishPlacement(PieceSource source);
    void scanForFive();
    void gameOver();
    void drawWinLine(bool highlighted);
    void askComputer();
    void computerAnswered(Cell cell);

    void exitAfterFarewell();
    void exitAfterHangUp();
    void exitQuit();
    void peerInputReady();

    Options& options_;
    Scores& scores_;
    MatchSeams io_;

    Position position_;
    bool running_ = false;
    bool blueToMove_ = true;
    bool blueOpens_ = false;
    std::uint8_t winner_ = kNone;
    LineEnds blueLine_{};
    LineEnds redLine_{};
    bool blinkPhase_ = false;
    bool plainAttack_ = false;
    int pieceStyle_ = 1;

    Step step_ = Step::Ready;
    // Counts the steps entered: a continuation carries the number of its
    // own and does nothing once another step has begun.
    std::uint32_t stepNumber_ = 0;
    // The peer's PLAY waiting out its pause: the size and opener it named.
    int peerSizeCode_ = 1;
    bool peerBlueOpens_ = false;
    // The peer's PLAY cut a sequence of the running game short (a piece not
    // yet scanned, a turn not yet passed).
    bool peerPlayCutSequence_ = false;
    // Stop pressed during the peer's pause acts once the peer's game stands.
    bool stopAfterPeerPause_ = false;
    bool thinkingCursor_ = false;  // the hourglass shows for a computer that takes its time
    bool scored_ = true;
    std::vector<PlayedMove> reviewMoves_;
    bool reviewBlueFirst_ = true;
    std::size_t reviewShown_ = 0;
    // The moves a game played on from a review began with: Undo keeps them.
    std::size_t continuedFrom_ = 0;
    bool savesHeld_ = false;
    bool saveOwed_ = false;
    std::function<void()> peerInputReady_;
};

}  // namespace zelvan
