#include <gtest/gtest.h>

#include "core/protocol/wire.h"

using namespace zelvan;
using Messages = std::vector<std::string>;

TEST(Wire, MessageBytes) {
    EXPECT_EQ(playMessage(1, true), "PLAY1C");
    EXPECT_EQ(playMessage(3, false), "PLAY3S");
    EXPECT_EQ(moveMessage(3, 15), "MOVE0315");
    EXPECT_EQ(moveMessage(30, 1), "MOVE3001");
    EXPECT_EQ(stopMessage(), "STOP");
    EXPECT_EQ(chatMessage("hello"), "CHAThello");
    EXPECT_EQ(chatMessage(std::string(255, 'a')).size(), 259u);
}

TEST(Wire, FixedMessagesFollowedByACommandAreSplit) {
    EXPECT_EQ(splitRead("STOPPLAY1C"), (Messages{"STOP", "PLAY1C"}));
    EXPECT_EQ(splitRead("MOVE0305CHAThi"), (Messages{"MOVE0305", "CHAThi"}));
    EXPECT_EQ(splitRead("PLAY2SMOVE0101MOVE0202STOP"),
              (Messages{"PLAY2S", "MOVE0101", "MOVE0202", "STOP"}));
    EXPECT_EQ(splitRead("STOPSTOPSTOP"), (Messages{"STOP", "STOP", "STOP"}));
    EXPECT_EQ(splitRead("MOVE0101CHAT"), (Messages{"MOVE0101", "CHAT"}));
}

TEST(Wire, OtherReadsStayOneMessage) {
    EXPECT_EQ(splitRead("MOVE03150"), (Messages{"MOVE03150"}));
    EXPECT_EQ(splitRead("STOPxyz"), (Messages{"STOPxyz"}));
    EXPECT_EQ(splitRead("CHAThiSTOP"), (Messages{"CHAThiSTOP"}));  // a chat runs to the end
    EXPECT_EQ(splitRead("CHATaPLAY1CMOVE0101"), (Messages{"CHATaPLAY1CMOVE0101"}));
    EXPECT_EQ(splitRead("STOPstop"), (Messages{"STOPstop"}));  // commands are capitals
    EXPECT_EQ(splitRead("STOPPLA"), (Messages{"STOPPLA"}));    // no whole command follows
    EXPECT_EQ(splitRead("XYZWSTOP"), (Messages{"XYZWSTOP"}));
    EXPECT_EQ(splitRead("ST"), (Messages{"ST"}));
    EXPECT_EQ(splitRead("STOP"), (Messages{"STOP"}));
    EXPECT_TRUE(splitRead("").empty());
    // A split stops at the first piece that is not a fixed message followed by a command.
    EXPECT_EQ(splitRead("STOPMOVE031STOP"), (Messages{"STOP", "MOVE031STOP"}));
}

TEST(Wire, FirstMessageLengthWalksWithoutCopies) {
    const std::string read = "STOPPLAY3SCHATok";
    EXPECT_EQ(firstMessageLength(read), 4u);
    EXPECT_EQ(firstMessageLength(std::string_view(read).substr(4)), 6u);
    EXPECT_EQ(firstMessageLength(std::string_view(read).substr(10)), 6u);
    EXPECT_EQ(firstMessageLength(""), 0u);
}
