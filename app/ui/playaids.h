#pragma once
// The play aids on the keyboard: Ctrl+Z takes a move back, H shows the
// computer's choice for Blue, N shows or hides the move numbers. Each key is
// a shortcut of the main window, so a key typed into the address field or
// the chat input still goes there.

#include <QObject>
#include <random>

#include "core/ai/randomsource.h"

class QWidget;

namespace zelvan {

class BackgroundComputer;
class BoardNotice;
class BoardPicture;
class HintFrame;
class MatchControl;
class MoveNumbers;

class PlayAids : public QObject {
    Q_OBJECT
public:
    PlayAids(QWidget* window, MatchControl& match, BackgroundComputer& computer,
             BoardPicture* board);

    // The short line over the foot of the board.
    BoardNotice& notice() { return *notice_; }
    bool numbersShown() const;
    void showNumbers(bool on);

public slots:
    void onUndoKey();
    void onHintKey();
    void onNumbersKey();

private:
    // The hint's own numbers: the game's sequence is the computer's alone.
    class HintRandom final : public RandomSource {
    public:
        HintRandom();
        std::uint32_t below(std::uint32_t n) override;

    private:
        std::mt19937 rng_;
    };

    MatchControl& match_;
    BackgroundComputer& computer_;
    HintRandom hintRandom_;
    HintFrame* hint_ = nullptr;
    MoveNumbers* numbers_ = nullptr;
    BoardNotice* notice_ = nullptr;
};

}  // namespace zelvan
