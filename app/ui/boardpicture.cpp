#include "app/ui/boardpicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "core/engine/board.h"

namespace zelvan {

const QColor BoardPicture::kBoardColour(0, 8, 12);
const QColor BoardPicture::kTraceColour(0, 32, 36);

QColor gridColour(int n) {
    return n == 15 ? QColor(0, 64, 69) : QColor(0, 58, 64);
}
QColor liveFrameColour(int n) {
    return n == 15 ? QColor(0, 112, 116) : QColor(0, 107, 112);
}

BoardPicture::BoardPicture(QWidget* parent, int scale)
    : QWidget(parent), bitmap_(kBitmapSide * scale, kBitmapSide * scale, QImage::Format_RGB32) {
    // The painters below work in board pixels; the bitmap's ratio scales them.
    bitmap_.setDevicePixelRatio(scale);
    bitmap_.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardPicture::drawGrid(int n, int p) {
    ++gridsDrawn_;
    n_ = n;
    p_ = p;
    const int side = n * (p + 1) + 1;
    resize(side, side);
    QPainter painter(&bitmap_);
    painter.fillRect(0, 0, side, side, kBoardColour);
    // Lines as filled one-pixel strips: at any scale they cover exactly
    // their own pixels, never half of a neighbour.
    for (int k = 0; k <= n; ++k) {
        const int at = k * (p + 1);
        painter.fillRect(at, 0, 1, side, gridColour(n));
        painter.fillRect(0, at, side, 1, gridColour(n));
    }
    update();
}

void BoardPicture::drawPicture(const QImage& picture, int c, int r) {
    QPainter painter(&bitmap_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(cellOrigin(c, p_), cellOrigin(r, p_), p_, p_), picture);
    update(cellOrigin(c, p_), cellOrigin(r, p_), p_, p_);
}

void BoardPicture::drawFrame(int c, int r, const QColor& colour) {
    QPainter painter(&bitmap_);
    const int x = cellOrigin(c, p_);
    const int y = cellOrigin(r, p_);
    // The outermost ring of the cell's interior, one board pixel wide.
    painter.fillRect(x, y, p_, 1, colour);
    painter.fillRect(x, y + p_ - 1, p_, 1, colour);
    painter.fillRect(x, y, 1, p_, colour);
    painter.fillRect(x + p_ - 1, y, 1, p_, colour);
    update(x, y, p_, p_);
}

void BoardPicture::markMove(Side side, int c, int r) {
    QPoint& mark = side == Side::Blue ? blueMark_ : redMark_;
    if (mark.x() > 0) drawFrame(mark.x(), mark.y(), kTraceColour);
    mark = QPoint(c, r);
    drawFrame(c, r, liveFrameColour(n_));
}

void BoardPicture::eraseMark(Side side) {
    const QPoint& mark = side == Side::Blue ? blueMark_ : redMark_;
    if (mark.x() > 0) drawFrame(mark.x(), mark.y(), kTraceColour);
}

void BoardPicture::forgetMarks() {
    blueMark_ = QPoint(0, 0);
    redMark_ = QPoint(0, 0);
}

void BoardPicture::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    const qreal scale = bitmap_.devicePixelRatio();
    const QRectF area(e->rect());
    painter.drawImage(area, bitmap_, QRectF(area.topLeft() * scale, area.size() * scale));
}

void BoardPicture::mousePressEvent(QMouseEvent* e) {
    // On a finer screen the pointer falls between board pixels: the board
    // pixel is the one it lies in, so each cell takes exactly its own area.
    const QPointF at = e->position();
    emit mousePressed(e->button(), static_cast<int>(std::floor(at.x())),
                      static_cast<int>(std::floor(at.y())));
}

}  // namespace zelvan
