#pragma once
// The window's computer player. The look-ahead levels answer inside the
// request, as they always have; the strong levels think on a worker thread
// of their own, so the clocks tick and the window repaints meanwhile, and
// their answer comes back to the window's thread from its event loop.
//
// One think at a time: a new request (or hint) replaces the one under way,
// whose search is cancelled through the engine's flag and whose answer is
// dropped; cancel() does the same without a new one. The engine and its
// table are made once, on the worker, and kept.

#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "core/ai/computerplayer.h"
#include "core/ai/engineplayer.h"

namespace zelvan {

class BackgroundComputer final : public QObject, public ComputerPlayer {
    Q_OBJECT
public:
    using Answer = ComputerPlayer::Answer;

    explicit BackgroundComputer(QObject* parent = nullptr);
    // Cancels the think under way and waits for the worker, which then
    // returns promptly: never a whole search.
    ~BackgroundComputer() override;

    void request(const MoveRequest& request, RandomSource& random, Answer answer) override;
    void cancel() override;
    // Any think of the engine, such as the hint's; `answer` is called on
    // this thread unless another think or cancel() comes first.
    void think(EngineTask task, Answer answer);

    // Whether the worker is on a think, or has one waiting (for tests).
    bool busy() const;

private:
    struct Job {
        std::uint64_t ticket = 0;
        EngineTask task;
    };

    void work(std::stop_token stop);
    void deliver(std::uint64_t ticket, Cell cell);
    // With mutex_ held: the think under way, if any, is told to stop.
    void stopRunningThink();

    LookAheadPlayer lookAhead_;

    // The window's thread alone: the answer awaited, for the ticket awaited
    // (0: none).
    std::uint64_t awaited_ = 0;
    std::uint64_t lastTicket_ = 0;
    Answer answer_;

    // Shared with the worker, under mutex_.
    mutable std::mutex mutex_;
    std::condition_variable_any wake_;
    std::optional<Job> waiting_;
    std::uint64_t running_ = 0;  // the ticket of the think under way (0: none)
    // The engine polls this inside its search; set only for the think under
    // way and cleared only when the worker takes the next one.
    std::atomic<bool> stopThink_{false};

    EngineThinker thinker_;  // the worker's alone
    std::jthread worker_;    // last: started once the rest stands, stopped first
};

}  // namespace zelvan
