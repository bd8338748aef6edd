#include "core/protocol/dispatch.h"

#include <optional>

#include "core/engine/matchcontrol.h"
#include "core/protocol/textint.h"
#include "core/protocol/wire.h"

namespace zelvan {

namespace {

// A peer's chat line as it may enter the history and the log: one line of at
// most 255 characters, so a peer cannot forge extra lines in either.
std::string cleanChatText(std::string_view payload) {
    std::string text(payload.substr(0, kMaxChatText));
    for (char& c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32 || b == 127) c = ' ';
    }
    return text;
}

}  // namespace

void dispatchMessage(MatchControl& match, const ChatSink& chat, std::string_view message) {
    if (message.size() < kCommandLength) return;
    const std::string_view command = message.substr(0, kCommandLength);
    const std::string_view payload = message.substr(kCommandLength);

    if (command == kChatCommand) {
        if (!payload.empty() && chat) chat(cleanChatText(payload));
    } else if (command == kPlayCommand) {
        if (payload.size() >= 2) match.peerPlay(payload[0], payload[1]);
    } else if (command == kStopCommand) {
        match.peerStop();
    } else if (command == kMoveCommand) {
        if (match.running() && payload.size() == 4) {
            auto col = textToInt(payload.substr(0, 2));
            auto row = textToInt(payload.substr(2, 2));
            if (!col || !row) col = row = 0;
            match.peerMove(*col, *row);
        }
    }
}

}  // namespace zelvan
