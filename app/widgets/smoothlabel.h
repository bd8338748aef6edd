#pragma once

#include <QLabel>

namespace zelvan {

// The program's text label: a plain label whose font always carries the
// anti-aliased rendering strategy (or the platform's default one when
// switched off), whatever font it is given later.
class SmoothLabel : public QLabel {
    Q_OBJECT

public:
    explicit SmoothLabel(QWidget* parent = nullptr);
    explicit SmoothLabel(const QString& text, QWidget* parent = nullptr);

    bool antialiased() const { return antialiased_; }
    void setAntialiased(bool on);

    // No background fill when transparent; opaque (window colour) otherwise.
    bool isTransparent() const { return !autoFillBackground(); }
    void setTransparent(bool on) { setAutoFillBackground(!on); }

    // Text colour (the palette's window text).
    QColor fontColor() const;
    void setFontColor(const QColor& c);

    // When on, the label takes the size of its text at every text or font change.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);

    // Hides QLabel::setText so an auto-sized label follows its text.
    void setText(const QString& text);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyQuality();
    void fitToText();

    bool antialiased_ = true;
    bool autoSize_ = true;
};

}  // namespace zelvan
