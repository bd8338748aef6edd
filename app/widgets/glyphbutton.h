#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

namespace zelvan {

// The program's push button: owner-drawn, showing one frame of a horizontal
// glyph strip by state (0 normal, 1 mouse inside, 2 pressed), an optional
// caption and, unless flat, a one-pixel raised or sunken frame. Each glyph
// frame is keyed transparent on its bottom-left pixel, unless the strip
// carries transparency of its own.
class GlyphButton : public QWidget {
    Q_OBJECT

public:
    enum class Layout { GlyphLeft, GlyphRight, Centre };

    explicit GlyphButton(QWidget* parent = nullptr);

    // Horizontal placement of glyph and caption as a group: Qt::AlignLeft,
    // Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment a);

    QString caption() const { return caption_; }
    void setCaption(const QString& text);

    // Fill colour when not transparent; the parent's window colour until set.
    QColor color() const;
    void setColor(const QColor& c);

    // Caption colour (the palette's window text).
    QColor fontColor() const;
    void setFontColor(const QColor& c);

    bool isDown() const { return down_; }
    void setDown(bool on);

    bool isFlat() const { return flat_; }
    void setFlat(bool on);

    // Copies the strip and sets numGlyphs to width div height.
    const QImage& glyph() const { return glyph_; }
    void setGlyph(const QImage& strip);

    Layout layout() const { return layout_; }
    void setLayout(Layout l);

    QColor lightColor() const { return lightColor_; }
    void setLightColor(const QColor& c);
    QColor shadowColor() const { return shadowColor_; }
    void setShadowColor(const QColor& c);

    int numGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int n);

    // No background fill: the parent shows through.
    bool isTransparent() const { return transparent_; }
    void setTransparent(bool on);

    bool isMouseInside() const { return mouseInside_; }

signals:
    // Left button released inside, raised while the button still shows down.
    void clicked();
    void mouseEntered();
    void mouseExited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void refresh();
    void rebuildFrames();
    int frameWidth() const;

    Qt::Alignment alignment_ = Qt::AlignLeft;
    QString caption_;
    std::optional<QColor> color_;
    bool down_ = false;
    bool flat_ = false;
    QImage glyph_;
    Layout layout_ = Layout::GlyphLeft;
    QColor lightColor_{255, 255, 255};
    QColor shadowColor_{0, 0, 0};
    int numGlyphs_ = 0;
    bool transparent_ = false;
    bool mouseInside_ = false;

    // The glyph's frames, cut from the strip with their key colour made
    // transparent; rebuilt only when the strip or the frame count changes.
    std::vector<QImage> frames_;
};

}  // namespace zelvan
