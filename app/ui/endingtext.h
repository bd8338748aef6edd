#pragma once
// The words that tell the player how a game ended.

#include <QString>
#include <QStringList>

#include "core/engine/gameend.h"

namespace zelvan {

// "You win!" or "Red wins" when Red is the computer or a person at another
// machine; "Blue wins" or "Red wins" between two people at this machine;
// "Draw — the board is full"; for an abandoned game what ended it and who
// lost ("Stopped — Blue loses the game").
QString endingText(const GameEnd& end, bool twoPeopleHere);

// "Blue" or "Red".
QString sideName(std::uint8_t colour);

// A sentence of the form "headline — more" as two lines to show, the
// second capitalised ("Stopped", "Blue loses the game"); any other text as
// one line.
QStringList endingLines(const QString& text);

}  // namespace zelvan
