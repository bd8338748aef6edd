#pragma once
// The one game record of the program: the board and per-game flags
// (GameState), the game variables beside it, the options and the network
// flags. The main window owns exactly one Game for the whole run; the core's
// rules read and write it directly.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zelvan {

// Colour codes used in cells, winner and resultHistory.
inline constexpr std::uint8_t kNone = 0;
inline constexpr std::uint8_t kBlue = 85;
inline constexpr std::uint8_t kRed = 170;
// zone value of a candidate cell for the computer player.
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
    Computer,   // the computer player (moveCount already counted)
    Peer,       // a MOVE received from the network peer
};

// One piece of the board in play, as it was placed.
struct PlayedMove {
    std::uint8_t col = 0;
    std::uint8_t row = 0;
    PieceSource source = PieceSource::BlueClick;
    friend bool operator==(const PlayedMove&, const PlayedMove&) = default;
};

struct GameState {
    Board cells{};
    Board cellsSaved{};
    Board zone{};
    Board zoneSaved{};
    std::uint8_t blueToMove = 0;
    std::uint8_t gameRunning = 0;
    std::uint8_t busy = 0;
    std::uint8_t winner = 0;
    std::uint8_t sizeCode = 1;

    friend bool operator==(const GameState&, const GameState&) = default;
};

struct Game : GameState {
    // Board in play.
    std::int32_t boardSize = 15;
    std::int32_t cellPitch = 36;
    std::int32_t moveCol = -1;
    std::int32_t moveRow = -1;
    std::int32_t moveCount = 0;
    std::uint8_t blueOpens = 0;
    std::uint8_t redIsHuman = 0;
    std::uint8_t pieceStyle = 1;
    std::uint8_t pieceStyleChoice = 1;
    std::uint8_t plainAttack = 0;
    std::uint8_t blinkPhase = 0;
    std::array<std::int32_t, 4> blueLine{};  // col1, row1, col2, row2
    std::array<std::int32_t, 4> redLine{};
    // The pieces of the board in play in the order placed, so a move can be
    // taken back by playing the others again. Never stored or sent.
    std::vector<PlayedMove> moves;

    // Scores.
    std::int32_t scoreBlue = 1000;
    std::int32_t scoreRed = 1000;
    std::int32_t shownScoreBlue = 1000;
    std::int32_t shownScoreRed = 1000;
    std::array<std::uint8_t, 10> resultHistory{};

    // Options.
    std::uint8_t hintsOn = 1;
    std::uint8_t clocksOn = 1;
    std::uint8_t markBlueMove = 1;
    std::uint8_t markRedMove = 1;
    std::uint8_t soundOff = 0;
    std::uint8_t computerLevel = 2;
    std::uint8_t chatBoxOn = 0;

    // Network.
    std::uint8_t listenOn = 1;
    std::uint8_t connected = 0;
    std::uint8_t acceptedPeer = 0;
    std::string peerAddress = "0.0.0.0";

    // The computer player's line counts, entries 1..5 (entry 0 unused).
    std::array<std::int32_t, 6> blueLineCounts{};
    std::array<std::int32_t, 6> redLineCounts{};

    // Guards against nested input: handlers pump events in their middle, so
    // a click or a Play can arrive while another one is still in progress.
    std::uint8_t placing = 0;   // a local placement (and the computer's reply) is running
    std::uint8_t starting = 0;  // a Play is running
    std::uint8_t exiting = 0;   // the exit sequence has begun
    // This side's MOVE has gone out and its turn is being handed over: the
    // peer's reply may already arrive in the pump that follows the send.
    std::uint8_t turnPassing = 0;
    // Counts new boards, so a handler that pumped events can tell that a new
    // game replaced the one it was placing into.
    std::uint32_t boardSerial = 0;

    std::uint8_t cell(int col, int row) const { return cells[cellIndex(col, row)]; }
    bool onBoard(int col, int row) const {
        return col >= 1 && col <= boardSize && row >= 1 && row <= boardSize;
    }

    // Every field, so a test can tell two records apart.
    friend bool operator==(const Game&, const Game&) = default;
};

// Puts every value back to the start-up defaults, before the settings file
// is read: scores 1000, empty history, every option at its default.
void setDefaults(Game& g);

}  // namespace zelvan
