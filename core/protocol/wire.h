#pragma once
// The four messages two copies exchange over their connection, and how the
// bytes of one read are cut into messages.
//
// A message is a four-letter command in capitals and its payload, with no
// header, length or terminator:
//   PLAY + size digit "1".."3" + opener "C" (the sender moves first) or "S"   6 bytes
//   MOVE + column + row, each two decimal digits                             8 bytes
//   STOP                                                                     4 bytes
//   CHAT + 1..255 characters of text                                     5..259 bytes

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelvan {

inline constexpr std::string_view kPlayCommand = "PLAY";
inline constexpr std::string_view kMoveCommand = "MOVE";
inline constexpr std::string_view kStopCommand = "STOP";
inline constexpr std::string_view kChatCommand = "CHAT";
inline constexpr std::size_t kCommandLength = 4;
inline constexpr std::size_t kPlayLength = 6;
inline constexpr std::size_t kMoveLength = 8;
inline constexpr std::size_t kStopLength = 4;
inline constexpr std::size_t kMaxChatText = 255;

// "PLAY" + sizeCode as a digit + "C" when the sender's own player opens, else "S".
std::string playMessage(int sizeCode, bool senderOpens);
// "MOVE" + two-digit column + two-digit row; col and row lie in 1..30.
std::string moveMessage(int col, int row);
std::string stopMessage();
// "CHAT" + the text as given; the caller keeps it to 1..255 single-byte characters.
std::string chatMessage(const std::string& text);

// Length of the first message in a read: a complete PLAY, MOVE or STOP that
// is directly followed by one of the four commands ends there; anything else
// (a CHAT, an unknown command, a message with extra bytes that are not a
// command) runs to the end of the read. 0 for an empty read.
std::size_t firstMessageLength(std::string_view bytes);

// The messages of one read, cut with firstMessageLength: "STOPPLAY1C" is
// STOP then PLAY1C, "MOVE0305CHAThi" is MOVE0305 then CHAThi, while
// "MOVE03150", "STOPxyz" and "CHAThiSTOP" each stay one message. An empty
// read gives no message.
std::vector<std::string> splitRead(std::string_view bytes);

}  // namespace zelvan
