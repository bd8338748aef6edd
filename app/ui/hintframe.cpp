#include "app/ui/hintframe.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "app/ui/boardpicture.h"

namespace zelvan {

const QColor HintFrame::kColour(255, 196, 64);

HintFrame::HintFrame(BoardPicture* board, const Position& position)
    : BoardOverlay(board), position_(position) {
    // About 30 frames a second while it pulses, and no wake-ups otherwise.
    timer_.setInterval(33);
    connect(&timer_, &QTimer::timeout, this, &HintFrame::onFrameTick);
    hide();
}

void HintFrame::pulse(int col, int row) {
    cell_ = QPoint(col, row);
    grid_ = board()->gridsDrawn();
    clock_.start();
    timer_.start();
    show();
    update();
}

void HintFrame::stop() {
    timer_.stop();
    hide();
}

double HintFrame::strength() const {
    if (!isPulsing()) return 0.0;
    // Starts bright, fades and returns kPulses times, never quite vanishing
    // so the eye keeps the cell between beats.
    const double t = double(clock_.elapsed()) / kShowMs;
    return 0.6 + 0.4 * std::cos(2.0 * std::numbers::pi * kPulses * t);
}

void HintFrame::onFrameTick() {
    const bool taken = board()->gridsDrawn() != grid_ || !position_.onBoard(cell_.x(), cell_.y()) ||
                       position_.cell(cell_.x(), cell_.y()) != kNone;
    if (taken || clock_.elapsed() >= kShowMs) {
        stop();
        return;
    }
    update(cellRect(cell_.x(), cell_.y()).toAlignedRect().adjusted(-3, -3, 3, 3));
}

void HintFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor colour = kColour;
    colour.setAlphaF(float(strength()));
    const QRectF cell = cellRect(cell_.x(), cell_.y());
    // A width that reads on the 18-pixel cells of the largest board too.
    const qreal width = cell.width() >= 30 ? 3.0 : 2.0;
    painter.setPen(QPen(colour, width));
    QColor glow = kColour;
    glow.setAlphaF(float(strength() * 0.25));
    painter.setBrush(glow);
    const qreal inset = width / 2 + 1;
    painter.drawRoundedRect(cell.adjusted(inset, inset, -inset, -inset), 3, 3);
}

}  // namespace zelvan
