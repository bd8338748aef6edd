// The settings file's bytes: any file, damaged or foreign, decodes to a
// record the program can run with, and what the program writes back reads
// back as the same record.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "check.h"
#include "core/ai/level.h"
#include "core/engine/scores.h"
#include "core/settings/options.h"
#include "core/settings/settingscodec.h"

using namespace zelvan;

namespace {

// What the file holds: the options and the scores.
struct Stored {
    Options options;
    Scores scores;
    friend bool operator==(const Stored&, const Stored&) = default;
};

// Settings unlike the defaults in every stored field, to see which fields a
// file leaves alone.
Stored otherBase() {
    Stored s;
    s.scores.restore(7, 9000, {kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed});
    for (Setting flag : {Setting::Hints, Setting::Clocks, Setting::MarkRedMove,
                         Setting::MarkBlueMove, Setting::PieceStyle})
        s.options.set(flag, 0);
    for (Setting flag : {Setting::RedIsHuman, Setting::SoundOff, Setting::ChatBox})
        s.options.set(flag, 1);
    s.options.set(Setting::Listen, 0);
    s.options.set(Setting::Level, 3);
    s.options.set(Setting::SizeCode, 3);
    s.options.setPeerAddress("10.9.8.7");
    return s;
}

bool isFlag(std::uint8_t v) {
    return v == 0 || v == 1;
}

void checkInRange(const Stored& s) {
    FUZZ_CHECK(s.scores.blue() >= 0 && s.scores.blue() <= 9999);
    FUZZ_CHECK(s.scores.red() >= 0 && s.scores.red() <= 9999);
    for (const std::uint8_t h : s.scores.results())
        FUZZ_CHECK(h == kNone || h == kBlue || h == kRed);
    for (const SettingInfo& info : settingsTable()) {
        if (info.kind == SettingKind::Flag)
            FUZZ_CHECK(isFlag(std::uint8_t(s.options.get(info.id))));
    }
    FUZZ_CHECK(findLevel(s.options.get(Setting::Level)) != nullptr);
    FUZZ_CHECK(s.options.sizeCode() >= 1 && s.options.sizeCode() <= 3);
    FUZZ_CHECK(s.options.peerAddress().size() <= 255);
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
    if (!findLevel(d[22]) || d[25] < 1 || d[25] > 3) return false;
    return true;
}

// Start-up's reading of a file: defaults first, then the file over them.
Stored load(const std::vector<std::uint8_t>& bytes, Stored s) {
    decodeSettings(bytes.data(), bytes.size(), s.options, s.scores);
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> file(data, data + size);
    const Stored loaded = load(file, Stored{});
    checkInRange(loaded);

    // A complete file decides every stored field, whatever was there before.
    const bool complete =
        size >= kSettingsFixedSize && size >= kSettingsFixedSize + data[kSettingsFixedSize - 1];
    if (complete) FUZZ_CHECK(loaded == load(file, otherBase()));

    // What is written back is a complete file that reads back unchanged, and
    // writing that again gives the same bytes.
    const std::vector<std::uint8_t> written = encodeSettings(loaded.options, loaded.scores);
    FUZZ_CHECK(written.size() >= kSettingsFixedSize && written.size() <= kSettingsMaxSize);
    FUZZ_CHECK(written.size() == kSettingsFixedSize + written[kSettingsFixedSize - 1]);
    const Stored reloaded = load(written, otherBase());
    FUZZ_CHECK(loaded == reloaded);
    FUZZ_CHECK(encodeSettings(reloaded.options, reloaded.scores) == written);

    // A complete file that holds only values the program writes is written
    // back byte for byte (what follows its address is not part of it).
    if (complete && onlyWrittenValues(data)) {
        const std::vector<std::uint8_t> own(file.begin(), file.begin() + written.size());
        FUZZ_CHECK(own == written);
    }
    return 0;
}
