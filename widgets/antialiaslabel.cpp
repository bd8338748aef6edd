#include "widgets/antialiaslabel.h"

#include <QEvent>
#include <QPalette>

AntiAliasLabel::AntiAliasLabel(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    applyQuality();
}

AntiAliasLabel::AntiAliasLabel(const QString& text, QWidget* parent) : AntiAliasLabel(parent) {
    setText(text);
}

void AntiAliasLabel::setAntialiased(bool on) {
    antialiased_ = on;
    applyQuality();
}

void AntiAliasLabel::applyQuality() {
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

QColor AntiAliasLabel::fontColor() const {
    return palette().color(QPalette::WindowText);
}

void AntiAliasLabel::setFontColor(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

void AntiAliasLabel::setAutoSize(bool on) {
    autoSize_ = on;
    fitToText();
}

void AntiAliasLabel::setText(const QString& text) {
    QLabel::setText(text);
    fitToText();
}

void AntiAliasLabel::fitToText() {
    if (autoSize_) adjustSize();
}

void AntiAliasLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) applyQuality();
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitToText();
}
