#include <gtest/gtest.h>

#include "core/settings/settingscodec.h"
#include "support/settingsgames.h"

using namespace zelvan;
using zelvan::test::defaultGame;
using zelvan::test::unusualGame;
using Bytes = std::vector<std::uint8_t>;

namespace {

Game decoded(const Bytes& b) {
    Game g = defaultGame();
    decodeSettings(b.data(), b.size(), g);
    return g;
}

}  // namespace

TEST(SettingsCodec, DefaultFileBytes) {
    // clang-format off
    const Bytes expected = {0xe8, 0x03, 0, 0, 0xe8, 0x03, 0, 0,        // scores 1000, 1000
                            0, 0, 0, 0, 0, 0, 0, 0, 0, 0,              // no results
                            1, 1, 1, 1, 2, 1, 0, 1, 0, 1, 0,           // options
                            7, '0', '.', '0', '.', '0', '.', '0'};     // the address
    // clang-format on
    EXPECT_EQ(encodeSettings(defaultGame()), expected);
    EXPECT_EQ(expected.size(), 37u);
}

TEST(SettingsCodec, FieldsSitAtTheirOffsets) {
    const Bytes b = encodeSettings(unusualGame());
    ASSERT_EQ(b.size(), 45u);
    EXPECT_EQ((Bytes{b.begin(), b.begin() + 4}), (Bytes{4, 3, 2, 1}));  // little-endian
    EXPECT_EQ((Bytes{b.begin() + 4, b.begin() + 8}), (Bytes{0x0f, 0x27, 0, 0}));
    EXPECT_EQ(b[8], 85);
    EXPECT_EQ(b[17], 85);
    EXPECT_EQ(b[20], 0);  // Red's last-move frame comes before Blue's
    EXPECT_EQ(b[21], 1);
    EXPECT_EQ(b[22], 3);
    EXPECT_EQ(b[23], 0);  // the style chosen for the next game, not the current one
    EXPECT_EQ(b[25], 3);
    EXPECT_EQ(b[28], 1);
    EXPECT_EQ(b[29], 15);
    EXPECT_EQ(std::string(b.begin() + 30, b.end()), "192.168.100.200");
}

TEST(SettingsCodec, RoundTripRestoresEveryField) {
    Game src = unusualGame();
    src.scoreBlue = 1234;
    Game g = decoded(encodeSettings(src));
    EXPECT_EQ(g.pieceStyle, 0);  // the chosen style is read into the current one ...
    EXPECT_EQ(g.pieceStyleChoice, 1);
    adoptLoadedStyle(g);  // ... and start-up makes it the chosen one too
    EXPECT_EQ(g.pieceStyleChoice, 0);
    // Every stored field is back: the game writes the same bytes again.
    EXPECT_EQ(encodeSettings(g), encodeSettings(src));
    EXPECT_EQ(g.scoreBlue, 1234);
    EXPECT_EQ(g.peerAddress, "192.168.100.200");
}

TEST(SettingsCodec, EmptyAndOddAddresses) {
    Game src = defaultGame();
    src.peerAddress = "";
    EXPECT_EQ(encodeSettings(src).size(), 30u);
    EXPECT_EQ(decoded(encodeSettings(src)).peerAddress, "");

    src.peerAddress = std::string("a\0\xff", 3);  // any single bytes survive
    EXPECT_EQ(decoded(encodeSettings(src)).peerAddress, src.peerAddress);
}

TEST(SettingsCodec, LongAddressKeepsItsLengthModulo256) {
    Game src = defaultGame();
    src.peerAddress = std::string(300, 'a');
    for (int i = 0; i < 300; ++i)
        src.peerAddress[i] = static_cast<char>('a' + i % 26);
    const Bytes b = encodeSettings(src);
    EXPECT_EQ(b.size(), 30u + 44u);
    EXPECT_EQ(b[29], 44);
    EXPECT_EQ(decoded(b).peerAddress, src.peerAddress.substr(0, 44));

    src.peerAddress = std::string(256, 'z');
    EXPECT_EQ(encodeSettings(src).size(), 30u);
}

