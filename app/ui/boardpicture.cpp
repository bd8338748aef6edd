#include "app/ui/boardpicture.h"

#include <QMouseEvent>
#include <QPainter>

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

BoardPicture::BoardPicture(QWidget* parent)
    : QWidget(parent), bitmap_(kBitmapSide, kBitmapSide, QImage::Format_RGB32) {
    bitmap_.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardPicture::drawGrid(int n, int p) {
    n_ = n;
    p_ = p;
    const int side = n * (p + 1) + 1;
    resize(side, side);
    QPainter painter(&bitmap_);
    painter.fillRect(0, 0, side, side, kBoardColour);
    painter.setPen(QPen(gridColour(n), 1));
    for (int k = 0; k <= n; ++k) {
        const int at = k * (p + 1);
        painter.drawLine(at, 0, at, side - 1);
        painter.drawLine(0, at, side - 1, at);
    }
    update();
}

void BoardPicture::drawPicture(const QImage& picture, int c, int r) {
    QPainter painter(&bitmap_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(cellOrigin(c, p_), cellOrigin(r, p_)), picture, QRect(0, 0, p_, p_));
    update(cellOrigin(c, p_), cellOrigin(r, p_), p_, p_);
}

void BoardPicture::drawFrame(int c, int r, const QColor& colour) {
    QPainter painter(&bitmap_);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    const int x = cellOrigin(c, p_);
    const int y = cellOrigin(r, p_);
    painter.drawRect(x, y, p_ - 1, p_ - 1);
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
    painter.drawImage(e->rect().topLeft(), bitmap_, e->rect());
}

void BoardPicture::mousePressEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    emit mousePressed(e->button(), at.x(), at.y());
}

}  // namespace zelvan
