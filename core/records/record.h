#pragma once
// A game as a record: the board size, who moved first, the moves in order
// with the time each took, who Red was, how the game ended and when it
// began. Records are written to and read from files (PSQ, SGF), kept in the
// games folder, reviewed and counted in the statistics. They stand apart
// from the game in play: the window copies what it needs into one.
//
// Cells are counted from 1, column from the left and row from the top, as
// everywhere in the program.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvan::records {

// Files longer than this are not game records: the largest board's 900
// moves fit many times over.
inline constexpr std::size_t kMaxRecordBytes = 1024 * 1024;

// The board sizes the game plays.
bool isPlayedBoardSize(int n);

enum class Stone : std::uint8_t { Blue, Red };

inline constexpr Stone otherStone(Stone s) {
    return s == Stone::Blue ? Stone::Red : Stone::Blue;
}

struct RecordedMove {
    int col = 0;
    int row = 0;
    int ms = 0;  // how long the side took over it, in milliseconds
    friend bool operator==(const RecordedMove&, const RecordedMove&) = default;
};

// Who Red was. Blue is always the player at this machine.
struct Opponent {
    enum class Kind : std::uint8_t { Unknown, Computer, PersonHere, NetworkPeer };
    static constexpr int kLowestLevel = 1;
    static constexpr int kHighestLevel = 5;
    static constexpr std::size_t kMaxAddressLength = 64;

    Kind kind = Kind::Unknown;
    int level = 0;        // Computer only: 1..5
    std::string address;  // NetworkPeer only

    static Opponent computer(int level);
    static Opponent personHere();
    // The address is kept as printable characters without spaces, at most
    // kMaxAddressLength of them, so it can go on one line of any file.
    static Opponent networkPeer(std::string_view address);

    friend bool operator==(const Opponent&, const Opponent&) = default;
};

// "computer level 3", "person at this machine", "network peer 10.0.0.7";
// empty for an unknown opponent.
std::string describeOpponent(const Opponent& o);
// The reverse; anything else is an unknown opponent.
Opponent parseOpponent(std::string_view text);
// How Blue is described beside the opponent.
inline constexpr std::string_view kBlueDescription = "player at this machine";

enum class Outcome : std::uint8_t { Unfinished, BlueWins, RedWins, Draw };

// What ended the game. An abandoned game is lost by the side to move; the
// window reports it as such, and the record keeps both the winner and why.
enum class Ending : std::uint8_t {
    NotStated,  // unfinished, or a file that names the winner but not how
    Five,
    FullBoard,
    Stopped,         // Stop pressed here
    Restarted,       // Play pressed here during the game
    Closed,          // the program closed here
    HungUp,          // the connection ended here
    PeerStopped,     // the peer's Stop
    PeerRestarted,   // the peer's Play over the running game
    PeerLeft,        // the peer closed the connection
    ConnectionLost,  // the connection failed
};

struct Result {
    Outcome outcome = Outcome::Unfinished;
    Ending ending = Ending::NotStated;
    friend bool operator==(const Result&, const Result&) = default;
};

// "Blue wins, five in a row", "draw, full board", "Red wins", "unfinished".
std::string describeResult(const Result& r);
// The reverse; nullopt for text that is not one of these.
std::optional<Result> parseResult(std::string_view text);
// The ending's own words ("stopped here"), and back; empty for NotStated.
std::string_view endingWords(Ending e);
std::optional<Ending> endingFromWords(std::string_view words);

// A local date and time to the second; all zero when not known.
struct RecordTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;

    bool isSet() const { return year != 0; }
    // "2024-05-01" and "14:03:22".
    std::string dateText() const;
    std::string timeText() const;
    // Both parts, each checked for range; nullopt for anything else.
    static std::optional<RecordTime> parse(std::string_view date, std::string_view time);

    friend bool operator==(const RecordTime&, const RecordTime&) = default;
};

struct GameRecord {
    int boardSize = 15;
    Stone firstMover = Stone::Blue;
    std::vector<RecordedMove> moves;  // the sides alternate, firstMover first
    Opponent opponent;
    Result result;
    RecordTime started;
    // Played on from a position under review (and not scored).
    bool continued = false;

    // Who played moves[index]; moves.size() gives the side to move next.
    Stone sideOf(std::size_t index) const {
        return index % 2 == 0 ? firstMover : otherStone(firstMover);
    }
    Stone sideToMove() const { return sideOf(moves.size()); }

    friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

// A record read from a file, or the one line that says why the file was
// refused (the line the board shows).
struct RecordOrRefusal {
    std::optional<GameRecord> record;
    std::string refusal;
};

// Refusal lines shared by the readers.
namespace refusal {
// A piece of the file to quote in a refusal: on one line, and short.
std::string excerpt(std::string_view text);
std::string tooLarge();
std::string binary();
std::string empty();
std::string boardSize(int width, int height);
std::string tooManyMoves(int boardSize);
std::string offBoard(std::size_t moveNumber);
std::string occupied(std::size_t moveNumber, const std::string& cellName);
}  // namespace refusal

// Checks what every reader checks of a whole file before reading it: not
// too large, not empty, no control characters but tab, CR and LF. Returns
// the refusal, or an empty string.
std::string checkRecordText(std::string_view bytes);

// Follows moves one by one on an empty board, as a reader meets them: each
// must lie on the board, on a free cell, and there can be no more of them
// than cells. Returns the refusal for the first that breaks a rule.
class MoveChecker {
public:
    explicit MoveChecker(int boardSize);
    std::optional<std::string> add(int col, int row);

private:
    int n_;
    std::size_t count_ = 0;
    std::vector<bool> taken_;
};

}  // namespace zelvan::records
