#include "app/shell/matchviews.h"

#include <QLabel>

#include "app/network/internetpanel.h"
#include "app/network/networkplay.h"
#include "app/shell/windowcontrols.h"
#include "app/ui/artwork.h"
#include "app/ui/boardpicture.h"
#include "app/ui/endingtext.h"
#include "app/ui/helpviewer.h"
#include "app/ui/optionspanel.h"
#include "app/ui/resultbanner.h"
#include "app/ui/resultline.h"
#include "app/ui/scorestrip.h"
#include "app/ui/statustips.h"
#include "core/engine/board.h"

namespace zelvan {

WindowBoard::WindowBoard(BoardPicture* board, ResultBanner* banner, const Artwork& art,
                         std::function<void()> placed, std::function<void()> blinkTick)
    : board_(board), banner_(banner), art_(art), placed_(std::move(placed)) {
    blink_ = new QTimer(board->parentWidget());
    blink_->setObjectName(QStringLiteral("blinkTimer"));
    blink_->setInterval(1000);
    QObject::connect(blink_, &QTimer::timeout, blink_, std::move(blinkTick));
}

void WindowBoard::newBoard(int boardSize, int pieceStyle) {
    pieceStyle_ = pieceStyle;
    if (const BoardGeometry* geo = geometryForBoardSize(boardSize))
        board_->drawGrid(boardSize, geo->cellPitch);
    placed_();
}

void WindowBoard::drawPiece(Side side, int col, int row, bool highlighted) {
    board_->drawPicture(art_.piece(side, pieceStyle_, board_->cellPitch(), highlighted), col, row);
    banner_->keepInView(board_->cellRect(col, row).toAlignedRect().translated(board_->pos()));
}

void WindowBoard::markMove(Side side, int col, int row) {
    board_->markMove(side, col, row);
}

void WindowBoard::forgetMarks() {
    board_->forgetMarks();
}

void WindowBoard::setBlinking(bool on) {
    if (on)
        blink_->start();
    else
        blink_->stop();
}

WindowConsole::WindowConsole(QWidget* window, WindowControls& controls, Artwork& art,
                             const Options& options, Speaker& speaker, ScoreStrip& scores,
                             OptionsPanel* optionsPanel, NetworkPlay& network,
                             std::function<void(const QString&)> showNotice,
                             std::function<void()> quit)
    : window_(window), controls_(controls), art_(art), options_(options), speaker_(speaker),
      scores_(scores), optionsPanel_(optionsPanel), network_(network),
      showNotice_(std::move(showNotice)), quit_(std::move(quit)) {}

void WindowConsole::showTurn(bool blueToMove) {
    blueToMove_ = blueToMove;
    // After a game the lamp shows who won it (a draw leaves it as it was),
    // until the next game starts.
    const ResultLine& result = *controls_.result;
    const bool won = result.holdsResult() && result.winner() != kNone;
    const bool blue = won ? result.winner() == kBlue : blueToMove;
    controls_.turnIcon->setPixmap(
        art_.icon(blue ? QStringLiteral("turn-blue.png") : QStringLiteral("turn-red.png")));
    if (controls_.tips) controls_.tips->refresh();
}

void WindowConsole::showOpponentKind(bool redIsHuman) {
    controls_.redIcon->setPixmap(
        art_.icon(redIsHuman ? QStringLiteral("person-red.png") : QStringLiteral("computer.png")));
}

void WindowConsole::setCursor(Cursor cursor) {
    // The cursor is this window's own, so two windows in one process (tests)
    // keep theirs apart.
    const bool wait = cursor == Cursor::Wait;
    if (wait == waitCursor_) return;
    waitCursor_ = wait;
    if (wait)
        window_->setCursor(Qt::WaitCursor);
    else
        window_->unsetCursor();
}

void WindowConsole::hidePanels() {
    controls_.helpViewer->hide();
    optionsPanel_->hide();
    network_.internetPanel()->hide();
}

void WindowConsole::startGameClock() {
    scores_.startGameClock();
    controls_.result->clear();  // a new game begins
}

void WindowConsole::gameEnded(const GameEnd& end) {
    QString text = endingText(end, options_.redIsHuman() && !network_.connected());
    // A game played on from a review leaves the scores alone, and says so.
    if (!end.scored) text += QStringLiteral(" (not scored)");
    showNotice_(text);
    controls_.result->showResult(text, end.winner);
    showTurn(blueToMove_);
    // A draw is told by ear too, with the quiet closing tune.
    if (end.reason == EndReason::FullBoard && options_.soundOn()) speaker_.play(Sound::Exit);
    const bool overTheNetwork = network_.connected() || end.reason == EndReason::HungUp ||
                                end.reason == EndReason::PeerLeft ||
                                end.reason == EndReason::ConnectionLost;
    if (overTheNetwork) network_.noteInChat(text);
}

}  // namespace zelvan
