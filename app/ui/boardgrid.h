#pragma once
// Where the board's grid lines and cells fall on the screen's own pixels.
//
// The board is laid out in board pixels: n cells of p pixels between grid
// lines one pixel wide, S = n(p+1)+1 pixels a side. On a screen drawn at a
// factor f the board takes round(S*f) device pixels; every grid line is
// round(f) of them wide, so all lines look alike and sharp, and the cells
// share what is left between the lines, no two differing by more than one
// pixel. At a whole factor that is exactly f pixels for each board pixel.

#include <QPainter>
#include <QRect>

namespace zelvan {

class BoardGrid {
public:
    BoardGrid() = default;
    BoardGrid(int n, int p, double scale);

    int boardSize() const { return n_; }
    int cellPitch() const { return p_; }
    double scale() const { return scale_; }
    // Device pixels: the width of every grid line, the side of the board.
    int lineWidth() const { return lineWidth_; }
    int side() const { return side_; }
    // The first device pixel of grid line k, 0..n.
    int line(int k) const;
    // The interior of cell (c, r), counted from 1, in device pixels.
    QRect cell(int c, int r) const;
    // The board pixel a device pixel shows: a grid line's pixels are that
    // line's board pixel, a cell's pixels are spread over the cell's own
    // interior, so a board pixel names the same cell a device pixel lies in.
    // Outside the board it scales back plainly (negative stays negative).
    int boardPixel(int device) const;
    // The board pixels (logical ones) covering a device rectangle.
    QRect toBoardPixels(const QRect& device) const;

private:
    int n_ = 15;
    int p_ = 36;
    double scale_ = 1.0;
    int lineWidth_ = 1;
    int side_ = 556;
};

// Makes the painter of a widget count in whole device pixels from the
// device pixel nearest to the widget's top-left corner, the same one for a
// widget and every child at its origin, so what they draw lands on the same
// pixels. Returns the device pixel ratio of the painter.
double paintInDevicePixels(QPainter& painter);

// The device pixel nearest to a widget's top-left corner that lies at
// `inWindow` (logical) in a window drawn at `scale`.
QPoint nearestDevicePixel(QPointF inWindow, double scale);

}  // namespace zelvan
