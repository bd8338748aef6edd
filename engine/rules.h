#pragma once
// The game's rules that change the game record: new board, placement, the
// five-in-a-row scan, game over, scores, and the match-control handlers.
// Each is defined in the file named after it.

#include "engine/game.h"
#include "engine/host.h"

namespace zelvan {

// newboard.cpp: a new empty board for sizeCode; flips the opener. False
// when a newer board was made while the grid was drawn (drawing lets events
// run): that board stands, and a caller about to start a game on its own
// board stops.
bool init(Game& g, Host& host);

// placement.cpp
void markZone(Game& g, int col, int row);

enum class PieceSource : std::uint8_t {
    BlueClick,  // the local player
    RedClick,   // a second person at this machine
    Computer,   // the computer player (moveCount already counted)
    Peer,       // a MOVE received from the network peer
};
// Places one piece at (col, row), a free cell of the board in play (callers
// check), through the shared sequence: count, store, zone, draw, frame,
// sound, (pause, send), pump, scan, turn. Returns false when the events
// pumped in its middle ended the game before the scan or replaced the board,
// in which case the turn is left to the newer board.
bool placePiece(Game& g, Host& host, PieceSource source, int col, int row);

// checkfive.cpp
struct FiveScan {
    std::uint8_t winner = 0;
    std::array<std::int32_t, 4> blueLine{};
    std::array<std::int32_t, 4> redLine{};
};
// The whole-board scan after a real placement: records line ends, ends the
// game on a five (drawing the line) or on a full board, runs game over once.
void checkFive(Game& g, Host& host);
// The same walk with no side effects: the winner and the line ends it would
// record, starting from no lines and no winner.
FiveScan scanFive(const Game& g);

// gameover.cpp
void gameOverSteps(Game& g, Host& host);
void drawWinLine(Game& g, Host& host, bool highlighted);
void blinkTick(Game& g, Host& host);  // Timer1Timer
void abandonGame(Game& g, Host& host);
void updateScores(Game& g, Host& host);  // records g.winner
// Records a result for the given winner, whatever g.winner says by now:
// history, scores, then the settings save.
void recordResult(Game& g, Host& host, std::uint8_t won);

// match.cpp: the buttons and the board click.
void playButton(Game& g, Host& host);           // LbSpeedButton1Click
void stopButton(Game& g, Host& host);           // LbSpeedButton6Click
void sizeButton(Game& g, Host& host);           // LbSpeedButton4Click
void humanComputerButton(Game& g, Host& host);  // LbSpeedButton5Click
enum class MouseButton : std::uint8_t { Left, Right, Middle };
void boardClick(Game& g, Host& host, MouseButton button, int x, int y);  // Image1MouseDown
void exitSequence(Game& g, Host& host);  // LbSpeedButton3Click and the close request

}  // namespace zelvan
