#include "app/ai/backgroundcomputer.h"

#include <QMetaObject>
#include <utility>

namespace zelvan {

BackgroundComputer::BackgroundComputer(QObject* parent)
    : QObject(parent), worker_([this](std::stop_token stop) { work(std::move(stop)); }) {}

BackgroundComputer::~BackgroundComputer() {
    {
        const std::lock_guard lock(mutex_);
        waiting_.reset();
        stopRunningThink();
    }
    worker_.request_stop();  // wakes the worker's wait too
    worker_.join();
}

void BackgroundComputer::request(const MoveRequest& request, RandomSource& random, Answer answer) {
    if (!request.level.thinksAgainstTheClock()) {
        cancel();
        lookAhead_.request(request, random, std::move(answer));
        return;
    }
    think(engineTask(request, random), std::move(answer));
}

void BackgroundComputer::think(EngineTask task, Answer answer) {
    awaited_ = ++lastTicket_;
    answer_ = std::move(answer);
    {
        const std::lock_guard lock(mutex_);
        stopRunningThink();
        waiting_ = Job{awaited_, std::move(task)};
    }
    wake_.notify_one();
}

void BackgroundComputer::cancel() {
    awaited_ = 0;
    answer_ = nullptr;
    const std::lock_guard lock(mutex_);
    waiting_.reset();
    stopRunningThink();
}

bool BackgroundComputer::busy() const {
    const std::lock_guard lock(mutex_);
    return running_ != 0 || waiting_.has_value();
}

void BackgroundComputer::stopRunningThink() {
    if (running_ != 0) stopThink_.store(true, std::memory_order_relaxed);
}

void BackgroundComputer::work(std::stop_token stop) {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [this] { return waiting_.has_value(); })) return;
            job = std::move(*waiting_);
            waiting_.reset();
            running_ = job.ticket;
            stopThink_.store(false, std::memory_order_relaxed);
        }
        const Cell cell = thinker_.think(job.task, &stopThink_);
        {
            const std::lock_guard lock(mutex_);
            running_ = 0;
        }
        // Posted to the window's thread; an answer it no longer awaits is
        // dropped there, and one still queued when this object goes is
        // discarded with it.
        QMetaObject::invokeMethod(
            this, [this, ticket = job.ticket, cell] { deliver(ticket, cell); },
            Qt::QueuedConnection);
    }
}

void BackgroundComputer::deliver(std::uint64_t ticket, Cell cell) {
    if (ticket != awaited_) return;
    awaited_ = 0;
    Answer answer = std::exchange(answer_, nullptr);
    if (answer) answer(cell);
}

}  // namespace zelvan
