#include "app/ui/boardnotice.h"

#include <QFontMetrics>
#include <QPainter>

#include "app/ui/controlkit.h"

namespace zelvan {

BoardNotice::BoardNotice(BoardPicture* board) : BoardOverlay(board) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void BoardNotice::say(const QString& text, int ms) {
    text_ = text;
    timer_.start(ms);
    show();
    update();
    emit said();
}

void BoardNotice::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont font = controls::arial(15, true);
    const QFontMetrics metrics(font);
    const int w = metrics.horizontalAdvance(text_) + 24;
    const int h = metrics.height() + 12;
    const QRect band((width() - w) / 2, height() - h - 16, w, h);
    painter.setPen(QPen(controls::kStripColour, 1));
    painter.setBrush(QColor(0, 26, 36, 230));
    painter.drawRoundedRect(QRectF(band).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    painter.setFont(font);
    painter.setPen(controls::kScoreColour);
    painter.drawText(band, Qt::AlignCenter, text_);
}

}  // namespace zelvan
