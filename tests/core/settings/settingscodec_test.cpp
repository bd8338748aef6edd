// The settings file's bytes: where each setting sits, what a damaged or
// foreign file reads as, and the table every user of a setting reads.

#include <gtest/gtest.h>

#include "core/settings/settingscodec.h"
#include "support/settingsgames.h"

using namespace zelvan;
using namespace zelvan::test;
using Bytes = std::vector<std::uint8_t>;

TEST(SettingsCodec, DefaultFileBytes) {
    // clang-format off
    const Bytes expected = {0xe8, 0x03, 0, 0, 0xe8, 0x03, 0, 0,        // scores 1000, 1000
                            0, 0, 0, 0, 0, 0, 0, 0, 0, 0,              // no results
                            1, 1, 1, 1, 2, 1, 0, 1, 0, 1, 0,           // options
                            7, '0', '.', '0', '.', '0', '.', '0'};     // the address
    // clang-format on
    EXPECT_EQ(defaultSettings().encoded(), expected);
    EXPECT_EQ(expected.size(), 37u);
}

TEST(SettingsCodec, SettingsSitAtTheirOffsets) {
    const Bytes b = unusualSettings().encoded();
    ASSERT_EQ(b.size(), 45u);
    EXPECT_EQ((Bytes{b.begin(), b.begin() + 4}), (Bytes{0xd2, 0x04, 0, 0}));  // little-endian
    EXPECT_EQ((Bytes{b.begin() + 4, b.begin() + 8}), (Bytes{0x0f, 0x27, 0, 0}));
    EXPECT_EQ(b[8], 85);
    EXPECT_EQ(b[17], 85);
    EXPECT_EQ(b[20], 0);  // Red's last-move frame comes before Blue's
    EXPECT_EQ(b[21], 1);
    EXPECT_EQ(b[22], 3);
    EXPECT_EQ(b[23], 0);  // the style chosen for the next game
    EXPECT_EQ(b[25], 3);
    EXPECT_EQ(b[28], 1);
    EXPECT_EQ(b[29], 15);
    EXPECT_EQ(std::string(b.begin() + 30, b.end()), "192.168.100.200");
}

TEST(SettingsCodec, RoundTripRestoresEverySetting) {
    const Stored src = unusualSettings();
    EXPECT_EQ(decoded(src.encoded()), src);
}

TEST(SettingsCodec, EmptyOddAndLongAddresses) {
    Stored src;
    src.options.setPeerAddress("");
    EXPECT_EQ(src.encoded().size(), 30u);
    EXPECT_EQ(decoded(src.encoded()).options.peerAddress(), "");

    src.options.setPeerAddress(std::string("a\0\xff", 3));  // any single bytes survive
    EXPECT_EQ(decoded(src.encoded()), src);

    std::string longAddress(300, 'a');
    for (int i = 0; i < 300; ++i)
        longAddress[i] = static_cast<char>('a' + i % 26);
    src.options.setPeerAddress(longAddress);
    const Bytes b = src.encoded();
    EXPECT_EQ(b.size(), 30u + 44u);  // its length modulo 256
    EXPECT_EQ(b[29], 44);
    EXPECT_EQ(decoded(b).options.peerAddress(), longAddress.substr(0, 44));

    src.options.setPeerAddress(std::string(256, 'z'));
    EXPECT_EQ(src.encoded().size(), 30u);
}

