#pragma once
// The board's vocabulary: the colour codes a cell holds, the 30x30 storage
// every board size shares, the two sides and where a piece came from.

#include <array>
#include <cstdint>

namespace zelvan {

// Colour codes, as cells, winners and the stored results hold them.
inline constexpr std::uint8_t kNone = 0;
inline constexpr std::uint8_t kBlue = 85;
inline constexpr std::uint8_t kRed = 170;
// Zone value of a candidate cell for the computer player.
inline constexpr std::uint8_t kZoneMark = 99;

inline constexpr int kStride = 30;  // storage is 30x30 whatever the board size
inline constexpr int kCellCount = kStride * kStride;

enum class Side : std::uint8_t { Blue, Red };

inline constexpr std::uint8_t colourOf(Side s) {
    return s == Side::Blue ? kBlue : kRed;
}

// Byte offset of cell (col, row), both counted from 1; column-major, stride 30.
inline constexpr int cellIndex(int col, int row) {
    return (col - 1) * kStride + (row - 1);
}

using Board = std::array<std::uint8_t, kCellCount>;

// Who placed a piece: placement takes different steps for each.
enum class PieceSource : std::uint8_t {
    BlueClick,  // the local player
    RedClick,   // a second person at this machine
    Computer,   // the computer player
    Peer,       // a MOVE received from the network peer
};

inline constexpr Side sideOf(PieceSource source) {
    return source == PieceSource::BlueClick ? Side::Blue : Side::Red;
}

// One piece of the board in play, as it was placed.
struct PlayedMove {
    std::uint8_t col = 0;
    std::uint8_t row = 0;
    PieceSource source = PieceSource::BlueClick;
    friend bool operator==(const PlayedMove&, const PlayedMove&) = default;
};

}  // namespace zelvan
