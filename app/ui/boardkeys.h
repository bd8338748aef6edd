#pragma once
// The game from the keyboard. The arrow keys move a cursor frame over the
// board's cells; Enter or Space place a piece there just as a click on that
// cell would; F2 is Play, F1 toggles the help page (during a game too),
// Escape closes whichever panel is open over the board, Ctrl+Q exits. While
// a panel covers the board the arrows, Enter and Space leave it alone. The
// frame is a layer above the board picture, never drawn into it; it shows
// from the first arrow key and hides again at the next mouse move. Keys
// typed into a text field (the address, the chat input) stay there.

#include <QObject>
#include <QPoint>
#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace zelvan {

class BoardPicture;
class CellFrame;

class BoardKeys : public QObject {
    Q_OBJECT
public:
    struct Actions {
        std::function<void(int x, int y)> press;  // a left click at this board pixel
        std::function<void()> play;
        std::function<void()> help;
        std::function<void()> exit;
        // The panels over the board, each with what closes it (its button).
        std::vector<std::pair<QWidget*, std::function<void()>>> panels;
    };

    BoardKeys(QWidget* window, BoardPicture* board, Actions actions);

    bool cursorShown() const;
    QPoint cursorCell() const { return cell_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers, bool repeated, bool typing);
    bool panelShown() const;
    void moveCursor(int dc, int dr);
    void placeFrame();

    QWidget* window_;
    BoardPicture* board_;
    Actions actions_;
    CellFrame* frame_;
    QPoint cell_{0, 0};  // (0, 0) until the first arrow key: then the middle
    QPoint lastMouse_{-1, -1};
};

}  // namespace zelvan
