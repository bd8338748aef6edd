// The read splitter: any read is cut into messages that put together give
// the read back, and messages the program sends back to back come out of
// one read exactly as they were sent.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "core/protocol/wire.h"

using namespace zelvan;

namespace {

std::size_t fixedLength(std::string_view m) {
    const std::string_view command = m.substr(0, kCommandLength);
    if (command == kPlayCommand) return kPlayLength;
    if (command == kMoveCommand) return kMoveLength;
    if (command == kStopCommand) return kStopLength;
    return 0;
}

bool isCommand(std::string_view m) {
    const std::string_view command = m.substr(0, kCommandLength);
    return command == kPlayCommand || command == kMoveCommand || command == kStopCommand ||
           command == kChatCommand;
}

void checkAnyRead(std::string_view read) {
    const std::vector<std::string> messages = splitRead(read);
    FUZZ_CHECK(firstMessageLength(read) == (messages.empty() ? 0 : messages[0].size()));
    std::string joined;
    for (std::size_t k = 0; k < messages.size(); ++k) {
        FUZZ_CHECK(!messages[k].empty());
        // Only a complete PLAY, MOVE or STOP followed by another command is
        // cut off; everything else runs to the end of the read.
        if (k + 1 < messages.size()) {
            FUZZ_CHECK(fixedLength(messages[k]) == messages[k].size());
            FUZZ_CHECK(isCommand(messages[k + 1]));
        }
        joined += messages[k];
    }
    FUZZ_CHECK(joined == read);
}

// Messages as the program writes them, chosen by the input's bytes; a CHAT,
// which runs to the end of its read, can only come last.
std::vector<std::string> sentMessages(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> out;
    std::size_t i = 0;
    auto next = [&]() -> std::uint8_t { return i < size ? data[i++] : 0; };
    while (i < size) {
        switch (next() % 4) {
        case 0: {
            const int sizeCode = next() % 3 + 1;
            out.push_back(playMessage(sizeCode, next() & 1));
            break;
        }
        case 1: {
            const int col = next() % 30 + 1;
            out.push_back(moveMessage(col, next() % 30 + 1));
            break;
        }
        case 2:
            out.push_back(stopMessage());
            break;
        default: {
            const std::size_t n = std::min<std::size_t>(size - i, kMaxChatText);
            std::string text(reinterpret_cast<const char*>(data + i), n);
            i += n;
            if (text.empty()) text = "?";
            out.push_back(chatMessage(text));
            return out;
        }
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkAnyRead(std::string_view(reinterpret_cast<const char*>(data), size));

    const std::vector<std::string> sent = sentMessages(data, size);
    std::string read;
    for (const auto& m : sent)
        read += m;
    FUZZ_CHECK(splitRead(read) == sent);
    checkAnyRead(read);
    return 0;
}
