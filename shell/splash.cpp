#include "shell/splash.h"

#include <QLabel>

#include "ui/artwork.h"
#include "widgets/alprogressbar.h"

namespace zelvan {

SplashWindow::SplashWindow(const QRect& screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("ZELVAN"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    setGeometry(screen);

    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap::fromImage(Artwork::load(QStringLiteral("splash.png"))));
    Image1->resize(320, 240);
    // Centred, division truncating toward zero.
    Image1->move((screen.width() - 320) / 2, (screen.height() - 240) / 2);

    ALProgressBar1 = new ALProgressBar(this);
    ALProgressBar1->resize(315, 16);
    ALProgressBar1->setMinimum(0);
    ALProgressBar1->setMaximum(315);
    ALProgressBar1->setBackgroundColor(QColor(1, 1, 1));
    ALProgressBar1->setBorderColor1(QColor(20, 101, 110));
    ALProgressBar1->setBorderColor2(QColor(11, 54, 60));
    ALProgressBar1->setBarColorStyle(ALProgressBar::BarColorStyle::cs1Color);
    ALProgressBar1->setBarBitmap(Artwork::load(QStringLiteral("progressbar.png")));
    ALProgressBar1->setShowPosText(false);
    ALProgressBar1->setPosTextSuffix(QStringLiteral("%"));
    ALProgressBar1->move(Image1->x() + 2, Image1->y() + 186);
}

}  // namespace zelvan
