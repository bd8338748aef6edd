#include "app/widgets/bitmapprogressbar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

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

// Channel k (from 1) of a run of n lines from a to b: begins exactly at a and
// ends exactly at b.
int rampChannel(int a, int b, int k, int n) {
    if (n <= 1) return a;
    return a + static_cast<int>(roundHalfEven(std::int64_t(k - 1) * (b - a), n - 1));
}

QColor rampColor(const QColor& a, const QColor& b, int k, int n) {
    return QColor(rampChannel(a.red(), b.red(), k, n), rampChannel(a.green(), b.green(), k, n),
                  rampChannel(a.blue(), b.blue(), k, n));
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

void BitmapProgressBar::setBarColor1(const QColor& c) {
    barColor1_ = c;
    propertyChanged();
}

void BitmapProgressBar::setBarColor2(const QColor& c) {
    barColor2_ = c;
    propertyChanged();
}

void BitmapProgressBar::setBarColor3(const QColor& c) {
    barColor3_ = c;
    propertyChanged();
}

void BitmapProgressBar::setBarColorStyle(BarColorStyle s) {
    barColorStyle_ = s;
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

void BitmapProgressBar::setDirection(Direction d) {
    direction_ = d;
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
    const QRect inner = innerRect();
    const bool horizontal =
        direction_ == Direction::LeftToRight || direction_ == Direction::RightToLeft;
    const int length = std::max(0, horizontal ? inner.width() : inner.height());
    if (position_ <= min_) return 0;
    const std::int64_t span = std::abs(std::int64_t(max_) - min_);
    // Minimum and maximum may have moved after the position was set; the fill
    // never leaves the inner area.
    if (span == 0) return length;
    const std::int64_t f = roundHalfEven((std::int64_t(position_) - min_) * length, span);
    return static_cast<int>(std::clamp<std::int64_t>(f, 0, length));
}

void BitmapProgressBar::rebuildBarCache() {
    const int w = width();
    const int h = height();
    barCache_ = deviceImage();
    if (!barBitmap_.isNull() && barBitmap_.width() > 0 && barBitmap_.height() > 0) {
        QPainter p(&barCache_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        // In the control's pixels: a bitmap painted finer tiles at its own size.
        const QSizeF tile = barBitmap_.deviceIndependentSize();
        for (int row = 0; row <= int(h / tile.height()); ++row)
            for (int col = 0; col <= int(w / tile.width()); ++col)
                p.drawImage(QPointF(col * tile.width(), row * tile.height()), barBitmap_);
        return;
    }
    barCache_.fill(barColor1_);
    if (barColorStyle_ == BarColorStyle::OneColour) return;

    // One-pixel lines across the bar, over the whole control, starting at the
    // side the bar grows from.
    const bool horizontal =
        direction_ == Direction::LeftToRight || direction_ == Direction::RightToLeft;
    const bool reversed =
        direction_ == Direction::RightToLeft || direction_ == Direction::BottomToTop;
    const int n = horizontal ? w : h;
    auto colourAt = [&](int i) -> QColor {  // i from 0, counted from the growing side
        if (barColorStyle_ == BarColorStyle::TwoColours)
            return rampColor(barColor1_, barColor2_, i + 1, n);
        const int half = n / 2;
        if (i < half) return rampColor(barColor1_, barColor2_, i + 1, half);
        return rampColor(barColor2_, barColor3_, i - half + 1, n - half);
    };
    QPainter p(&barCache_);
    for (int i = 0; i < n; ++i) {
        const int at = reversed ? n - 1 - i : i;
        const QRect line = horizontal ? QRect(at, 0, 1, h) : QRect(0, at, w, 1);
        p.fillRect(line, colourAt(i));
    }
}

void BitmapProgressBar::drawBar() {
    const bool hasBitmap = !barBitmap_.isNull() && barBitmap_.width() > 0;
    if (!hasBitmap && barColorStyle_ == BarColorStyle::OneColour) {
        offscreen_.fill(barColor1_);
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
    QRect rest;
    switch (direction_) {
    case Direction::LeftToRight:
        rest = QRect(inner.left() + filled, inner.top(), inner.width() - filled, inner.height());
        break;
    case Direction::RightToLeft:
        rest = QRect(inner.left(), inner.top(), inner.width() - filled, inner.height());
        break;
    case Direction::TopToBottom:
        rest = QRect(inner.left(), inner.top() + filled, inner.width(), inner.height() - filled);
        break;
    case Direction::BottomToTop:
        rest = QRect(inner.left(), inner.top(), inner.width(), inner.height() - filled);
        break;
    }
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
