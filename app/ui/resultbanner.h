#pragma once
// The banner that tells the player what just happened ("You win!", "Stopped
// — Blue loses the game", "Caller 10.0.0.2 joined"): a small light plate in
// the console's colours over the board's bottom or top edge band, clear of
// the winning line (bannerplace.h). It is a child of the window placed in
// logical coordinates above the board, never drawn into the board's bitmap,
// and lets every click through to what lies beneath. It fades by itself
// after a few seconds, or at the next click anywhere in its window.

#include <QString>
#include <QWidget>

#include "app/ui/bannerplace.h"

class QTimer;
class QVariantAnimation;

namespace zelvan {

class ResultBanner : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHoldMs = 3000;  // fully shown this long
    static constexpr int kFadeMs = 400;

    explicit ResultBanner(QWidget* window);

    // Shows `text` over `board` (a rectangle in the parent's coordinates),
    // half its width and a sixth of its height, where it leaves `clear` in
    // view. A text of the form "headline — more" shows the part after the
    // dash on a second, smaller line.
    void showText(const QString& text, const QRect& board, BoardClearance clear = {});
    // A piece was just drawn at `area` (the parent's coordinates): a banner
    // over it moves to the other band, or goes at once where that would
    // hide something that must show.
    void keepInView(const QRect& area);
    // Starts the fade now; nothing when already hidden or fading.
    void dismiss();

    // What it says while shown (hidden or fading: still the last text).
    QString text() const { return text_; }
    bool fading() const;

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setOpacity(qreal opacity);
    void finish();

    QString text_;
    QRect board_;
    BoardClearance clear_;
    qreal opacity_ = 1.0;
    QTimer* hold_ = nullptr;
    QVariantAnimation* fade_ = nullptr;
    bool watchingClicks_ = false;
};

}  // namespace zelvan
