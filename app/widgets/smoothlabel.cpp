#include "app/widgets/smoothlabel.h"

#include <QEvent>
#include <QPalette>

namespace zelvan {

SmoothLabel::SmoothLabel(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    applyQuality();
}

SmoothLabel::SmoothLabel(const QString& text, QWidget* parent) : SmoothLabel(parent) {
    setText(text);
}

void SmoothLabel::setAntialiased(bool on) {
    antialiased_ = on;
    applyQuality();
}

void SmoothLabel::applyQuality() {
    QFont f = font();
    const auto strategy = f.styleStrategy();
    const bool isAntialiased = (strategy & QFont::PreferAntialias) != 0;
    // Replacing the font is itself a font change: stop once the strategy
    // already agrees, or the change would come back here forever.
    if (isAntialiased == antialiased_) return;
    const int cleared = strategy & ~(QFont::PreferAntialias | QFont::NoAntialias);
    f.setStyleStrategy(
        QFont::StyleStrategy(antialiased_ ? cleared | QFont::PreferAntialias : cleared));
    setFont(f);
}

QColor SmoothLabel::fontColor() const {
    return palette().color(QPalette::WindowText);
}

void SmoothLabel::setFontColor(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

void SmoothLabel::setAutoSize(bool on) {
    autoSize_ = on;
    fitToText();
}

void SmoothLabel::setText(const QString& text) {
    QLabel::setText(text);
    fitToText();
}

void SmoothLabel::fitToText() {
    if (autoSize_) adjustSize();
}

void SmoothLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) applyQuality();
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitToText();
}

}  // namespace zelvan
