#pragma once
// The scoreboard and the clock strip: both sides' scores with their dark
// twins, the time of day, the level digit and the game clock, and the black
// cover that hides the strip while the clocks are off. A shown score counts
// toward the real one a step every 100 ms; otherwise the strip sleeps until
// a clock's text is next due to change (the next second of a running game,
// else the next minute), so an idle window hardly ever wakes.

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <cstdint>
#include <functional>

#include "core/engine/pieces.h"
#include "core/engine/scores.h"

class QLabel;
class QTimer;
class QWidget;

namespace zelvan {

class SmoothLabel;

class ScoreStrip : public QObject {
    Q_OBJECT
public:
    // Where the time comes from; an empty one reads the machine's own.
    struct Clocks {
        std::function<std::int64_t()> msSinceMidnight;  // the local wall clock
        std::function<std::int64_t()> monotonicMs;      // for the game clock
    };

    // The labels are the window's own children, placed by place().
    // `gameRunning` says whether the game clock counts.
    ScoreStrip(QWidget* window, const Scores& scores, std::function<bool()> gameRunning,
               Clocks clocks);

    void place(QPoint backgroundOrigin);
    // Shows the real scores at once, without counting.
    void showScoresNow();
    void setClocksShown(bool shown);
    void showLevel(int level);
    // The game clock counts from now, showing "00:00" at once.
    void startGameClock();
    // Starts and stops the strip's own timer.
    void start();
    void stop();
    // A score may have changed: counting starts with the next step.
    void wake();

    // The scores shown now, counting toward the real ones.
    std::int32_t shownBlue() const { return shownBlue_; }
    std::int32_t shownRed() const { return shownRed_; }

public slots:
    // One step of each shown score, then the clocks, then sleep.
    void tick();

private:
    void showClocks();
    void sleepUntilDue();
    void writeScore(Side side, std::int32_t value);

    const Scores& scores_;
    std::function<bool()> gameRunning_;
    Clocks clocks_;
    QElapsedTimer steady_;
    std::int32_t shownBlue_ = 0;
    std::int32_t shownRed_ = 0;
    SmoothLabel* redScoreShadow_ = nullptr;
    SmoothLabel* redScore_ = nullptr;
    SmoothLabel* blueScoreShadow_ = nullptr;
    SmoothLabel* blueScore_ = nullptr;
    SmoothLabel* timeOfDay_ = nullptr;
    SmoothLabel* levelDigit_ = nullptr;
    SmoothLabel* gameClock_ = nullptr;
    QLabel* clockCover_ = nullptr;
    QTimer* tickTimer_ = nullptr;
    std::int64_t gameStartMs_ = 0;
    bool running_ = false;
    bool clockStarted_ = false;  // a game clock has been started since start-up
};

}  // namespace zelvan