TEST(SettingsCodec, TruncatedFilesKeepWhatTheyDoNotHold) {
    Stored full = unusualSettings();
    full.scores.restore(4321, 9999, full.scores.results());
    const Bytes b = full.encoded();
    auto cut = [&](std::size_t n) { return decoded(Bytes(b.begin(), b.begin() + n)); };

    EXPECT_EQ(cut(0), defaultSettings());

    Stored s = cut(2);  // first score cut in the middle
    EXPECT_EQ(s.scores.blue(), 1000);
    EXPECT_EQ(s.scores.red(), 1000);

    s = cut(6);  // second score cut
    EXPECT_EQ(s.scores.blue(), 4321);
    EXPECT_EQ(s.scores.red(), 1000);

    s = cut(13);  // results read up to their fifth entry
    EXPECT_EQ(s.scores.results(), (Results{85, 170, 0, 170, 85, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(s.options.on(Setting::Hints));

    s = cut(23);  // up to the level
    EXPECT_EQ(s.options.level().number, 3);
    EXPECT_EQ(s.options.pieceStyle(), 1);
    EXPECT_EQ(s.options.sizeCode(), 1);

    s = cut(29);  // every option, no length byte: the address keeps its default
    EXPECT_TRUE(s.options.on(Setting::ChatBox));
    EXPECT_EQ(s.options.peerAddress(), "0.0.0.0");

    EXPECT_EQ(cut(30).options.peerAddress(), "");       // length byte, no characters
    EXPECT_EQ(cut(35).options.peerAddress(), "192.1");  // the characters that are there
    EXPECT_EQ(cut(45).options.peerAddress(), "192.168.100.200");

    Bytes longer = b;  // bytes after the address are not read
    longer.insert(longer.end(), {'x', 'y'});
    EXPECT_EQ(decoded(longer), full);
}

TEST(SettingsCodec, ValuesOutOfRangeAreBroughtBack) {
    Bytes b = defaultSettings().encoded();
    const Bytes negative = {0xff, 0xff, 0xff, 0xff};  // -1
    const Bytes huge = {0x10, 0x27, 0, 0};            // 10000
    std::copy(negative.begin(), negative.end(), b.begin());
    std::copy(huge.begin(), huge.end(), b.begin() + 4);
    b[8] = 1;
    b[9] = 84;
    b[10] = 255;
    b[11] = 85;
    b[12] = 170;
    b[18] = 2;    // hints
    b[20] = 255;  // Red's last-move frame
    b[21] = 0;
    b[22] = 6;  // level: none has that number
    b[23] = 7;  // style
    b[25] = 0;  // size code
    b[26] = 9;  // sound off
    Stored s = decoded(b);
    EXPECT_EQ(s.scores.blue(), 0);
    EXPECT_EQ(s.scores.red(), 9999);
    EXPECT_EQ(s.scores.results(), (Results{0, 0, 0, 85, 170, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s.options.get(Setting::Hints), 1);
    EXPECT_EQ(s.options.get(Setting::MarkRedMove), 1);
    EXPECT_EQ(s.options.get(Setting::MarkBlueMove), 0);
    EXPECT_EQ(s.options.level().number, 2);
    EXPECT_EQ(s.options.pieceStyle(), 1);
    EXPECT_EQ(s.options.sizeCode(), 1);
    EXPECT_EQ(s.options.get(Setting::SoundOff), 1);

    b[22] = 0;
    b[25] = 4;
    s = decoded(b);
    EXPECT_EQ(s.options.level().number, 2);
    EXPECT_EQ(s.options.sizeCode(), 1);
    b[22] = 1;
    b[25] = 255;
    s = decoded(b);
    EXPECT_EQ(s.options.level().number, 1);
    EXPECT_EQ(s.options.sizeCode(), 1);
}

TEST(SettingsCodec, TheStrongLevelsKeepTheirByte) {
    for (const std::uint8_t level : {4, 5}) {
        Stored src;
        src.options.set(Setting::Level, level);
        const Bytes b = src.encoded();
        EXPECT_EQ(b.size(), defaultSettings().encoded().size());
        EXPECT_EQ(b[22], level);
        EXPECT_EQ(decoded(b).options.level().number, level);
    }
}

// Every setting once in the table: in file order, without gaps or overlaps,
// and an option's value set in the program stays within its range.
TEST(SettingsTable, CoversTheFixedPartOfTheFileOnce) {
    std::size_t next = 0;
    for (const SettingInfo& s : settingsTable()) {
        EXPECT_EQ(s.offset, next) << s.name;
        switch (s.kind) {
        case SettingKind::Score:
            next += 4;
            break;
        case SettingKind::Results:
            next += 10;
            break;
        default:
            next += 1;
        }
    }
    EXPECT_EQ(next, kSettingsFixedSize);
}

TEST(SettingsTable, OptionsStayInRangeAndCaptionsFollowTheirValue) {
    Options o;
    o.set(Setting::SizeCode, 9);
    EXPECT_EQ(o.sizeCode(), 1);
    for (int i = 0; i < 3; ++i)
        o.nextSize();
    EXPECT_EQ(o.sizeCode(), 1);  // 1 -> 2 -> 3 -> 1
    o.set(Setting::Level, 7);
    EXPECT_EQ(o.level().number, 2);
    o.set(Setting::Clocks, 0);
    o.flip(Setting::Clocks);
    EXPECT_TRUE(o.on(Setting::Clocks));
    EXPECT_STREQ(settingCaption(Setting::Clocks, 1), "Hide clocks");
    EXPECT_STREQ(settingCaption(Setting::SoundOff, 1), "Enable sound FX");
    EXPECT_STREQ(settingCaption(Setting::SoundOff, 0), "Disable sound FX");
    EXPECT_STREQ(settingCaption(Setting::Listen, 1), "Stop listen");
    EXPECT_STREQ(settingCaption(Setting::ChatBox, 0), "Show chat box");
}
