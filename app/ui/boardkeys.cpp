#include "app/ui/boardkeys.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTextEdit>
#include <algorithm>

#include "app/ui/boardoverlay.h"
#include "app/ui/boardpicture.h"
#include "core/engine/board.h"

namespace zelvan {

// The frame: a bright ring on the grid lines around the cell and a softer
// one just inside, so it reads on an empty cell and around a piece alike.
// Drawn on the screen's own pixels, over the very grid lines the board drew.
class CellFrame : public BoardOverlay {
public:
    explicit CellFrame(BoardPicture* board) : BoardOverlay(board) {
        setObjectName(QStringLiteral("cellCursor"));
        hide();
    }

    void setCell(QPoint cell) {
        update(around(cell_));
        cell_ = cell;
        update(around(cell_));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (cell_.x() == 0) return;
        QPainter p(this);
        paintInDevicePixels(p);
        const BoardGrid& grid = board()->grid();
        const int w = grid.lineWidth();
        const QRect outer = grid.cell(cell_.x(), cell_.y()).adjusted(-w, -w, w, w);
        ring(p, outer, w, QColor(140, 232, 232));
        ring(p, outer.adjusted(w, w, -w, -w), w, QColor(46, 150, 156));
    }

private:
    // The cell with the grid lines around it, in the board's own pixels.
    QRect around(QPoint cell) const {
        if (cell.x() == 0) return {};
        const int p = board()->cellPitch();
        return QRect(cellOrigin(cell.x(), p) - 2, cellOrigin(cell.y(), p) - 2, p + 4, p + 4);
    }

    static void ring(QPainter& p, const QRect& r, int w, const QColor& colour) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
        p.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
        p.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
        p.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
    }

    QPoint cell_{0, 0};
};

namespace {

// Where typing goes to a text: arrows, Enter and Space belong to it there.
bool typingInto(const QWidget* focus) {
    if (!focus) return false;
    if (qobject_cast<const QLineEdit*>(focus) || qobject_cast<const QAbstractSpinBox*>(focus))
        return true;
    const auto* text = qobject_cast<const QTextEdit*>(focus);
    return text && !text->isReadOnly();
}

}  // namespace

BoardKeys::BoardKeys(QWidget* window, BoardPicture* board, Actions actions)
    : QObject(window), window_(window), board_(board), actions_(std::move(actions)),
      frame_(new CellFrame(board)) {
    setObjectName(QStringLiteral("boardKeys"));
    // Keys go to whichever control has the focus, and mouse moves to the
    // control under the pointer: the application sees them all first.
    qApp->installEventFilter(this);
}

bool BoardKeys::cursorShown() const {
    return !frame_->isHidden();
}

bool BoardKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == board_ && type == QEvent::Resize && cursorShown()) {
        moveCursor(0, 0);  // a board of another size: keep the frame on it
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::MouseMove) return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;

    if (type == QEvent::MouseMove) {
        // Only a real move hides the frame, not an event repeated in place.
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (at != lastMouse_) frame_->hide();
        lastMouse_ = at;
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // A key meant for a text field: the one with the focus, or the one it
    // was sent to.
    const bool typing = typingInto(QApplication::focusWidget()) || typingInto(widget);
    return keyPressed(key->key(), key->modifiers() & ~Qt::KeypadModifier, key->isAutoRepeat(),
                      typing);
}

bool BoardKeys::keyPressed(int key, Qt::KeyboardModifiers modifiers, bool repeated, bool typing) {
    if (key == Qt::Key_Q && modifiers == Qt::ControlModifier) {
        if (!repeated) actions_.exit();
        return true;
    }
    if (modifiers != Qt::NoModifier) return false;
    switch (key) {
    case Qt::Key_F1:
        if (!repeated) actions_.help();
        return true;
    case Qt::Key_F2:
        if (!repeated) actions_.play();
        return true;
    case Qt::Key_Escape:
        if (!repeated) {
            for (const auto& [panel, close] : actions_.panels)
                if (!panel->isHidden()) {
                    close();
                    break;
                }
        }
        return true;
    default:
        break;
    }

    if (typing) return false;
    // A panel over the board hides it: the board's keys wait until Escape
    // or F1 has closed it, and the panel may use them itself.
    if (panelShown()) return false;
    switch (key) {
    case Qt::Key_Left:
        moveCursor(-1, 0);
        return true;
    case Qt::Key_Right:
        moveCursor(1, 0);
        return true;
    case Qt::Key_Up:
        moveCursor(0, -1);
        return true;
    case Qt::Key_Down:
        moveCursor(0, 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // Only where the player can see the frame; a stray key first shows it.
        if (repeated) return true;
        if (!cursorShown()) {
            moveCursor(0, 0);
            return true;
        }
        {
            const int p = board_->cellPitch();
            actions_.press(cellOrigin(cell_.x(), p) + p / 2, cellOrigin(cell_.y(), p) + p / 2);
        }
        return true;
    default:
        return false;
    }
}

bool BoardKeys::panelShown() const {
    for (const auto& entry : actions_.panels)
        if (!entry.first->isHidden()) return true;
    return false;
}

void BoardKeys::moveCursor(int dc, int dr) {
    const int n = board_->boardSize();
    if (cell_.x() == 0) cell_ = QPoint((n + 1) / 2, (n + 1) / 2);
    // The first key only shows the frame where it is.
    if (cursorShown()) cell_ += QPoint(dc, dr);
    cell_ = QPoint(std::clamp(cell_.x(), 1, n), std::clamp(cell_.y(), 1, n));
    placeFrame();
    frame_->show();
    frame_->raise();
}

void BoardKeys::placeFrame() {
    frame_->setCell(cell_);
}

}  // namespace zelvan
