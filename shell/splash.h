#pragma once
// The splash window (Form2): black, borderless, full screen, with the
// 320x240 splash picture centred and the progress bar under its title.

#include <QWidget>

class QLabel;
class ALProgressBar;

namespace zelvan {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(const QRect& screen);

    QLabel* Image1 = nullptr;
    ALProgressBar* ALProgressBar1 = nullptr;
};

}  // namespace zelvan
