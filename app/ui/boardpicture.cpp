#include "app/ui/boardpicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace zelvan {

const QColor BoardPicture::kBoardColour(0, 8, 12);
const QColor BoardPicture::kTraceColour(0, 32, 36);

QColor gridColour(int n) {
    return n == 15 ? QColor(0, 64, 69) : QColor(0, 58, 64);
}
QColor liveFrameColour(int n) {
    return n == 15 ? QColor(0, 112, 116) : QColor(0, 107, 112);
}

BoardPicture::BoardPicture(QWidget* parent, double scale)
    : QWidget(parent), scale_(scale), grid_(15, 36, scale) {
    const int side = static_cast<int>(std::lround(kBitmapSide * scale));
    bitmap_ = QImage(side, side, QImage::Format_RGB32);
    bitmap_.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardPicture::drawGrid(int n, int p) {
    ++gridsDrawn_;
    grid_ = BoardGrid(n, p, scale_);
    const int side = n * (p + 1) + 1;
    resize(side, side);
    QPainter painter(&bitmap_);
    const int d = grid_.side();
    const int w = grid_.lineWidth();
    painter.fillRect(0, 0, d, d, kBoardColour);
    for (int k = 0; k <= n; ++k) {
        painter.fillRect(grid_.line(k), 0, w, d, gridColour(n));
        painter.fillRect(0, grid_.line(k), d, w, gridColour(n));
    }
    update();
}

const QImage& BoardPicture::fitted(const QImage& picture, QSize size) {
    const QString key =
        QStringLiteral("%1/%2x%3").arg(picture.cacheKey()).arg(size.width()).arg(size.height());
    auto it = fittedPictures_.find(key);
    if (it == fittedPictures_.end()) {
        QImage scaled = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(1);
        it = fittedPictures_.insert(key, scaled);
    }
    return *it;
}

void BoardPicture::drawPicture(const QImage& picture, int c, int r) {
    const QRect cell = grid_.cell(c, r);
    QImage shown = picture;
    shown.setDevicePixelRatio(1);  // pixels are what counts here
    if (shown.size() != cell.size()) shown = fitted(picture, cell.size());
    QPainter painter(&bitmap_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(cell.topLeft(), shown);
    updateDevice(cell);
}

QRectF BoardPicture::cellRect(int c, int r) const {
    const QRectF device(grid_.cell(c, r));
    return QRectF(device.topLeft() / scale_, device.size() / scale_);
}

void BoardPicture::drawFrame(int c, int r, const QColor& colour) {
    QPainter painter(&bitmap_);
    const QRect cell = grid_.cell(c, r);
    const int w = grid_.lineWidth();
    // The outermost ring of the cell's interior, as wide as a grid line.
    painter.fillRect(cell.left(), cell.top(), cell.width(), w, colour);
    painter.fillRect(cell.left(), cell.bottom() - w + 1, cell.width(), w, colour);
    painter.fillRect(cell.left(), cell.top(), w, cell.height(), colour);
    painter.fillRect(cell.right() - w + 1, cell.top(), w, cell.height(), colour);
    updateDevice(cell);
}

void BoardPicture::updateDevice(const QRect& device) {
    update(grid_.toBoardPixels(device) & rect());
}

void BoardPicture::markMove(Side side, int c, int r) {
    QPoint& mark = side == Side::Blue ? blueMark_ : redMark_;
    if (mark.x() > 0) drawFrame(mark.x(), mark.y(), kTraceColour);
    mark = QPoint(c, r);
    drawFrame(c, r, liveFrameColour(grid_.boardSize()));
}

void BoardPicture::eraseMark(Side side) {
    const QPoint& mark = side == Side::Blue ? blueMark_ : redMark_;
    if (mark.x() > 0) drawFrame(mark.x(), mark.y(), kTraceColour);
}

void BoardPicture::forgetMarks() {
    blueMark_ = QPoint(0, 0);
    redMark_ = QPoint(0, 0);
}

void BoardPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintInDevicePixels(painter);
    painter.drawImage(QPoint(0, 0), bitmap_);
}

void BoardPicture::mousePressEvent(QMouseEvent* e) {
    // The device pixel under the pointer, counted from the one the picture
    // starts at, then the board pixel it shows.
    const QPointF inWindow = mapTo(window(), e->position());
    const QPoint origin = nearestDevicePixel(mapTo(window(), QPointF(0, 0)), scale_);
    const auto device = [&](double at, int from) {
        return static_cast<int>(std::floor(at * scale_ + 1e-6)) - from;
    };
    emit mousePressed(e->button(), grid_.boardPixel(device(inWindow.x(), origin.x())),
                      grid_.boardPixel(device(inWindow.y(), origin.y())));
}

}  // namespace zelvan
