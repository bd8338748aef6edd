#pragma once
// The window as match control sees it: the board picture (BoardView) and
// everything else it shows or tells (Console), each handed to the control
// that owns it.

#include <QString>
#include <QTimer>
#include <functional>

#include "core/engine/seams.h"
#include "core/engine/sound.h"
#include "core/settings/options.h"

class QWidget;

namespace zelvan {

class Artwork;
class BoardPicture;
class NetworkPlay;
class OptionsPanel;
class ResultBanner;
class ScoreStrip;
struct WindowControls;

class WindowBoard final : public BoardView {
public:
    // `placed` runs after every new grid: the window moves the board to its
    // place for the size and brings it, and the panels over it, to the front.
    // A piece drawn under the banner moves the banner off it.
    WindowBoard(BoardPicture* board, ResultBanner* banner, const Artwork& art,
                std::function<void()> placed, std::function<void()> blinkTick);

    void newBoard(int boardSize, int pieceStyle) override;
    void drawPiece(Side side, int col, int row, bool highlighted) override;
    void markMove(Side side, int col, int row) override;
    void forgetMarks() override;
    void setBlinking(bool on) override;

private:
    BoardPicture* board_;
    ResultBanner* banner_;
    const Artwork& art_;
    std::function<void()> placed_;
    QTimer* blink_;
    int pieceStyle_ = 1;
};

class WindowConsole final : public Console {
public:
    WindowConsole(QWidget* window, WindowControls& controls, Artwork& art, const Options& options,
                  Speaker& speaker, ScoreStrip& scores, OptionsPanel* optionsPanel,
                  NetworkPlay& network, std::function<void(const QString&)> showNotice,
                  std::function<void()> quit);

    void showTurn(bool blueToMove) override;
    void showOpponentKind(bool redIsHuman) override;
    void setCursor(Cursor cursor) override;
    void hidePanels() override;
    void startGameClock() override;
    void piecePlaced(const PlayedMove&) override {}  // the board shows it already
    void gameEnded(const GameEnd& end) override;
    void quit() override { quit_(); }

private:
    QWidget* window_;
    WindowControls& controls_;
    Artwork& art_;
    const Options& options_;
    Speaker& speaker_;
    ScoreStrip& scores_;
    OptionsPanel* optionsPanel_;
    NetworkPlay& network_;
    std::function<void(const QString&)> showNotice_;
    std::function<void()> quit_;
    bool waitCursor_ = false;
    bool blueToMove_ = true;
};

}  // namespace zelvan
