#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace zelvan {

class HintWindow;

// The hint window: borderless, on top, never takes input or focus. Just
// before it shows, the screen area it is about to cover is captured and mixed
// with the tint colour; that mixture is its background. A previous hint goes
// at once; the new one is captured and shown from the event loop, once the
// windows beneath have repainted.
class HintPopup : public QWidget {
    Q_OBJECT

public:
    explicit HintPopup(HintWindow& settings);

    // Shows `text` in `rect` (screen coordinates, as computed by
    // HintWindow::calcHintRect), grown by 2 right and down, kept on the
    // desktop. A request that comes before the last one has shown replaces it.
    void activateHint(const QRect& rect, const QString& text);
    // Hides it, and drops a hint still waiting to show.
    void withdraw();

    QString text() const { return text_; }
    // The screen area as captured, and its tinted copy (the background).
    const QImage& captured() const { return captured_; }
    const QImage& background() const { return tinted_; }
    // A hint is about to show: captured and shown from the event loop.
    bool isActivating() const { return waiting_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void captureBackground();
    void showCaptured(int request);

    HintWindow& settings_;
    QString text_;
    QImage captured_;
    QImage tinted_;
    bool waiting_ = false;
    int request_ = 0;  // the latest request; an earlier one waiting does not show
};

// Replaces the application's tool tips while enabled: a tool-tip request for
// any widget with a tool-tip text shows that text in a HintPopup
// instead of the standard tip. With several enabled, the most recently
// enabled one serves the requests.
class HintWindow : public QObject {
    Q_OBJECT

public:
    // `form` must be a window; otherwise the component can never be enabled
    // and errorString() says why.
    explicit HintWindow(QWidget* form);
    ~HintWindow() override;

    bool isTransparent() const { return transparent_; }
    void setTransparent(bool on) { transparent_ = on; }

    // Percentage of the screen that shows through, 0..100. A value outside
    // that range is refused: the old value stays and false is returned.
    int transparency() const { return transparency_; }
    bool setTransparency(int percent);

    QColor transpColor() const { return transpColor_; }
    void setTranspColor(const QColor& c) { transpColor_ = c; }

    bool isEnabled() const { return enabled_; }
    // Returns false (and stays off) when the component has no window.
    bool setEnabled(bool on);

    QFont font() const { return font_; }
    void setFont(const QFont& f) { font_ = f; }
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& c) { fontColor_ = c; }

    int leftMargin() const { return leftMargin_; }
    void setLeftMargin(int m) { leftMargin_ = m; }
    int topMargin() const { return topMargin_; }
    void setTopMargin(int m) { topMargin_ = m; }
    int rightMargin() const { return rightMargin_; }
    void setRightMargin(int m) { rightMargin_ = m; }
    int bottomMargin() const { return bottomMargin_; }
    void setBottomMargin(int m) { bottomMargin_ = m; }

    // How long a hint stays up without the mouse moving away, in ms.
    int hidePause() const { return hidePause_; }
    void setHidePause(int ms) { hidePause_ = ms; }

    // The last refused operation's message, empty when none was refused.
    QString errorString() const { return error_; }

    // The hint rectangle at (0, 0) for `text` wrapped to `maxWidth`: the text
    // measured left-aligned plus the margins.
    QRect calcHintRect(int maxWidth, const QString& text) const;

    // Shows `text` with the hint's top-left at `globalPos` (before it is
    // grown and kept on the desktop); what a tool-tip request does, with the
    // position below the mouse.
    void showHint(const QString& text, const QPoint& globalPos);
    void hideHint();

    // The hint window, created on first use.
    HintPopup* hintWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> form_;
    bool transparent_ = true;
    int transparency_ = 30;
    QColor transpColor_;
    bool enabled_ = false;
    QFont font_;
    QColor fontColor_;
    int leftMargin_ = 5;
    int topMargin_ = 5;
    int rightMargin_ = 5;
    int bottomMargin_ = 5;
    int hidePause_ = 2500;
    QString error_;

    HintPopup* window_ = nullptr;  // owned; a top-level window has no parent
    QPointer<QWidget> hintOwner_;  // the widget whose hint shows
    QTimer hideTimer_;
};

}  // namespace zelvan
