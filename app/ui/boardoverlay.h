#pragma once
// A layer over the board picture: a transparent child of the board that
// covers it exactly, follows its size when a new board is drawn, and lets
// every mouse press through to the board below. Overlays paint with QPainter
// in the board's logical pixels (or its device pixels, where a line must be
// sharp: boardgrid.h) and never touch the retained bitmap, so they stay
// sharp at any device pixel ratio and vanish without a trace.

#include <QWidget>

namespace zelvan {

class BoardPicture;

class BoardOverlay : public QWidget {
    Q_OBJECT
public:
    explicit BoardOverlay(BoardPicture* board);

    BoardPicture* board() const { return board_; }
    // Where cell (c, r) lies on the overlay: its interior, p x p board
    // pixels, or on a screen drawn at a fraction its device pixels counted
    // back in board pixels.
    QRectF cellRect(int c, int r) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BoardPicture* board_;
};

}  // namespace zelvan
