#pragma once
#include "core/engine/game.h"
#include "core/engine/host.h"

namespace zelvan {

// Plays Red's move when Red is the computer: chooses the cell, places and
// shows the piece, runs the scan and gives the turn back to Blue.
void computerMove(Game& g, Host& host);

}  // namespace zelvan
