#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

namespace zelvan {

// A progress bar that grows from left to right and paints through an
// off-screen picture. The filled part reveals a fixed picture (a tiled
// bitmap, or one colour) rather than stretching it; the unfilled rest is
// painted in the background colour.
class BitmapProgressBar : public QWidget {
    Q_OBJECT

public:
    explicit BitmapProgressBar(QWidget* parent = nullptr);

    QColor backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(const QColor& c);

    // A null or empty image fills the bar with the bar colour.
    const QImage& barBitmap() const { return barBitmap_; }
    void setBarBitmap(const QImage& bitmap);

    QColor barColor() const { return barColor_; }
    void setBarColor(const QColor& c);

    // Top and left edges.
    QColor borderColor1() const { return borderColor1_; }
    void setBorderColor1(const QColor& c);
    // Bottom and right edges.
    QColor borderColor2() const { return borderColor2_; }
    void setBorderColor2(const QColor& c);

    int minimum() const { return min_; }
    void setMinimum(int v);
    int maximum() const { return max_; }
    void setMaximum(int v);

    int position() const { return position_; }
    // Ignored when unchanged or outside minimum..maximum.
    void setPosition(int v);

    QString posTextPrefix() const { return posTextPrefix_; }
    void setPosTextPrefix(const QString& s);
    QString posTextSuffix() const { return posTextSuffix_; }
    void setPosTextSuffix(const QString& s);

    bool showBorder() const { return showBorder_; }
    void setShowBorder(bool on);
    bool showPosText() const { return showPosText_; }
    void setShowPosText(bool on);

    // Number of pixels of the inner length that the current position fills.
    int filledLength() const;

    QSize sizeHint() const override { return {200, 20}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void propertyChanged();
    void renderOffscreen();
    void drawBar();
    void rebuildBarCache();
    QImage deviceImage() const;
    QRect innerRect() const;

    QColor backgroundColor_;
    QImage barBitmap_;
    QColor barColor_{0, 128, 0};
    QColor borderColor1_;
    QColor borderColor2_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    QString posTextPrefix_;
    QString posTextSuffix_ = QStringLiteral("%");
    bool showBorder_ = true;
    bool showPosText_ = true;

    QImage offscreen_;
    QImage barCache_;
    bool rebuildCache_ = true;
};

}  // namespace zelvan
