#pragma once
// Move numbers over the pieces, so a game can be read back in the order it
// was played: each piece shows its number in a small font that fits its
// cell. On the largest board only the last few moves are numbered; there
// the numbers would bury the pieces. Drawn from the position whenever the
// board repaints, so pieces placed, taken back or cleared show at once.

#include <cstddef>
#include <cstdint>

#include "app/ui/boardoverlay.h"
#include "core/engine/position.h"

namespace zelvan {

class MoveNumbers : public BoardOverlay {
    Q_OBJECT
public:
    static constexpr int kLastOnLargest = 9;

    MoveNumbers(BoardPicture* board, const Position& position);

    // The moves numbered now: all of them, or the last kLastOnLargest on a
    // 30x30 board: the index of the first in the position's moves.
    std::size_t firstNumbered() const;
    // The font's pixel size for numbers up to `largest` on cells of pitch p.
    static int fontPixels(int p, int largest);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const Position& position_;
    std::size_t paintedMoves_ = 0;
    int paintedGrid_ = 0;
};

}  // namespace zelvan
