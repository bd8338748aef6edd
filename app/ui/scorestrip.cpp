#include "app/ui/scorestrip.h"

#include <QLabel>
#include <QTime>
#include <QTimer>
#include <algorithm>

#include "app/ui/controlkit.h"
#include "app/ui/layout.h"
#include "app/widgets/smoothlabel.h"
#include "core/engine/scoreboard.h"

namespace zelvan {

namespace {

constexpr int kCountStepMs = 100;
constexpr std::int64_t kMinuteMs = 60 * 1000;
constexpr std::int64_t kSecondMs = 1000;

}  // namespace

ScoreStrip::ScoreStrip(QWidget* window, const Scores& scores, std::function<bool()> gameRunning,
                       Clocks clocks)
    : QObject(window), scores_(scores), gameRunning_(std::move(gameRunning)),
      clocks_(std::move(clocks)) {
    steady_.start();
    if (!clocks_.msSinceMidnight)
        clocks_.msSinceMidnight = [] {
            return std::int64_t(QTime::currentTime().msecsSinceStartOfDay());
        };
    if (!clocks_.monotonicMs) clocks_.monotonicMs = [this] { return steady_.elapsed(); };
    using namespace controls;
    const QFont scoreFont = arial(21, false);
    // Shadow twins first, so each lies beneath its bright copy.
    redScoreShadow_ = label(window, "redScoreShadow", scoreFont, kScoreShadow, Qt::AlignHCenter);
    redScore_ = label(window, "redScore", scoreFont, kScoreColour, Qt::AlignHCenter);
    blueScoreShadow_ = label(window, "blueScoreShadow", scoreFont, kScoreShadow, Qt::AlignHCenter);
    blueScore_ = label(window, "blueScore", scoreFont, kScoreColour, Qt::AlignHCenter);

    const QFont stripFont = arial(16, true);
    timeOfDay_ = label(window, "timeOfDay", stripFont, kStripColour, Qt::AlignHCenter);
    levelDigit_ = label(window, "levelDigit", stripFont, kStripColour, Qt::AlignLeft);
    gameClock_ = label(window, "gameClock", stripFont, kStripColour, Qt::AlignHCenter,
                       QStringLiteral("00:00"));
    clockCover_ = new QLabel(window);  // an opaque black box over the clock row
    clockCover_->setObjectName(QStringLiteral("clockCover"));
    clockCover_->setAutoFillBackground(true);
    QPalette black = clockCover_->palette();
    black.setColor(QPalette::Window, Qt::black);
    clockCover_->setPalette(black);

    tickTimer_ = new QTimer(this);
    tickTimer_->setObjectName(QStringLiteral("tickTimer"));
    tickTimer_->setSingleShot(true);
    connect(tickTimer_, &QTimer::timeout, this, &ScoreStrip::tick);
}

void ScoreStrip::place(QPoint origin) {
    using namespace layout;
    redScoreShadow_->setGeometry(kRedScore.translated(origin + kScoreShadowOffset));
    redScore_->setGeometry(kRedScore.translated(origin));
    blueScoreShadow_->setGeometry(kBlueScore.translated(origin + kScoreShadowOffset));
    blueScore_->setGeometry(kBlueScore.translated(origin));
    timeOfDay_->setGeometry(kTimeOfDay.translated(origin));
    levelDigit_->setGeometry(kLevelDigit.translated(origin));
    gameClock_->setGeometry(kGameClock.translated(origin));
    clockCover_->setGeometry(kClockCover.translated(origin));
    clockCover_->raise();  // above the three clock labels
}

void ScoreStrip::showScoresNow() {
    shownBlue_ = scores_.blue();
    shownRed_ = scores_.red();
    writeScore(Side::Blue, shownBlue_);
    writeScore(Side::Red, shownRed_);
}

void ScoreStrip::setClocksShown(bool shown) {
    clockCover_->setVisible(!shown);
}

void ScoreStrip::showLevel(int level) {
    levelDigit_->setText(QString::number(level));
}

void ScoreStrip::startGameClock() {
    gameStartMs_ = clocks_.monotonicMs();
    clockStarted_ = true;
    gameClock_->setText(QString::fromStdString(gameClockText(0)));
    sleepUntilDue();
}

void ScoreStrip::start() {
    running_ = true;
    showClocks();
    sleepUntilDue();
}

void ScoreStrip::stop() {
    running_ = false;
    tickTimer_->stop();
}

void ScoreStrip::wake() {
    sleepUntilDue();
}

void ScoreStrip::tick() {
    const std::int32_t red = scoreTick(shownRed_, scores_.red());
    if (red != shownRed_) writeScore(Side::Red, shownRed_ = red);
    const std::int32_t blue = scoreTick(shownBlue_, scores_.blue());
    if (blue != shownBlue_) writeScore(Side::Blue, shownBlue_ = blue);
    showClocks();
    sleepUntilDue();
}

void ScoreStrip::showClocks() {
    const QString now = QString::fromStdString(timeOfDayText(clocks_.msSinceMidnight()));
    if (timeOfDay_->text() != now) timeOfDay_->setText(now);
    if (gameRunning_()) {
        const QString elapsed =
            QString::fromStdString(gameClockText(clocks_.monotonicMs() - gameStartMs_));
        if (gameClock_->text() != elapsed) gameClock_->setText(elapsed);
    }
}

// The next wake: the next count step while a score is counting, else the
// next moment a clock's text can change. A game clock just started counts
// as running: Play starts the clock a moment before it marks the game so.
void ScoreStrip::sleepUntilDue() {
    if (!running_) return;
    std::int64_t wait = kCountStepMs;
    const bool counting = shownBlue_ != scores_.blue() || shownRed_ != scores_.red();
    if (!counting) {
        wait = msUntilClockChange(clocks_.msSinceMidnight(), kMinuteMs);
        const std::int64_t elapsed = clocks_.monotonicMs() - gameStartMs_;
        if (gameRunning_() || (clockStarted_ && elapsed < kSecondMs))
            wait = std::min(wait, msUntilClockChange(elapsed, kSecondMs));
    }
    tickTimer_->start(static_cast<int>(wait));
}

void ScoreStrip::writeScore(Side side, std::int32_t value) {
    const QString text = QString::number(value);
    SmoothLabel* bright = side == Side::Red ? redScore_ : blueScore_;
    SmoothLabel* shadow = side == Side::Red ? redScoreShadow_ : blueScoreShadow_;
    bright->setText(text);
    shadow->setText(text);
}

}  // namespace zelvan
