#include "app/shell/splash.h"

#include <QLabel>

#include "app/ui/artwork.h"
#include "app/ui/layout.h"
#include "app/widgets/bitmapprogressbar.h"

namespace zelvan {

SplashWindow::SplashWindow(const QRect& screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    using layout::kSplashBar;
    using layout::kSplashSize;
    setWindowTitle(QStringLiteral("ZELVAN"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    setGeometry(screen);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setPixmap(QPixmap::fromImage(Artwork::load(QStringLiteral("splash.png"))));
    picture_->resize(kSplashSize);
    // Centred, division truncating toward zero.
    picture_->move((screen.width() - kSplashSize.width()) / 2,
                   (screen.height() - kSplashSize.height()) / 2);

    progress_ = new BitmapProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->resize(kSplashBar.size());
    progress_->setMinimum(0);
    progress_->setMaximum(kSplashBar.width());
    progress_->setBackgroundColor(QColor(1, 1, 1));
    progress_->setBorderColor1(QColor(20, 101, 110));
    progress_->setBorderColor2(QColor(11, 54, 60));
    progress_->setBarBitmap(Artwork::load(QStringLiteral("progressbar.png")));
    progress_->setShowPosText(false);
    progress_->setPosTextSuffix(QStringLiteral("%"));
    progress_->move(picture_->pos() + kSplashBar.topLeft());
}

void SplashWindow::setProgress(int position) {
    progress_->setPosition(position);
}

}  // namespace zelvan
