// The settings file's bytes: any file, damaged or foreign, decodes to a
// record the program can run with, and what the program writes back reads
// back as the same record.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "check.h"
#include "core/engine/game.h"
#include "core/settings/settingscodec.h"

using namespace zelvan;

namespace {

// A record unlike the defaults in every stored field, to see which fields a
// file leaves alone.
Game otherBase() {
    Game g;
    setDefaults(g);
    g.scoreBlue = 7;
    g.scoreRed = 9000;
    g.resultHistory.fill(kRed);
    g.hintsOn = g.clocksOn = g.markRedMove = g.markBlueMove = 0;
    g.computerLevel = 3;
    g.pieceStyle = 0;
    g.redIsHuman = 1;
    g.sizeCode = 3;
    g.soundOff = 1;
    g.listenOn = 0;
    g.chatBoxOn = 1;
    g.peerAddress = "10.9.8.7";
    return g;
}

bool isFlag(std::uint8_t v) {
    return v == 0 || v == 1;
}

void checkInRange(const Game& g) {
    FUZZ_CHECK(g.scoreBlue >= 0 && g.scoreBlue <= 9999);
    FUZZ_CHECK(g.scoreRed >= 0 && g.scoreRed <= 9999);
    for (const std::uint8_t h : g.resultHistory)
        FUZZ_CHECK(h == kNone || h == kBlue || h == kRed);
    FUZZ_CHECK(isFlag(g.hintsOn) && isFlag(g.clocksOn) && isFlag(g.markRedMove) &&
               isFlag(g.markBlueMove) && isFlag(g.pieceStyle) && isFlag(g.redIsHuman) &&
               isFlag(g.soundOff) && isFlag(g.listenOn) && isFlag(g.chatBoxOn));
    FUZZ_CHECK(g.computerLevel >= 1 && g.computerLevel <= 3);
    FUZZ_CHECK(g.sizeCode >= 1 && g.sizeCode <= 3);
    FUZZ_CHECK(g.peerAddress.size() <= 255);
}

// Whether the fixed part of a file holds only values the program writes,
// read straight from the bytes.
bool onlyWrittenValues(const std::uint8_t* d) {
    for (const std::size_t at : {0u, 4u}) {
        const std::uint32_t u =
            d[at] | d[at + 1] << 8 | d[at + 2] << 16 | std::uint32_t(d[at + 3]) << 24;
        if (u > 9999) return false;
    }
    for (std::size_t at = 8; at < 18; ++at)
        if (d[at] != kNone && d[at] != kBlue && d[at] != kRed) return false;
    for (const std::size_t at : {18u, 19u, 20u, 21u, 23u, 24u, 26u, 27u, 28u})
        if (!isFlag(d[at])) return false;
    for (const std::size_t at : {22u, 25u})
        if (d[at] < 1 || d[at] > 3) return false;
    return true;
}

// The stored fields of two records, compared.
bool sameStored(const Game& a, const Game& b) {
    return a.scoreBlue == b.scoreBlue && a.scoreRed == b.scoreRed &&
           a.resultHistory == b.resultHistory && a.hintsOn == b.hintsOn &&
           a.clocksOn == b.clocksOn && a.markRedMove == b.markRedMove &&
           a.markBlueMove == b.markBlueMove && a.computerLevel == b.computerLevel &&
           a.pieceStyle == b.pieceStyle && a.pieceStyleChoice == b.pieceStyleChoice &&
           a.redIsHuman == b.redIsHuman && a.sizeCode == b.sizeCode && a.soundOff == b.soundOff &&
           a.listenOn == b.listenOn && a.chatBoxOn == b.chatBoxOn && a.peerAddress == b.peerAddress;
}

// Start-up's reading of a file: defaults first, then the file over them.
Game load(const std::vector<std::uint8_t>& bytes, Game g) {
    decodeSettings(bytes.data(), bytes.size(), g);
    adoptLoadedStyle(g);
    return g;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> file(data, data + size);
    Game defaults;
    setDefaults(defaults);

    const Game loaded = load(file, defaults);
    checkInRange(loaded);

    // A complete file decides every stored field, whatever was there before.
    const bool complete =
        size >= kSettingsFixedSize && size >= kSettingsFixedSize + data[kSettingsFixedSize - 1];
    if (complete) FUZZ_CHECK(sameStored(loaded, load(file, otherBase())));

    // What is written back is a complete file that reads back unchanged, and
    // writing that again gives the same bytes.
    const std::vector<std::uint8_t> written = encodeSettings(loaded);
    FUZZ_CHECK(written.size() >= kSettingsFixedSize && written.size() <= kSettingsMaxSize);
    FUZZ_CHECK(written.size() == kSettingsFixedSize + written[kSettingsFixedSize - 1]);
    const Game reloaded = load(written, otherBase());
    FUZZ_CHECK(sameStored(loaded, reloaded));
    FUZZ_CHECK(encodeSettings(reloaded) == written);

    // A complete file that holds only values the program writes is written
    // back byte for byte (what follows its address is not part of it).
    if (complete && onlyWrittenValues(data)) {
        const std::vector<std::uint8_t> own(file.begin(), file.begin() + written.size());
        FUZZ_CHECK(own == written);
    }
    return 0;
}
