#pragma once
// The bytes of the settings file zelvan.ini: 30 + N bytes, no header, no
// padding, integers little-endian.
//
//   offset  size  field
//        0     4  scoreBlue
//        4     4  scoreRed
//        8    10  resultHistory, newest first
//       18     1  hintsOn
//       19     1  clocksOn
//       20     1  markRedMove   (Red before Blue here, and only here)
//       21     1  markBlueMove
//       22     1  computerLevel
//       23     1  piece style: written from pieceStyleChoice, read into pieceStyle
//       24     1  redIsHuman
//       25     1  sizeCode
//       26     1  soundOff
//       27     1  listenOn
//       28     1  chatBoxOn
//       29     1  N = length of peerAddress modulo 256
//       30     N  the first N characters of peerAddress

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/engine/game.h"

namespace zelvan {

inline constexpr std::size_t kSettingsFixedSize = 30;
// The longest file the program writes: the fixed part and a 255-character address.
inline constexpr std::size_t kSettingsMaxSize = kSettingsFixedSize + 255;

std::vector<std::uint8_t> encodeSettings(const Game& g);

// Reads a file's bytes over the values g already holds (the defaults, at
// start-up). Fields wholly or partly past the end keep the value g had; an
// address shorter than its length byte keeps the characters present. Values
// the program never writes are brought back into range: a level or size code
// outside 1..3 becomes 2 or 1, a flag other than 0 or 1 becomes 1, a score is
// clamped to 0..9999, a history byte other than 0, 85 or 170 becomes 0.
void decodeSettings(const std::uint8_t* data, std::size_t size, Game& g);

// What start-up does once the file has been read: the style read into
// pieceStyle is also the style chosen for the next game.
void adoptLoadedStyle(Game& g);

}  // namespace zelvan
