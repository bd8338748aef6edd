#include "app/shell/gamerecorder.h"

#include <algorithm>

#include "core/engine/matchcontrol.h"
#include "core/engine/scores.h"

namespace zelvan {

namespace {

records::Stone stoneOf(PieceSource source) {
    return sideOf(source) == Side::Blue ? records::Stone::Blue : records::Stone::Red;
}

records::Ending endingOf(EndReason reason) {
    using records::Ending;
    switch (reason) {
    case EndReason::Five:
        return Ending::Five;
    case EndReason::FullBoard:
        return Ending::FullBoard;
    case EndReason::Stopped:
        return Ending::Stopped;
    case EndReason::Restarted:
        return Ending::Restarted;
    case EndReason::Closed:
        return Ending::Closed;
    case EndReason::HungUp:
        return Ending::HungUp;
    case EndReason::PeerStopped:
        return Ending::PeerStopped;
    case EndReason::PeerRestarted:
        return Ending::PeerRestarted;
    case EndReason::PeerLeft:
        return Ending::PeerLeft;
    case EndReason::ConnectionLost:
        return Ending::ConnectionLost;
    }
    return Ending::NotStated;
}

}  // namespace

GameRecorder::GameRecorder(QObject* parent, const Scores& scores, const QString& folder,
                           Sources sources)
    : QObject(parent), scores_(scores), sources_(std::move(sources)), archive_(folder),
      statistics_(folder) {
    setObjectName(QStringLiteral("gameRecorder"));
    statistics_.load();
}

records::Result GameRecorder::resultOf(const GameEnd& end) {
    const records::Outcome outcome = end.winner == kBlue  ? records::Outcome::BlueWins
                                     : end.winner == kRed ? records::Outcome::RedWins
                                                          : records::Outcome::Draw;
    return {outcome, endingOf(end.reason)};
}

void GameRecorder::continueFrom(std::optional<records::GameRecord> opening) {
    continuation_ = std::move(opening);
}

void GameRecorder::gameStarted() {
    records::GameRecord record;
    if (continuation_) {
        record = *std::exchange(continuation_, std::nullopt);
        record.continued = true;
        record.result = {};
    }
    if (match_) record.boardSize = match_->position().boardSize();
    record.opponent = sources_.opponent();
    record.started = sources_.now();
    record_ = std::move(record);
    lastMoveMs_ = sources_.monotonicMs();
    emit recordChanged();
}

void GameRecorder::piecePlaced(const PlayedMove& move) {
    if (!record_ || !match_) return;
    records::GameRecord& r = *record_;
    // The board of the game is known once it stands: the size button may
    // have changed it between Play and the first move.
    r.boardSize = match_->position().boardSize();
    // Moves taken back are gone from the position: the record follows it.
    const auto index = static_cast<std::size_t>(std::max(0, match_->position().moveCount() - 1));
    if (r.moves.size() > index) r.moves.resize(index);
    if (r.moves.empty()) r.firstMover = stoneOf(move.source);
    const std::int64_t now = sources_.monotonicMs();
    const auto ms = static_cast<int>(std::clamp<std::int64_t>(now - lastMoveMs_, 0, 999'999'999));
    lastMoveMs_ = now;
    r.moves.push_back({move.col, move.row, ms});
    emit recordChanged();
}

void GameRecorder::gameEnded(const GameEnd& end) {
    if (!record_ || !match_) return;
    records::GameRecord& r = *record_;
    r.boardSize = match_->position().boardSize();
    const auto kept = static_cast<std::size_t>(match_->position().moveCount());
    if (r.moves.size() > kept) r.moves.resize(kept);
    if (r.moves.empty())
        r.firstMover = match_->blueToMove() ? records::Stone::Blue : records::Stone::Red;
    r.result = resultOf(end);
    archive_.keep(r);
    // A game continued from a review is kept but not counted: it was never
    // scored either.
    if (end.scored && statistics_.add(r.opponent, r.result.outcome, scores_.blue(), scores_.red()))
        emit statisticsChanged();
    emit recordChanged();
}

}  // namespace zelvan
