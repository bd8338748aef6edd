#pragma once
// What a message from the network peer does to the game. receiveRead
// (receive.h) cuts each read into messages and hands them here one by one.

#include <string>

#include "core/engine/game.h"
#include "core/engine/host.h"

namespace zelvan {

// Handles one received message. Messages shorter than four bytes, unknown
// or lower-case commands, CHAT without text, PLAY with fewer than two payload
// characters and MOVE without a running game or with a payload other than
// four characters are ignored. Every message of four bytes or more ends by
// letting pending events run. The message is read before anything pumps
// events, so a caller may reuse its buffer for a nested read.
//
//   CHAT: control characters (below 32, and 127) become blanks, the text is
//         cut to 255 characters and goes to Host::chatReceived.
//   PLAY: size digit "1".."3" sets sizeCode (any other keeps it); blueOpens =
//         1 for the opener letter "C", else 0; then startRemoteGame.
//   STOP: a running game is abandoned; gameRunning, busy and winner become 0;
//         normal cursor.
//   MOVE: the two two-character numbers go through textToInt (a failed
//         conversion makes both 0); then applyRemoteMove.
void dispatchMessage(Game& g, Host& host, const std::string& message);

// Starts the game a PLAY announced; sizeCode and blueOpens already hold the
// PLAY's values. Red becomes a person; after a 300 ms pause a running game is
// abandoned and a new board starts with the peer's size, this side's turn set
// from the opener, and the wait cursor while the peer opens.
// The pause lets other events run. If the connection is down by then, also
// as far as the socket layer knows before it reports it, no game starts. If
// a newer PLAY started its game meanwhile, that game stands and this one is
// dropped; so does a board made while this one is drawn. Otherwise the size
// and opener of this PLAY are used even if a size click changed them during
// the pause.
void startRemoteGame(Game& g, Host& host);

// Places the peer's piece at (col, row) as Red, through the shared placement
// sequence, and gives the turn back to this side. Nothing happens unless a
// connection is up, a game against a person is running, the computer is not
// choosing a move, both numbers lie on the board, the cell is empty and it is
// Red's turn (peerMayMove).
void applyRemoteMove(Game& g, Host& host, int col, int row);

// Whether a MOVE from the peer may land now: it is Red's turn.
bool peerMayMove(const Game& g);

// The game's part of losing the connection: a running game is abandoned
// (the side to move loses) and gameRunning, busy and winner become 0; a
// finished game keeps its winner (its line goes on blinking). The cursor
// goes back to normal either way. The connection flags are the caller's.
// `why` says how the connection ended: END here, the peer leaving, a failure.
void connectionLostGame(Game& g, Host& host, EndReason why);

}  // namespace zelvan
