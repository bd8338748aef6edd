#pragma once
// One copy's receiving side, as the window runs it: the socket layer's
// arrivals handed to the Receiver one at a time, held back while match
// control gives a PLAY its pause, and the chat lines the dispatcher shows.

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/protocol/receive.h"
#include "support/matchrig.h"

namespace zelvan::test {

struct ReceivingSide : MatchRig {
    std::deque<std::string> arrivals;  // in the socket layer, not yet handed over
    std::vector<std::string> chats;
    Receiver receiver{match, [this](const std::string& text) { chats.push_back(text); },
                      [this] { return arrivals.empty() ? std::string() : arrivals.front(); }};

    // Connected to the peer, as the side that accepted the call or made it.
    explicit ReceivingSide(bool accepted, std::deque<std::uint32_t> draws = {})
        : MatchRig(std::move(draws)) {
        peer.isConnected = true;
        peer.isAccepted = accepted;
        match.onPeerInputReady([this] {
            receiver.resume();
            deliver();
        });
    }

    // Reads from the peer, arrived together: each waits behind what came
    // before.
    void arrive(std::initializer_list<std::string> reads) {
        arrivals.insert(arrivals.end(), reads.begin(), reads.end());
        deliver();
    }
    void arrive(const std::string& read) { arrive({read}); }
    // A read, and every pause it starts run out.
    void receive(const std::string& read) {
        arrive(read);
        timers.runAll();
    }

private:
    void deliver() {
        while (!arrivals.empty() && !receiver.waiting() && !match.holdsPeerInput()) {
            const std::string next = arrivals.front();
            arrivals.pop_front();
            receiver.arrive(next);
        }
    }
};

}  // namespace zelvan::test
