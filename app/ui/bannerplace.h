#pragma once
// Where the banner over the board goes. It never hides the winning line
// where the board has room, and hides as few pieces as it can: over the
// board's bottom edge band when that is clear, else the top one, else the
// clear band nearest to an edge. A piece that lands under it later (a
// peer's move during a notice) is kept in view the same way.

#include <QRect>
#include <QSize>
#include <vector>

namespace zelvan {

class BoardPicture;
class MatchControl;

// What the banner should leave visible, as rectangles of the window.
struct BoardClearance {
    std::vector<QRect> mustShow;    // never covered: the winning line, pieces just placed
    std::vector<QRect> ratherShow;  // covered as few as can be: every other piece
};

// The pieces on the board picture and, after a five, the winning line.
BoardClearance clearanceOf(const MatchControl& match, const BoardPicture& board);

// The banner's place over `board` (a rectangle of the window), centred
// across it.
QRect bannerPlace(const QRect& board, QSize banner, const BoardClearance& clear);

// Whether a place leaves everything that must show in view.
bool leavesInView(const QRect& place, const BoardClearance& clear);

// The cells of the line from (c1, r1) to (c2, r2): across, down or diagonal.
std::vector<QPoint> lineCells(int c1, int r1, int c2, int r2);

}  // namespace zelvan
