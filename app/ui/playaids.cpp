#include "app/ui/playaids.h"

#include <QShortcut>

#include "app/ui/controlkit.h"
#include <chrono>

#include "app/ai/backgroundcomputer.h"
#include "app/ui/boardnotice.h"
#include "app/ui/hintframe.h"
#include "app/ui/movenumbers.h"
#include "core/ai/engineplayer.h"
#include "core/engine/matchcontrol.h"

namespace zelvan {

PlayAids::HintRandom::HintRandom()
    : rng_(
          static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {
}

std::uint32_t PlayAids::HintRandom::below(std::uint32_t n) {
    if (n == 0) return 0;
    return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(rng_);
}

PlayAids::PlayAids(QWidget* window, MatchControl& match, BackgroundComputer& computer,
                   BoardPicture* board)
    : QObject(window), match_(match), computer_(computer) {
    setObjectName(QStringLiteral("playAids"));
    // Stacked in the order made: numbers over the pieces, the hint over
    // them, a notice over everything.
    numbers_ = new MoveNumbers(board, match.position());
    numbers_->setObjectName(QStringLiteral("moveNumbers"));
    hint_ = new HintFrame(board, match.position());
    hint_->setObjectName(QStringLiteral("hintFrame"));
    notice_ = new BoardNotice(board);
    notice_->setObjectName(QStringLiteral("boardNotice"));

    connect(controls::windowKey(window, "undoShortcut", QKeySequence(Qt::CTRL | Qt::Key_Z)),
            &QShortcut::activated, this, &PlayAids::onUndoKey);
    connect(controls::windowKey(window, "hintShortcut", QKeySequence(Qt::Key_H)),
            &QShortcut::activated, this, &PlayAids::onHintKey);
    connect(controls::windowKey(window, "numbersShortcut", QKeySequence(Qt::Key_N)),
            &QShortcut::activated, this, &PlayAids::onNumbersKey);
}

void PlayAids::onUndoKey() {
    switch (match_.undo()) {
    case UndoOutcome::Undone:
        hint_->stop();
        break;
    case UndoOutcome::NetworkGame:
        notice_->say(QStringLiteral("No undo in a network game"));
        break;
    case UndoOutcome::Refused:
        break;
    }
}

void PlayAids::onHintKey() {
    if (!match_.mayHint()) return;
    // The hint level thinks on the computer's worker; the frame shows when
    // its answer comes, if the game still stands as it was asked about. A
    // move, the game's end or the computer's own turn drops it.
    computer_.think(hintTask(match_.position(), hintRandom_),
                    [this, asked = match_.position()](Cell cell) {
                        if (!match_.mayHint() || !(match_.position() == asked)) return;
                        if (cell.found()) hint_->pulse(cell.col, cell.row);
                    });
}

void PlayAids::onNumbersKey() {
    showNumbers(!numbersShown());
}

bool PlayAids::numbersShown() const {
    return !numbers_->isHidden();
}

void PlayAids::showNumbers(bool on) {
    numbers_->setVisible(on);
}

}  // namespace zelvan
