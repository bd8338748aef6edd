#pragma once
// When a think must stop: a wall-clock deadline, a node limit, or the
// caller's cancel flag. The search and the threat solver both poll it at
// every node; the clock and the flag are read every few hundred nodes only.
// A think runs in phases (its own threat checks, the opponent's, the search),
// each with a share of the time and nodes; the whole think's limits bound
// them all.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>

namespace zelvan::strong {

class Budget {
public:
    using Clock = std::chrono::steady_clock;

    // The whole think: `maxNodes` 0 means no node limit.
    void start(Clock::time_point deadline, std::uint64_t maxNodes,
               const std::atomic<bool>* cancel) {
        hardDeadline_ = deadline;
        hardNodes_ = maxNodes == 0 ? UINT64_MAX : maxNodes;
        cancel_ = cancel;
        nodes_ = 0;
        finished_ = false;
        phase(deadline, UINT64_MAX);
    }

    // A phase of at most `nodes` more nodes, ending by `deadline` at the latest.
    void phase(Clock::time_point deadline, std::uint64_t nodes) {
        deadline_ = std::min(deadline, hardDeadline_);
        nodeLimit_ = std::min(hardNodes_, nodes == UINT64_MAX ? UINT64_MAX : nodes_ + nodes);
        stopped_ = finished_;
        pollsLeft_ = 0;
    }

    // Counts a node; true once the phase must stop (and from then on).
    bool tick() {
        ++nodes_;
        if (stopped_) return true;
        if (nodes_ >= nodeLimit_) return stop();
        if (--pollsLeft_ > 0) return false;
        pollsLeft_ = kPollInterval;
        return checkNow();
    }

    // The clock and the flag, read now.
    bool checkNow() {
        if (stopped_) return true;
        if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) {
            finished_ = true;
            return stopped_ = true;
        }
        const auto now = Clock::now();
        if (now >= hardDeadline_) finished_ = true;
        if (now >= deadline_) return stop();
        return false;
    }

    bool stopped() const { return stopped_; }
    // The whole think is over: cancelled, out of time or out of nodes.
    bool finished() const { return finished_; }
    std::uint64_t nodes() const { return nodes_; }
    Clock::time_point hardDeadline() const { return hardDeadline_; }

private:
    bool stop() {
        if (nodes_ >= hardNodes_) finished_ = true;
        return stopped_ = true;
    }

    static constexpr int kPollInterval = 256;
    Clock::time_point hardDeadline_{};
    Clock::time_point deadline_{};
    std::uint64_t hardNodes_ = UINT64_MAX;
    std::uint64_t nodeLimit_ = UINT64_MAX;
    const std::atomic<bool>* cancel_ = nullptr;
    std::uint64_t nodes_ = 0;
    bool stopped_ = false;
    bool finished_ = false;
    int pollsLeft_ = 0;
};

}  // namespace zelvan::strong
