// Game record files and the statistics file: any bytes either read as a
// record the game can show, or are refused with a line; what reads is
// written back and reads back the same in both formats. The statistics
// file reads back the same after it is written again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "core/records/psq.h"
#include "core/records/recordformat.h"
#include "core/records/sgf.h"
#include "core/records/statistics.h"

using namespace zelvan::records;

namespace {

// What the review and the move list rely on.
void checkSound(const GameRecord& r) {
    FUZZ_CHECK(isPlayedBoardSize(r.boardSize));
    FUZZ_CHECK(r.moves.size() <= static_cast<std::size_t>(r.boardSize * r.boardSize));
    std::vector<bool> taken(static_cast<std::size_t>(r.boardSize * r.boardSize), false);
    for (const RecordedMove& m : r.moves) {
        FUZZ_CHECK(m.col >= 1 && m.col <= r.boardSize && m.row >= 1 && m.row <= r.boardSize);
        FUZZ_CHECK(m.ms >= 0);
        const auto at = static_cast<std::size_t>((m.col - 1) * r.boardSize + m.row - 1);
        FUZZ_CHECK(!taken[at]);
        taken[at] = true;
    }
}

void checkRead(const RecordOrRefusal& read) {
    FUZZ_CHECK(read.record.has_value() == read.refusal.empty());
    if (!read.record) {
        FUZZ_CHECK(read.refusal.find('\n') == std::string::npos);
        return;
    }
    const GameRecord& r = *read.record;
    checkSound(r);
    for (const RecordFormat f : {RecordFormat::Psq, RecordFormat::Sgf}) {
        const RecordOrRefusal back = readRecord(writeRecord(r, f));
        // SGF has no place for the mark of a game continued from a review.
        GameRecord expected = r;
        if (f == RecordFormat::Sgf) expected.continued = false;
        FUZZ_CHECK(back.record && *back.record == expected);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkRead(readPsq(bytes));
    checkRead(readSgf(bytes));
    checkRead(readRecord(bytes));

    if (const std::optional<Statistics> s = decodeStatistics(bytes)) {
        const std::string written = encodeStatistics(*s);
        FUZZ_CHECK(decodeStatistics(written) == s);
        FUZZ_CHECK(s->scores().size() <= Statistics::kChartGames);
    }
    return 0;
}
