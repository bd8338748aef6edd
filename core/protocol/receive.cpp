#include "core/protocol/receive.h"

#include "core/engine/matchcontrol.h"
#include "core/protocol/wire.h"

namespace zelvan {

namespace {

std::string_view firstMessage(std::string_view bytes) {
    return bytes.substr(0, firstMessageLength(bytes));
}

}  // namespace

bool isPlay(std::string_view message) {
    return message.size() >= kCommandLength + 2 &&
           message.substr(0, kCommandLength) == kPlayCommand;
}

Receiver::Receiver(MatchControl& match, ChatSink chat, Peek nextArrival)
    : match_(match), chat_(std::move(chat)), nextArrival_(std::move(nextArrival)) {}

void Receiver::arrive(std::string_view read) {
    for (std::string& message : splitRead(read))
        waiting_.push_back(std::move(message));
    run();
}

void Receiver::resume() {
    run();
}

void Receiver::run() {
    while (!waiting_.empty()) {
        if (match_.holdsPeerInput()) return;
        const std::string message = std::move(waiting_.front());
        waiting_.pop_front();
        if (isPlay(message)) {
            // The arrival behind is asked for only now: it may have come
            // while the messages before were handled.
            const std::string behind = waiting_.empty() ? nextArrival_() : std::string();
            if (isPlay(firstMessage(waiting_.empty() ? behind : waiting_.front()))) {
                match_.holdSaves(true);
                match_.peerPlaySettled(message[kCommandLength], message[kCommandLength + 1]);
                settling_ = true;
                continue;
            }
        }
        settling_ = false;
        match_.holdSaves(false);
        dispatchMessage(match_, chat_, message);
    }
    // A run that goes on in the next arrival keeps the hold until its end.
    if (settling_ && nextArrival_().empty()) {
        settling_ = false;
        match_.holdSaves(false);
    }
}

}  // namespace zelvan
