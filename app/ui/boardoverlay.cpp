#include "app/ui/boardoverlay.h"

#include <QEvent>

#include "app/ui/boardpicture.h"
#include "core/engine/board.h"

namespace zelvan {

BoardOverlay::BoardOverlay(BoardPicture* board) : QWidget(board), board_(board) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(board->rect());
    board->installEventFilter(this);
}

QRect BoardOverlay::cellRect(int c, int r) const {
    const int p = board_->cellPitch();
    return QRect(cellOrigin(c, p), cellOrigin(r, p), p, p);
}

bool BoardOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board_ && event->type() == QEvent::Resize) setGeometry(board_->rect());
    return QWidget::eventFilter(watched, event);
}

}  // namespace zelvan
