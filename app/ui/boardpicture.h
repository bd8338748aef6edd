#pragma once
// The board picture: a retained 571x571 bitmap that is drawn
// incrementally and never rebuilt from the position. The control shows
// its top-left SxS square; repaints just show the bitmap again. On a screen
// drawn k times finer the bitmap holds k x k pixels for each of the board's,
// so a grid line is exactly k pixels wide and pieces come from k-times
// pictures; everything else counts in the board's own pixels.

#include <QColor>
#include <QImage>
#include <QWidget>

#include "core/engine/pieces.h"

namespace zelvan {

class BoardPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBitmapSide = 571;
    static const QColor kBoardColour;  // RGB(0,8,12)
    static const QColor kTraceColour;  // RGB(0,32,36)

    // scale: device pixels per board pixel (the pictures' scale).
    explicit BoardPicture(QWidget* parent = nullptr, int scale = 1);

    // A new empty board of n cells with interior pitch p: resizes the control
    // to S = n(p+1)+1, fills the SxS square and draws the grid.
    void drawGrid(int n, int p);
    // Copies a pxp picture (of the board's scale) one to one into the
    // interior of cell (c, r).
    void drawPicture(const QImage& picture, int c, int r);
    // Moves one side's last-move frame to (c, r); the old one becomes a trace.
    void markMove(Side side, int c, int r);
    // Redraws that side's current frame, if any, in the trace colour.
    void eraseMark(Side side);
    void forgetMarks();

    int boardSize() const { return n_; }
    // Grids drawn so far: an overlay tells a new board by it.
    int gridsDrawn() const { return gridsDrawn_; }
    int cellPitch() const { return p_; }
    QPoint markCell(Side side) const { return side == Side::Blue ? blueMark_ : redMark_; }
    const QImage& bitmap() const { return bitmap_; }

signals:
    void mousePressed(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void drawFrame(int c, int r, const QColor& colour);

    QImage bitmap_;
    int gridsDrawn_ = 0;
    int n_ = 15;
    int p_ = 36;
    QPoint blueMark_{0, 0};
    QPoint redMark_{0, 0};
};

// Grid colour of a board of n cells.
QColor gridColour(int n);
// Colour of the live last-move frame on a board of n cells.
QColor liveFrameColour(int n);

}  // namespace zelvan
