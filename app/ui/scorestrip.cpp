#include "app/ui/scorestrip.h"

#include <QLabel>
#include <QTimer>

#include "core/engine/scoreboard.h"
#include "app/ui/controlkit.h"
#include "app/ui/layout.h"
#include "app/widgets/smoothlabel.h"

namespace zelvan {

namespace {

constexpr int kTickMs = 100;

}  // namespace

ScoreStrip::ScoreStrip(QWidget* window, Game& game, Clocks clocks)
    : QObject(window), game_(game), clocks_(std::move(clocks)) {
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
    tickTimer_->setInterval(kTickMs);
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
    game_.shownScoreBlue = game_.scoreBlue;
    game_.shownScoreRed = game_.scoreRed;
    writeScore(Side::Blue, game_.shownScoreBlue);
    writeScore(Side::Red, game_.shownScoreRed);
}

void ScoreStrip::setClocksShown(bool shown) {
    clockCover_->setVisible(!shown);
}

void ScoreStrip::showLevel(int level) {
    levelDigit_->setText(QString::number(level));
}

void ScoreStrip::startGameClock() {
    gameStartMs_ = clocks_.monotonicMs();
}

void ScoreStrip::start() {
    tickTimer_->start();
}

void ScoreStrip::stop() {
    tickTimer_->stop();
}

void ScoreStrip::tick() {
    const std::int32_t red = scoreTick(game_.shownScoreRed, game_.scoreRed);
    if (red != game_.shownScoreRed) writeScore(Side::Red, game_.shownScoreRed = red);
    const std::int32_t blue = scoreTick(game_.shownScoreBlue, game_.scoreBlue);
    if (blue != game_.shownScoreBlue) writeScore(Side::Blue, game_.shownScoreBlue = blue);

    const QString now = QString::fromStdString(timeOfDayText(clocks_.msSinceMidnight()));
    if (timeOfDay_->text() != now) timeOfDay_->setText(now);
    if (game_.gameRunning) {
        const QString elapsed =
            QString::fromStdString(gameClockText(clocks_.monotonicMs() - gameStartMs_));
        if (gameClock_->text() != elapsed) gameClock_->setText(elapsed);
    }
}

void ScoreStrip::writeScore(Side side, std::int32_t value) {
    const QString text = QString::number(value);
    SmoothLabel* bright = side == Side::Red ? redScore_ : blueScore_;
    SmoothLabel* shadow = side == Side::Red ? redScoreShadow_ : blueScoreShadow_;
    bright->setText(text);
    shadow->setText(text);
}

}  // namespace zelvan
