#pragma once
// The board picture: a retained bitmap that is drawn incrementally and
// never rebuilt from the position. The control shows its top-left square
// of S x S board pixels; repaints just show the bitmap again. The bitmap
// holds the screen's own pixels (boardgrid.h): on a screen drawn f times
// larger the grid lines are whole pixels wide and each piece is its picture
// scaled to its cell, while callers count in the board's own pixels.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QWidget>

#include "app/ui/boardgrid.h"
#include "core/engine/pieces.h"

namespace zelvan {

class BoardPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBitmapSide = 571;  // board pixels: the largest board
    static const QColor kBoardColour;        // RGB(0,8,12)
    static const QColor kTraceColour;        // RGB(0,32,36)

    // scale: device pixels per board pixel.
    explicit BoardPicture(QWidget* parent = nullptr, double scale = 1.0);

    // A new empty board of n cells with interior pitch p: resizes the control
    // to S = n(p+1)+1, fills the SxS square and draws the grid.
    void drawGrid(int n, int p);
    // Puts a piece's picture into the interior of cell (c, r): one to one
    // where it has the cell's size on the screen, else scaled smoothly to it.
    void drawPicture(const QImage& picture, int c, int r);
    // Moves one side's last-move frame to (c, r); the old one becomes a trace.
    void markMove(Side side, int c, int r);
    // Redraws that side's current frame, if any, in the trace colour.
    void eraseMark(Side side);
    void forgetMarks();

    int boardSize() const { return grid_.boardSize(); }
    // Grids drawn so far: an overlay tells a new board by it.
    int gridsDrawn() const { return gridsDrawn_; }
    int cellPitch() const { return grid_.cellPitch(); }
    const BoardGrid& grid() const { return grid_; }
    // Where cell (c, r)'s interior shows on the control, in its own
    // (logical) pixels: p x p, or its device pixels counted back.
    QRectF cellRect(int c, int r) const;
    QPoint markCell(Side side) const { return side == Side::Blue ? blueMark_ : redMark_; }
    // The retained picture, in device pixels.
    const QImage& bitmap() const { return bitmap_; }

signals:
    // A press at this board pixel (a grid line's, or one inside the cell
    // the pointer is in).
    void mousePressed(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void drawFrame(int c, int r, const QColor& colour);
    // Marks a rectangle of device pixels for repainting.
    void updateDevice(const QRect& device);
    const QImage& fitted(const QImage& picture, QSize size);

    double scale_;
    QImage bitmap_;
    int gridsDrawn_ = 0;
    BoardGrid grid_;
    QPoint blueMark_{0, 0};
    QPoint redMark_{0, 0};
    // Pictures scaled to a cell size, by picture and size.
    QHash<QString, QImage> fittedPictures_;
};

// Grid colour of a board of n cells.
QColor gridColour(int n);
// Colour of the live last-move frame on a board of n cells.
QColor liveFrameColour(int n);

}  // namespace zelvan
