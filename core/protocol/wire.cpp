#include "core/protocol/wire.h"

namespace zelvan {

namespace {

std::string twoDigitField(int v) {
    std::string s = std::to_string(v);
    return s.size() == 1 ? "0" + s : s;
}

bool startsWithCommand(std::string_view bytes) {
    const std::string_view head = bytes.substr(0, kCommandLength);
    return head == kPlayCommand || head == kMoveCommand || head == kStopCommand ||
           head == kChatCommand;
}

}  // namespace

std::string playMessage(int sizeCode, bool senderOpens) {
    return std::string(kPlayCommand) + std::to_string(sizeCode) + (senderOpens ? "C" : "S");
}

std::string moveMessage(int col, int row) {
    return std::string(kMoveCommand) + twoDigitField(col) + twoDigitField(row);
}

std::string stopMessage() {
    return std::string(kStopCommand);
}

std::string chatMessage(const std::string& text) {
    return std::string(kChatCommand) + text;
}

std::size_t firstMessageLength(std::string_view bytes) {
    const std::string_view head = bytes.substr(0, kCommandLength);
    std::size_t fixed = 0;
    if (head == kPlayCommand)
        fixed = kPlayLength;
    else if (head == kMoveCommand)
        fixed = kMoveLength;
    else if (head == kStopCommand)
        fixed = kStopLength;
    if (fixed && bytes.size() > fixed && startsWithCommand(bytes.substr(fixed))) return fixed;
    return bytes.size();
}

std::vector<std::string> splitRead(std::string_view bytes) {
    std::vector<std::string> messages;
    while (!bytes.empty()) {
        const std::size_t n = firstMessageLength(bytes);
        messages.emplace_back(bytes.substr(0, n));
        bytes.remove_prefix(n);
    }
    return messages;
}

}  // namespace zelvan
