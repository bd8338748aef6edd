#pragma once
// What a message from the network peer does: the dispatcher reads it and
// calls match control's operation for it. The Receiver (receive.h) cuts each
// read into messages and hands them here one by one.

#include <functional>
#include <string>
#include <string_view>

namespace zelvan {

class MatchControl;

// Where a peer's chat line goes: the chat box and the chat log.
using ChatSink = std::function<void(const std::string& text)>;

// Handles one received message. Messages shorter than four bytes, unknown
// or lower-case commands, CHAT without text, PLAY with fewer than two payload
// characters and MOVE with a payload other than four characters are ignored.
//
//   CHAT: control characters (below 32, and 127) become blanks, the text is
//         cut to 255 characters and goes to `chat`.
//   PLAY: its size digit and opener letter go to MatchControl::peerPlay.
//   STOP: MatchControl::peerStop.
//   MOVE: the two two-character numbers go through textToInt (a failed
//         conversion makes both 0), then to MatchControl::peerMove, while a
//         game runs.
void dispatchMessage(MatchControl& match, const ChatSink& chat, std::string_view message);

}  // namespace zelvan
