#pragma once
// The splash window: black, borderless, full screen, with the 320x240
// splash picture centred and the progress bar over the strip painted for it.

#include <QWidget>

class QLabel;

namespace zelvan {

class BitmapProgressBar;

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(const QRect& screen);

    // Moves the bar on; the start-up steps it while the sound plays.
    void setProgress(int position);

private:
    QLabel* picture_ = nullptr;
    BitmapProgressBar* progress_ = nullptr;
};

}  // namespace zelvan
