#include "app/ui/boardoverlay.h"

#include <QEvent>

#include "app/ui/boardpicture.h"

namespace zelvan {

BoardOverlay::BoardOverlay(BoardPicture* board) : QWidget(board), board_(board) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(board->rect());
    board->installEventFilter(this);
}

QRectF BoardOverlay::cellRect(int c, int r) const {
    return board_->cellRect(c, r);
}

bool BoardOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board_ && event->type() == QEvent::Resize) setGeometry(board_->rect());
    return QWidget::eventFilter(watched, event);
}

}  // namespace zelvan
