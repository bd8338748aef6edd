#pragma once
// The transposition table: positions already searched, keyed by their
// Zobrist hash. Buckets of two entries: one keeps the deepest result, the
// other the latest. Entries from earlier thinks give way to new ones.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelvan::strong {

enum class Bound : std::uint8_t { None, Upper, Lower, Exact };

struct TableEntry {
    std::uint64_t key = 0;
    std::int16_t score = 0;
    std::int16_t move = -1;
    std::int8_t depth = -1;
    Bound bound = Bound::None;
    std::uint8_t age = 0;  // the think that stored it
};

class TranspositionTable {
public:
    explicit TranspositionTable(std::size_t bytes);  // at most this many bytes

    void clear();
    void nextAge() { ++age_; }  // a new think: older entries give way first
    // The entry for `key`, or nullptr.
    const TableEntry* probe(std::uint64_t key) const;
    void store(std::uint64_t key, int depth, int score, Bound bound, int move);
    std::size_t bytes() const { return entries_.size() * sizeof(TableEntry); }

private:
    std::vector<TableEntry> entries_;  // bucket i: entries 2i (deepest) and 2i+1 (latest)
    std::size_t bucketMask_ = 0;
    std::uint8_t age_ = 0;
};

}  // namespace zelvan::strong
