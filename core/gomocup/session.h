#pragma once
// The brain program's side of the tournament protocol: one line in, the
// answer lines out, with no process or stream of its own, so every command
// can be tried in a test. The session keeps the position, checks every stone
// it is given and mirrors the position into its player.
//
// Coordinates on the wire are 0-based "x,y" (x the column from the left, y
// the row from the top); the player sees 1-based columns and rows.

#include <string>
#include <string_view>
#include <vector>

#include "core/gomocup/limits.h"
#include "core/gomocup/player.h"

namespace zelvan::gomocup {

inline constexpr int kSmallestBoard = 5;

class BrainSession {
public:
    // `about` is the answer to ABOUT, as it goes out.
    BrainSession(BrainPlayer& player, std::string about);

    // One line of input, its line end included or not; the lines to answer,
    // in order (often none).
    std::vector<std::string> handle(std::string_view line);

    // END has been received: the program should stop reading and exit.
    bool ended() const { return ended_; }

private:
    struct Stone {
        Point at;
        Side side;
    };

    std::vector<std::string> command(std::string_view word, std::string_view rest);
    std::vector<std::string> boardLine(std::string_view line);
    std::vector<std::string> start(std::string_view sizeText);
    std::vector<std::string> turn(std::string_view where);
    std::vector<std::string> begin();
    std::vector<std::string> done();
    std::vector<std::string> takeBack(std::string_view where);
    std::vector<std::string> info(std::string_view rest);

    void newBoard(int size);
    void place(Point p, Side side);
    void clearStones();
    std::vector<std::string> answerMove();
    // The cell "x,y" names on this board, or none with the reason in `problem`.
    Point readPoint(std::string_view text, std::string& error) const;
    int& cell(Point p) { return cells_[(p.row - 1) * size_ + (p.col - 1)]; }

    BrainPlayer& player_;
    std::string about_;
    int size_ = 0;               // 0 until START
    std::vector<int> cells_;     // 0 empty, else 1 + the Side
    std::vector<Stone> stones_;  // in the order the player got them
    bool readingBoard_ = false;  // between BOARD and DONE
    std::vector<Stone> boardStones_;
    ClockInfo clock_;
    bool ended_ = false;
};

}  // namespace zelvan::gomocup
