#pragma once
// Every game on the board as a record: built up as its pieces are placed,
// each with the milliseconds since the one before, and on its ending kept
// in the games folder and, when it was scored, counted in the statistics.
// It listens to what match control tells the window (RecordingConsole
// passes each call on to the window's own console first), so the core
// stays free of files.

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/storage/gamearchive.h"
#include "app/storage/statisticsstore.h"
#include "core/engine/seams.h"
#include "core/records/record.h"

namespace zelvan {

class MatchControl;
class Scores;

class GameRecorder : public QObject {
    Q_OBJECT
public:
    struct Sources {
        std::function<std::int64_t()> monotonicMs;    // the moves' times
        std::function<records::Opponent()> opponent;  // who Red is now
        std::function<records::RecordTime()> now;     // the start's date and time
    };

    GameRecorder(QObject* parent, const Scores& scores, const QString& folder, Sources sources);
    // The game whose pieces are recorded; before any game starts.
    void attach(const MatchControl& match) { match_ = &match; }

    // The game on the board, running or ended; none before the first.
    const std::optional<records::GameRecord>& record() const { return record_; }
    const GameArchive& archive() const { return archive_; }
    const records::Statistics& statistics() const { return statistics_.statistics(); }

    // The next game to start goes on from these moves (P in review): its
    // record begins with them and says so.
    void continueFrom(std::optional<records::GameRecord> opening);

    void gameStarted();
    void piecePlaced(const PlayedMove& move);
    void gameEnded(const GameEnd& end);

    // The result and ending a record keeps for an ending match control tells.
    static records::Result resultOf(const GameEnd& end);

signals:
    void recordChanged();  // a game began, a piece was placed, a game ended
    void statisticsChanged();

private:
    const MatchControl* match_ = nullptr;
    const Scores& scores_;
    Sources sources_;
    GameArchive archive_;
    StatisticsStore statistics_;
    std::optional<records::GameRecord> record_;
    std::optional<records::GameRecord> continuation_;
    std::int64_t lastMoveMs_ = 0;
};

// The window's console as match control sees it, with the recorder told of
// each start, piece and ending after the window has shown it.
// `hideRecordPanels` closes the records' panels beside the window's own.
class RecordingConsole final : public Console {
public:
    RecordingConsole(Console& window, GameRecorder& recorder,
                     std::function<void()> hideRecordPanels)
        : window_(window), recorder_(recorder), hideRecordPanels_(std::move(hideRecordPanels)) {}

    void showTurn(bool blueToMove) override { window_.showTurn(blueToMove); }
    void showOpponentKind(bool redIsHuman) override { window_.showOpponentKind(redIsHuman); }
    void setCursor(Cursor cursor) override { window_.setCursor(cursor); }
    void hidePanels() override {
        window_.hidePanels();
        hideRecordPanels_();
    }
    void startGameClock() override {
        window_.startGameClock();
        recorder_.gameStarted();
    }
    void piecePlaced(const PlayedMove& move) override {
        window_.piecePlaced(move);
        recorder_.piecePlaced(move);
    }
    void gameEnded(const GameEnd& end) override {
        window_.gameEnded(end);
        recorder_.gameEnded(end);
    }
    void quit() override { window_.quit(); }

private:
    Console& window_;
    GameRecorder& recorder_;
    std::function<void()> hideRecordPanels_;
};

}  // namespace zelvan
