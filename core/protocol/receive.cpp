#include "core/protocol/receive.h"

#include "core/engine/rules.h"
#include "core/protocol/dispatch.h"
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

void settleRestart(Game& g, Host& host, std::string_view play) {
    const char size = play[kCommandLength];
    const char opener = play[kCommandLength + 1];
    if (size >= '1' && size <= '3') g.sizeCode = static_cast<std::uint8_t>(size - '0');
    g.redIsHuman = 1;
    host.showOpponentKind();
    // A peer that has left starts nothing, so it scores nothing either.
    if (!g.connected || !host.peerConnected()) return;

    if (g.gameRunning) abandonGame(g, host, EndReason::PeerRestarted);
    // On the peer this game ran until its next Play abandoned it, with the
    // opener to move: the same player loses on both machines.
    recordResult(g, host, opener == 'C' ? kBlue : kRed);
    g.gameRunning = 0;
    g.busy = 0;
    g.winner = kNone;
    host.setCursor(Cursor::Normal);
}

void receiveRead(Game& g, Host& host, std::string_view read,
                 const std::function<std::string()>& nextRead) {
    bool settled = false;
    while (!read.empty()) {
        const std::string message(firstMessage(read));
        read.remove_prefix(message.size());
        if (isPlay(message)) {
            // Asked only now: handling the messages before let events run.
            const std::string waiting = read.empty() ? nextRead() : std::string();
            const std::string_view next = firstMessage(read.empty() ? waiting : read);
            if (isPlay(next)) {
                host.holdSaves(true);
                settleRestart(g, host, message);
                settled = true;
                continue;
            }
        }
        // Also when the run began in an earlier read: nothing may be held
        // while a handler lets events run.
        host.holdSaves(false);
        settled = false;
        dispatchMessage(g, host, message);
    }
    // A run that goes on in the next read keeps the hold until its end.
    if (settled && nextRead().empty()) host.holdSaves(false);
}

}  // namespace zelvan
