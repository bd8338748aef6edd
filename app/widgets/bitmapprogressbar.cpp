#include "app/widgets/bitmapprogressbar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace zelvan {

namespace {

// num / den rounded to the nearest integer, halves to even; den > 0.
std::int64_t roundHalfEven(std::int64_t num, std::int64_t den) {
    bool negative = num < 0;
    std::int64_t a = negative ? -num : num;
    std::int64_t q = a / den;
    std::int64_t r2 = 2 * (a % den);
    if (r2 > den || (r2 == den && (q % 2) != 0)) ++q;
    return negative ? -q : q;
}

}  // namespace

BitmapProgressBar::BitmapProgressBar(QWidget* parent) : QWidget(parent) {
    const QPalette pal;
    backgroundColor_ = pal.color(QPalette::Button);
    borderColor1_ = pal.color(QPalette::Dark);
    borderColor2_ = pal.color(QPalette::Light);
    // Everything is painted from the off-screen picture; nothing shows through.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(200, 20);
}

void BitmapProgressBar::propertyChanged() {
    rebuildCache_ = true;
    repaint();
}

void BitmapProgressBar::setBackgroundColor(const QColor& c) {
    backgroundColor_ = c;
    propertyChanged();
}

void BitmapProgressBar::setBarBitmap(const QImage& bitmap) {
    barBitmap_ = bitmap.copy();
    propertyChanged();
}

void BitmapProgressBar::setBarColor(const QColor& c) {
    barColor_ = c;
    propertyChanged();
}

void BitmapProgressBar::setBorderColor1(const QColor& c) {
    borderColor1_ = c;
    propertyChanged();
}

void BitmapProgressBar::setBorderColor2(const QColor& c) {
    borderColor2_ = c;
    propertyChanged();
}

void BitmapProgressBar::setMinimum(int v) {
    min_ = v;
    propertyChanged();
}

void BitmapProgressBar::setMaximum(int v) {
    max_ = v;
    propertyChanged();
}

void BitmapProgressBar::setPosition(int v) {
    if (v == position_ || v < min_ || v > max_) return;
    position_ = v;
    // The bar picture does not depend on the position: reuse the cached one.
    repaint();
}

void BitmapProgressBar::setPosTextPrefix(const QString& s) {
    posTextPrefix_ = s;
    propertyChanged();
}

void BitmapProgressBar::setPosTextSuffix(const QString& s) {
    posTextSuffix_ = s;
    propertyChanged();
}

void BitmapProgressBar::setShowBorder(bool on) {
    showBorder_ = on;
    propertyChanged();
}

void BitmapProgressBar::setShowPosText(bool on) {
    showPosText_ = on;
    propertyChanged();
}

QRect BitmapProgressBar::innerRect() const {
    QRect r(0, 0, width(), height());
    return showBorder_ ? r.adjusted(1, 1, -1, -1) : r;
}

int BitmapProgressBar::filledLength() const {
    const int length = std::max(0, innerRect().width());
    if (position_ <= min_) return 0;
    const std::int64_t span = std::abs(std::int64_t(max_) - min_);
    // Minimum and maximum may have moved after the position was set; the fill
    // never leaves the inner area.
    if (span == 0) return length;
    const std::int64_t f = roundHalfEven((std::int64_t(position_) - min_) * length, span);
    return static_cast<int>(std::clamp<std::int64_t>(f, 0, length));
}

void BitmapProgressBar::rebuildBarCache() {
    barCache_ = deviceImage();
    QPainter p(&barCache_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    // In the control's pixels: a bitmap painted finer tiles at its own size.
    const QSizeF tile = barBitmap_.deviceIndependentSize();
    for (int row = 0; row <= int(height() / tile.height()); ++row)
        for (int col = 0; col <= int(width() / tile.width()); ++col)
            p.drawImage(QPointF(col * tile.width(), row * tile.height()), barBitmap_);
}

void BitmapProgressBar::drawBar() {
    const bool hasBitmap =
        !barBitmap_.isNull() && barBitmap_.width() > 0 && barBitmap_.height() > 0;
    if (!hasBitmap) {
        offscreen_.fill(barColor_);
    } else {
        if (rebuildCache_ || barCache_.size() != offscreen_.size()) {
            rebuildBarCache();
            rebuildCache_ = false;
        }
        QPainter p(&offscreen_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, barCache_);
    }

    const QRect inner = innerRect();
    if (inner.isEmpty()) return;
    const int filled = filledLength();
    const QRect rest(inner.left() + filled, inner.top(), inner.width() - filled, inner.height());
    if (!rest.isEmpty()) {
        QPainter p(&offscreen_);
        p.fillRect(rest, backgroundColor_);
    }
}

QImage BitmapProgressBar::deviceImage() const {
    // As many pixels as the screen shows for the control, so a finer screen
    // gets a sharp bar; painters on it still count in the control's pixels.
    const qreal ratio = devicePixelRatioF();
    QImage img(qRound(width() * ratio), qRound(height() * ratio), QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    return img;
}

void BitmapProgressBar::renderOffscreen() {
    const int w = width();
    const int h = height();
    if (offscreen_.size() !=
        QSize(qRound(w * devicePixelRatioF()), qRound(h * devicePixelRatioF())))
        offscreen_ = deviceImage();
    if (w <= 0 || h <= 0) return;
    drawBar();

    QPainter p(&offscreen_);
    if (showBorder_) {
        p.fillRect(QRect(0, 0, w, 1), borderColor1_);          // top
        p.fillRect(QRect(0, 0, 1, h), borderColor1_);          // left
        p.fillRect(QRect(1, h - 1, w - 1, 1), borderColor2_);  // bottom
        p.fillRect(QRect(w - 1, 1, 1, h - 1), borderColor2_);  // right
    }
    if (showPosText_) {
        const QString text = posTextPrefix_ + QString::number(position_) + posTextSuffix_;
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics fm(font());
        const int tw = fm.horizontalAdvance(text);
        const int th = fm.height();
        p.drawText(w / 2 - tw / 2, h / 2 - th / 2 + fm.ascent(), text);
    }
}

void BitmapProgressBar::paintEvent(QPaintEvent*) {
    renderOffscreen();
    QPainter p(this);
    p.drawImage(0, 0, offscreen_);
}

void BitmapProgressBar::resizeEvent(QResizeEvent* event) {
    rebuildCache_ = true;
    QWidget::resizeEvent(event);
}

void BitmapProgressBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) update();
    QWidget::changeEvent(event);
}

}  // namespace zelvan
