#pragma once
// The options panel, opened over the board: eight rows of a toggle key and
// its caption, and the level line under the last. A press changes its
// option (or resets the scores) and reports it; a caption that follows its
// option always names what the next press will do ("Hide clocks" while the
// clocks show), as the settings table words it.

#include <QWidget>
#include <utility>
#include <vector>

#include "core/engine/scores.h"
#include "core/settings/options.h"

class QImage;

namespace zelvan {

class SmoothLabel;

class OptionsPanel : public QWidget {
    Q_OBJECT
public:
    OptionsPanel(QWidget* parent, Options& options, Scores& scores, const QImage& background,
                 const QImage& toggleGlyph);

    // Every caption and the level line from the options.
    void showCaptions();

signals:
    // After the option has changed and the captions show it.
    void optionChanged(zelvan::Setting setting);
    void scoresReset();

private:
    Options& options_;
    Scores& scores_;
    std::vector<std::pair<Setting, SmoothLabel*>> captions_;  // those that follow their option
    SmoothLabel* levelLine_ = nullptr;
};

}  // namespace zelvan
