#pragma once
// The options panel, opened over the board: eight rows of a toggle key and
// its caption, and the level line under the last. A press flips its option
// in the game record and reports it; the captions always name what the next
// press will do ("Hide clocks" while the clocks show) and are written in one
// place, showCaptions.

#include <QWidget>

#include "core/engine/game.h"

class SmoothLabel;

namespace zelvan {

class OptionsPanel : public QWidget {
    Q_OBJECT
public:
    OptionsPanel(QWidget* parent, Game& game, const QImage& background, const QImage& toggleGlyph);

    // Every caption and the level line from the game record.
    void showCaptions();

signals:
    // Each after its option has been flipped (or the scores reset) and the
    // captions shown.
    void styleChoiceToggled();
    void scoresReset();
    void clocksToggled();
    void hintsToggled();
    void markToggled(Side side);
    void soundToggled();
    void levelChanged();

private:
    Game& game_;
    SmoothLabel* clocksCaption_ = nullptr;
    SmoothLabel* hintsCaption_ = nullptr;
    SmoothLabel* blueMarkCaption_ = nullptr;
    SmoothLabel* redMarkCaption_ = nullptr;
    SmoothLabel* soundCaption_ = nullptr;
    SmoothLabel* levelLine_ = nullptr;
};

// The level's line on the panel ("2 - medium"); empty for a level out of range.
QString levelLineText(int level);

}  // namespace zelvan
