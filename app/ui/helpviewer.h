#pragma once
// The help page, shown over the board: a read-only text browser in the
// game's dark teal colours, with no frame, no scroll bars and no history.
// It loads the embedded page once, when it is built, and starts hidden.

#include <QtWidgets/QTextBrowser>

namespace zelvan {

class HelpViewer : public QTextBrowser {
    Q_OBJECT

public:
    static constexpr int kWidth = 571;
    static constexpr int kHeight = 570;
    // The page's text is HTML size 1, which the browser draws at 0.7 of this
    // base size: 14 pixels, easy to read and the whole page fits.
    static constexpr int kBasePixelSize = 20;

    static const QColor kBackground;   // RGB(0,26,36)
    static const QColor kText;         // RGB(140,232,232)
    static const QColor kLink;         // RGB(194,243,243)
    static const QColor kVisitedLink;  // RGB(140,232,232)

    explicit HelpViewer(QWidget* parent = nullptr);

    // True when the embedded page was found and loaded.
    bool pageLoaded() const { return loaded_; }

private:
    bool loaded_ = false;
};

}  // namespace zelvan
