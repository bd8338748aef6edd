#pragma once
// Review from the keyboard: Page Up and Page Down step back and forward
// through a game's moves, Home and End jump to its start and end, a click
// on the move list shows the position after that move, and P plays on from
// the position shown against the computer. After a game ends the keys step
// through that game; a record opened from a file is reviewed from its end.
// Each position is drawn with its move numbers, and a short notice says
// where the player is ("Review — move 17 of 42").

#include <QObject>
#include <optional>

#include "core/records/reviewcursor.h"

class QWidget;

namespace zelvan {

class GameRecorder;
class MatchControl;
class MoveListPanel;
class PlayAids;

class GameReview : public QObject {
    Q_OBJECT
public:
    GameReview(QWidget* window, MatchControl& match, GameRecorder& recorder, PlayAids& aids,
               MoveListPanel* moveList);

    // Reviews the record from its end; false while a game runs or begins.
    bool open(const records::GameRecord& record);
    // The game reviewed now; none outside review.
    const records::GameRecord* reviewed() const;

public slots:
    void onStepBackKey();
    void onStepForwardKey();
    void onStartKey();
    void onEndKey();
    void onContinueKey();
    void onMoveClicked(int number);

private:
    // In review, entering it with the game just ended if need be.
    bool inReview();
    // The cursor moved as `move` says, in review.
    void moveCursor(bool (records::ReviewCursor::*move)());
    // Draws the position the cursor points at and says so.
    void showCursor();
    void leftReview();

    MatchControl& match_;
    GameRecorder& recorder_;
    PlayAids& aids_;
    MoveListPanel* moveList_;
    std::optional<records::ReviewCursor> cursor_;
    std::optional<bool> numbersBefore_;  // the move numbers as the player had them
};

}  // namespace zelvan
