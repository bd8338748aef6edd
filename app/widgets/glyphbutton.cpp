#include "app/widgets/glyphbutton.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>

#include <algorithm>

namespace zelvan {

namespace {

// Frames 0..2 are the faces; a strip's frame 3 is never shown.
constexpr int kShownFrames = 3;

}  // namespace

GlyphButton::GlyphButton(QWidget* parent) : QWidget(parent) {
    // Buttons never take the keyboard focus; the parent is painted beneath.
    setFocusPolicy(Qt::NoFocus);
    resize(100, 24);
}

void GlyphButton::refresh() {
    // A transparent button needs its parent redrawn beneath it.
    if (transparent_)
        update();
    else
        repaint();
}

void GlyphButton::setAlignment(Qt::Alignment a) {
    alignment_ = a & Qt::AlignHorizontal_Mask;
    refresh();
}

void GlyphButton::setCaption(const QString& text) {
    caption_ = text;
    refresh();
}

QColor GlyphButton::color() const {
    return color_ ? *color_ : palette().color(QPalette::Window);
}

void GlyphButton::setColor(const QColor& c) {
    color_ = c;
    refresh();
}

QColor GlyphButton::fontColor() const {
    return palette().color(QPalette::WindowText);
}

void GlyphButton::setFontColor(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
    refresh();
}

void GlyphButton::setDown(bool on) {
    if (on == down_) return;
    down_ = on;
    refresh();
}

void GlyphButton::setFlat(bool on) {
    flat_ = on;
    refresh();
}

void GlyphButton::setGlyph(const QImage& strip) {
    glyph_ = strip.copy();
    glyph_.setDevicePixelRatio(strip.devicePixelRatio());
    numGlyphs_ = glyph_.height() > 0 ? glyph_.width() / glyph_.height() : 0;
    rebuildFrames();
    refresh();
}

void GlyphButton::setLayout(Layout l) {
    layout_ = l;
    refresh();
}

void GlyphButton::setLightColor(const QColor& c) {
    lightColor_ = c;
    refresh();
}

void GlyphButton::setShadowColor(const QColor& c) {
    shadowColor_ = c;
    refresh();
}

void GlyphButton::setNumGlyphs(int n) {
    numGlyphs_ = n;
    rebuildFrames();
    refresh();
}

void GlyphButton::setTransparent(bool on) {
    transparent_ = on;
    refresh();
}

int GlyphButton::frameWidth() const {
    return numGlyphs_ > 0 ? glyph_.width() / numGlyphs_ : 0;
}

void GlyphButton::rebuildFrames() {
    frames_.clear();
    const int gw = frameWidth();
    const int gh = glyph_.height();
    if (gw <= 0 || gh <= 0) return;
    const int available = std::min({numGlyphs_, glyph_.width() / gw, kShownFrames});
    for (int k = 0; k < available; ++k) {
        QImage frame =
            glyph_.copy(k * gw, 0, gw, gh).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        frame.setDevicePixelRatio(glyph_.devicePixelRatio());
        // A strip that brings its own transparency needs no key.
        if (glyph_.hasAlphaChannel()) {
            frames_.push_back(std::move(frame));
            continue;
        }
        const QRgb key = frame.pixel(0, gh - 1) & RGB_MASK;
        for (int y = 0; y < gh; ++y) {
            auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
            for (int x = 0; x < gw; ++x)
                if ((line[x] & RGB_MASK) == key) line[x] = 0;
        }
        frames_.push_back(std::move(frame));
    }
}

void GlyphButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width();
    const int h = height();

    if (!transparent_) p.fillRect(rect(), color());

    if (isEnabled() && !flat_) {
        // Lit top and left edges when up, shaded when down; the corners
        // follow the line order: top-right shaded, bottom-left lit.
        const QColor first = down_ ? shadowColor_ : lightColor_;
        const QColor second = down_ ? lightColor_ : shadowColor_;
        p.fillRect(QRect(0, 0, 1, h), first);
        p.fillRect(QRect(0, 0, w - 1, 1), first);
        p.fillRect(QRect(w - 1, 0, 1, h), second);
        p.fillRect(QRect(1, h - 1, w - 1, 1), second);
    } else if (!isEnabled()) {
        p.setPen(lightColor_);
        p.setBrush(Qt::NoBrush);
        p.drawRect(0, 0, w - 1, h - 1);
    }

    const QFontMetrics fm(font());
    const int tw = caption_.isEmpty() ? 0 : fm.horizontalAdvance(caption_);
    const int th = fm.height();
    // A strip painted for a finer screen carries its scale: the layout counts
    // in the button's own pixels.
    const qreal scale = std::max<qreal>(1, glyph_.devicePixelRatio());
    const int gw = qRound(frameWidth() / scale);
    const int gh = qRound(glyph_.height() / scale);
    const int frame = down_ ? 2 : (mouseInside_ ? 1 : 0);
    const int d = down_ ? 1 : 0;
    const int textTop = (h - th) / 2 + d;
    const int glyphTop = (h - gh) / 2 + d;

    int textX = 0;
    int glyphX = 0;
    const bool glyphRight = layout_ == Layout::GlyphRight;
    if (alignment_ & Qt::AlignRight) {
        textX = glyphRight ? w - 7 - tw - gw : w - 5 - tw;
        glyphX = glyphRight ? w - 5 - gw : w - 7 - tw - gw;
    } else if (alignment_ & Qt::AlignHCenter) {
        const int start = (w - tw - gw) / 2;
        textX = glyphRight ? start - 1 : start + gw + 1;
        glyphX = glyphRight ? start + tw + 1 : start - 1;
    } else {
        textX = glyphRight ? 5 : gw + 7;
        glyphX = glyphRight ? tw + 7 : 5;
    }
    textX += d;
    glyphX += d;

    if (!caption_.isEmpty()) {
        p.save();
        p.setClipRect(QRect(1, 1, w - 2, h - 2));
        p.setFont(font());
        p.setPen(fontColor());
        p.drawText(textX, textTop + fm.ascent(), caption_);
        p.restore();
    }

    if (!frames_.empty()) {
        // A strip too short for the wanted face shows its first frame rather
        // than pixels from beyond its end.
        const auto index = static_cast<std::size_t>(frame) < frames_.size() ? frame : 0;
        p.drawImage(glyphX, glyphTop, frames_[index]);
    }
}

void GlyphButton::enterEvent(QEnterEvent* event) {
    mouseInside_ = true;
    refresh();
    QWidget::enterEvent(event);
    emit mouseEntered();
}

void GlyphButton::leaveEvent(QEvent* event) {
    mouseInside_ = false;
    refresh();
    QWidget::leaveEvent(event);
    emit mouseExited();
}

void GlyphButton::mousePressEvent(QMouseEvent* event) {
    // Any button presses the button down.
    setDown(true);
    event->accept();
}

void GlyphButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        // Raised while still down, so the handler sees the pressed face; it
        // may also delete the button.
        QPointer<GlyphButton> self(this);
        emit clicked();
        if (!self) return;
    }
    setDown(false);
}

void GlyphButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is still a press; its release is a
    // click, so two quick clicks act twice.
    mousePressEvent(event);
}

}  // namespace zelvan
