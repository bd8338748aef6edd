#include "app/shell/gamereview.h"

#include <QShortcut>

#include "app/ui/controlkit.h"
#include <QWidget>

#include "app/shell/gamerecorder.h"
#include "app/ui/boardnotice.h"
#include "app/ui/movelistpanel.h"
#include "app/ui/playaids.h"
#include "core/engine/matchcontrol.h"

namespace zelvan {

namespace {

// The record's moves as the board plays them: Blue's as clicks here, Red's
// as a second person's.
std::vector<PlayedMove> playedMoves(const records::GameRecord& record) {
    std::vector<PlayedMove> moves;
    moves.reserve(record.moves.size());
    for (std::size_t i = 0; i < record.moves.size(); ++i) {
        const records::RecordedMove& m = record.moves[i];
        moves.push_back({static_cast<std::uint8_t>(m.col), static_cast<std::uint8_t>(m.row),
                         record.sideOf(i) == records::Stone::Blue ? PieceSource::BlueClick
                                                                  : PieceSource::RedClick});
    }
    return moves;
}

}  // namespace

GameReview::GameReview(QWidget* window, MatchControl& match, GameRecorder& recorder, PlayAids& aids,
                       MoveListPanel* moveList)
    : QObject(window), match_(match), recorder_(recorder), aids_(aids), moveList_(moveList) {
    setObjectName(QStringLiteral("gameReview"));
    connect(controls::windowKey(window, "stepBackShortcut", QKeySequence(Qt::Key_PageUp), true),
            &QShortcut::activated, this, &GameReview::onStepBackKey);
    connect(
        controls::windowKey(window, "stepForwardShortcut", QKeySequence(Qt::Key_PageDown), true),
        &QShortcut::activated, this, &GameReview::onStepForwardKey);
    connect(controls::windowKey(window, "startShortcut", QKeySequence(Qt::Key_Home)),
            &QShortcut::activated, this, &GameReview::onStartKey);
    connect(controls::windowKey(window, "endShortcut", QKeySequence(Qt::Key_End)),
            &QShortcut::activated, this, &GameReview::onEndKey);
    QShortcut* continueKey =
        controls::windowKey(window, "continueShortcut", QKeySequence(Qt::Key_P));
    connect(continueKey, &QShortcut::activated, this, &GameReview::onContinueKey);
    connect(moveList_, &MoveListPanel::moveClicked, this, &GameReview::onMoveClicked);
    // A new game leaves review behind.
    connect(&recorder_, &GameRecorder::recordChanged, this, [this] {
        if (!match_.reviewing()) leftReview();
    });
}

bool GameReview::open(const records::GameRecord& record) {
    if (!match_.review(record.boardSize, playedMoves(record),
                       record.firstMover == records::Stone::Blue, record.moves.size()))
        return false;
    cursor_.emplace(record);
    if (!numbersBefore_) numbersBefore_ = aids_.numbersShown();
    aids_.showNumbers(true);
    moveList_->setRecord(record);
    moveList_->setClickable(true);
    showCursor();
    return true;
}

const records::GameRecord* GameReview::reviewed() const {
    return cursor_ && match_.reviewing() ? &cursor_->record() : nullptr;
}

bool GameReview::inReview() {
    if (match_.reviewing() && cursor_) return true;
    const std::optional<records::GameRecord>& last = recorder_.record();
    if (match_.running() || !last) return false;
    return open(*last);
}

void GameReview::showCursor() {
    match_.showReviewed(cursor_->shown());
    moveList_->setMarked(static_cast<int>(cursor_->shown()));
    aids_.notice().say(QString::fromStdString(cursor_->notice()));
}

void GameReview::leftReview() {
    cursor_.reset();
    moveList_->setClickable(false);
    if (numbersBefore_) aids_.showNumbers(*std::exchange(numbersBefore_, std::nullopt));
}

void GameReview::moveCursor(bool (records::ReviewCursor::*move)()) {
    if (!inReview()) return;
    ((*cursor_).*move)();
    showCursor();
}

void GameReview::onStepBackKey() {
    moveCursor(&records::ReviewCursor::stepBack);
}

void GameReview::onStepForwardKey() {
    moveCursor(&records::ReviewCursor::stepForward);
}

void GameReview::onStartKey() {
    moveCursor(&records::ReviewCursor::toStart);
}

void GameReview::onEndKey() {
    moveCursor(&records::ReviewCursor::toEnd);
}

void GameReview::onMoveClicked(int number) {
    if (!match_.reviewing() || !cursor_ || number < 0) return;
    cursor_->show(static_cast<std::size_t>(number));
    showCursor();
}

void GameReview::onContinueKey() {
    if (!match_.reviewing() || !cursor_) return;
    // The record of the game to come begins with the moves shown; the
    // computer may answer before the call returns.
    records::GameRecord opening = cursor_->record();
    opening.moves.resize(cursor_->shown());
    recorder_.continueFrom(opening);
    switch (match_.continueFromReview()) {
    case MatchControl::ContinueOutcome::Continued:
        return;
    case MatchControl::ContinueOutcome::NetworkGame:
        aids_.notice().say(QStringLiteral("No playing on from a review in a network game"));
        break;
    case MatchControl::ContinueOutcome::Decided:
        aids_.notice().say(QStringLiteral("This position is decided: nothing to play on"));
        break;
    case MatchControl::ContinueOutcome::Refused:
        break;
    }
    recorder_.continueFrom(std::nullopt);
}

}  // namespace zelvan
