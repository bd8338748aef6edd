#include "core/ai/strong/transposition.h"

#include <algorithm>
#include <bit>

namespace zelvan::strong {

TranspositionTable::TranspositionTable(std::size_t bytes) {
    const std::size_t buckets =
        std::bit_floor(std::max<std::size_t>(bytes / (2 * sizeof(TableEntry)), 1));
    entries_.assign(2 * buckets, {});
    bucketMask_ = buckets - 1;
}

void TranspositionTable::clear() {
    std::fill(entries_.begin(), entries_.end(), TableEntry{});
}

const TableEntry* TranspositionTable::probe(std::uint64_t key) const {
    const std::size_t base = 2 * (key & bucketMask_);
    for (std::size_t i = base; i < base + 2; ++i)
        if (entries_[i].key == key && entries_[i].bound != Bound::None) return &entries_[i];
    return nullptr;
}

void TranspositionTable::store(std::uint64_t key, int depth, int score, Bound bound, int move) {
    const std::size_t base = 2 * (key & bucketMask_);
    TableEntry& deepest = entries_[base];
    TableEntry& latest = entries_[base + 1];
    const TableEntry entry{key,
                           static_cast<std::int16_t>(score),
                           static_cast<std::int16_t>(move),
                           static_cast<std::int8_t>(std::clamp(depth, -1, 127)),
                           bound,
                           age_};
    if (deepest.key == key || depth >= deepest.depth || deepest.age != age_) {
        // Keep the move of a shallower search of the same position if this one has none.
        if (entry.move < 0 && deepest.key == key) {
            TableEntry kept = entry;
            kept.move = deepest.move;
            deepest = kept;
        } else {
            if (deepest.key != key && deepest.bound != Bound::None) latest = deepest;
            deepest = entry;
        }
    } else {
        latest = entry;
    }
}

}  // namespace zelvan::strong