TEST(SettingsCodec, TruncatedFiles) {
    const Game src = unusualGame();
    Game full = src;
    full.scoreBlue = 4321;
    const Bytes b = encodeSettings(full);
    const Game def = defaultGame();
    auto cut = [&](std::size_t n) { return decoded(Bytes(b.begin(), b.begin() + n)); };

    EXPECT_EQ(encodeSettings(cut(0)), encodeSettings(def));

    Game g = cut(2);  // first score cut in the middle
    EXPECT_EQ(g.scoreBlue, 1000);
    EXPECT_EQ(g.scoreRed, 1000);

    g = cut(6);  // second score cut
    EXPECT_EQ(g.scoreBlue, 4321);
    EXPECT_EQ(g.scoreRed, 1000);

    g = cut(13);  // history read up to its fifth entry
    EXPECT_EQ(g.resultHistory, (std::array<std::uint8_t, 10>{85, 170, 0, 170, 85, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g.hintsOn, 1);

    g = cut(23);  // up to the level
    EXPECT_EQ(g.computerLevel, 3);
    EXPECT_EQ(g.pieceStyle, 1);
    EXPECT_EQ(g.sizeCode, 1);

    g = cut(29);  // every option, no length byte: the address keeps its default
    EXPECT_EQ(g.chatBoxOn, 1);
    EXPECT_EQ(g.peerAddress, "0.0.0.0");

    EXPECT_EQ(cut(30).peerAddress, "");       // length byte, no characters
    EXPECT_EQ(cut(35).peerAddress, "192.1");  // the characters that are there
    EXPECT_EQ(cut(45).peerAddress, "192.168.100.200");

    Bytes longer = b;  // bytes after the address are not read
    longer.insert(longer.end(), {'x', 'y'});
    EXPECT_EQ(decoded(longer).peerAddress, "192.168.100.200");
}

TEST(SettingsCodec, ValuesOutOfRangeAreBroughtBack) {
    Bytes b = encodeSettings(defaultGame());
    const Bytes negative = {0xff, 0xff, 0xff, 0xff};  // -1
    const Bytes huge = {0x10, 0x27, 0, 0};            // 10000
    std::copy(negative.begin(), negative.end(), b.begin());
    std::copy(huge.begin(), huge.end(), b.begin() + 4);
    b[8] = 1;
    b[9] = 84;
    b[10] = 255;
    b[11] = 85;
    b[12] = 170;
    b[18] = 2;    // hintsOn
    b[20] = 255;  // markRedMove
    b[21] = 0;
    b[22] = 4;  // level
    b[23] = 7;  // style
    b[25] = 0;  // size code
    b[26] = 9;  // soundOff
    Game g = decoded(b);
    EXPECT_EQ(g.scoreBlue, 0);
    EXPECT_EQ(g.scoreRed, 9999);
    EXPECT_EQ(g.resultHistory, (std::array<std::uint8_t, 10>{0, 0, 0, 85, 170, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g.hintsOn, 1);
    EXPECT_EQ(g.markRedMove, 1);
    EXPECT_EQ(g.markBlueMove, 0);
    EXPECT_EQ(g.computerLevel, 2);
    EXPECT_EQ(g.pieceStyle, 1);
    EXPECT_EQ(g.sizeCode, 1);
    EXPECT_EQ(g.soundOff, 1);

    b[22] = 0;
    b[25] = 4;
    g = decoded(b);
    EXPECT_EQ(g.computerLevel, 2);
    EXPECT_EQ(g.sizeCode, 1);
    b[22] = 1;
    b[25] = 255;
    g = decoded(b);
    EXPECT_EQ(g.computerLevel, 1);
    EXPECT_EQ(g.sizeCode, 1);
}
