#pragma once
// The game's rules that change the game record: new board, placement, the
// five-in-a-row scan, game over, scores, and the match-control handlers.
// Each is defined in the file named after it.

#include "core/engine/checkfive.h"
#include "core/engine/game.h"
#include "core/engine/host.h"
#include "core/engine/zone.h"

namespace zelvan {

// newboard.cpp: a new empty board for sizeCode; flips the opener. False
// when a newer board was made while the grid was drawn (drawing lets events
// run): that board stands, and a caller about to start a game on its own
// board stops.
bool init(Game& g, Host& host);
// The record's side of an empty board of the current size: no pieces, no
// zone, no line counts, no moves. Draws nothing.
void clearPieces(Game& g);

// placement.cpp (the zone it marks: zone.h; who places: PieceSource in game.h)
// Places one piece at (col, row), a free cell of the board in play (callers
// check), through the shared sequence: count, store, zone, draw, frame,
// sound, (pause, send), pump, scan, turn. Returns false when the events
// pumped in its middle ended the game before the scan or replaced the board,
// in which case the turn is left to the newer board.
bool placePiece(Game& g, Host& host, PieceSource source, int col, int row);

// checkfive.cpp (the walk alone, scanFive: checkfive.h)
// The whole-board scan after a real placement: records line ends, ends the
// game on a five (drawing the line) or on a full board, runs game over once.
void checkFive(Game& g, Host& host);

// gameover.cpp
void gameOverSteps(Game& g, Host& host);
void drawWinLine(Game& g, Host& host, bool highlighted);
void blinkTick(Game& g, Host& host);  // each second of the winning line's blink
// The side to move loses the running game; `why` is told to the player.
void abandonGame(Game& g, Host& host, EndReason why);
void updateScores(Game& g, Host& host);  // records g.winner
// Records a result for the given winner, whatever g.winner says by now:
// history, scores, then the settings save.
void recordResult(Game& g, Host& host, std::uint8_t won);

// match.cpp: the buttons and the board click.
void playButton(Game& g, Host& host);
void stopButton(Game& g, Host& host);
void sizeButton(Game& g, Host& host);
void humanComputerButton(Game& g, Host& host);
enum class MouseButton : std::uint8_t { Left, Right, Middle };
void boardClick(Game& g, Host& host, MouseButton button, int x, int y);
void exitSequence(Game& g, Host& host);  // Exit, and the system's close request

// computermove.cpp: Red's move when Red is the computer. The computer player
// chooses the cell; the move is placed, shown and scanned like any other,
// and the turn goes back to Blue.
void computerMove(Game& g, Host& host);

}  // namespace zelvan
