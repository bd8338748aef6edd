#pragma once
// The match runner's judge: the board of one game, what each move does to
// it, and what a brain's answer line says. Coordinates are the protocol's,
// 0-based x (column) and y (row).

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zelvan::match {

// Black moves first.
enum class Colour : std::uint8_t { None, Black, White };

inline Colour otherColour(Colour c) {
    return c == Colour::Black ? Colour::White : Colour::Black;
}

struct Move {
    int x = 0;
    int y = 0;
    friend bool operator==(const Move&, const Move&) = default;
};

enum class Verdict {
    Continue,   // the game goes on
    Five,       // the mover has five or more in a row
    FullBoard,  // the last empty cell is filled without a five: a draw
    Illegal,    // off the board or on a stone; the board is unchanged
};

class Referee {
public:
    explicit Referee(int size);

    int size() const { return size_; }
    Colour at(Move m) const;  // None off the board too
    int stones() const { return stones_; }
    Verdict play(Move m, Colour c);

private:
    bool inside(Move m) const { return m.x >= 0 && m.y >= 0 && m.x < size_ && m.y < size_; }
    // Stones of colour c in a line through m, along (dx, dy) and back.
    int runThrough(Move m, int dx, int dy, Colour c) const;

    int size_;
    int stones_ = 0;
    std::vector<Colour> cells_;
};

// What one line from a brain is while the runner waits for its move.
struct Answer {
    enum class Kind {
        Move,     // "x,y"
        Note,     // empty, MESSAGE, DEBUG, ERROR, UNKNOWN, SUGGEST or OK: read past it
        Garbled,  // anything else
    };
    Kind kind = Kind::Garbled;
    Move move;
};

Answer readAnswer(std::string_view line);

}  // namespace zelvan::match
