#include "core/ai/strong/position.h"

#include <algorithm>

namespace zelvan::strong {

namespace {

std::uint64_t splitMix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

struct ZobristTable {
    std::array<std::array<std::uint64_t, Position::kCells>, 2> keys{};
    ZobristTable() {
        std::uint64_t seed = 0x5A17A2C0FFEEull;
        for (auto& side : keys)
            for (auto& k : side)
                k = splitMix(seed++);
    }
};

const ZobristTable& zobrist() {
    static const ZobristTable table;
    return table;
}

}  // namespace

std::uint64_t zobristKey(int cell, int side) {
    return zobrist().keys[side][cell];
}

Position::Position() : tables_(patternTables()) {
    reset(15);
}

void Position::reset(int size) {
    size_ = std::clamp(size, 5, kMaxSize);
    stones_ = 0;
    hash_ = 0;
    stone_.fill(kWall);
    for (int row = 1; row <= size_; ++row)
        for (int col = 1; col <= size_; ++col)
            stone_[index(col, row)] = kEmpty;
    near_.fill(0);
    candidates_.clear();
    candidateSlot_.fill(-1);
    threatCount_ = {};
    totalScore_ = {};
    for (int cell = 0; cell < kCells; ++cell) {
        key_[cell] = {};
        if (stone_[cell] != kEmpty) continue;
        for (int dir = 0; dir < 4; ++dir) {
            std::uint16_t key = 0;
            for (int offset = -4; offset <= 4; ++offset) {
                if (offset == 0) continue;
                const int code = stone_[cell + offset * kDirection[dir]];
                key = static_cast<std::uint16_t>(key | (code << (2 * keySlot(offset))));
            }
            key_[cell][dir] = key;
        }
        for (int side = 0; side < 2; ++side) {
            for (int dir = 0; dir < 4; ++dir)
                pattern_[cell][side][dir] = tables_.line[side][key_[cell][dir]];
            const auto& p = pattern_[cell][side];
            value_[cell][side] = tables_.combo[comboIndex(p[0], p[1], p[2], p[3])];
        }
        account(cell, +1);
    }
}

void Position::place(int cell, int side) {
    account(cell, -1);  // no longer an empty cell
    setCode(cell, stoneCode(side));
    hash_ ^= zobristKey(cell, side);
    ++stones_;
    dropCandidate(cell);
    markNear(cell, +1);
}

void Position::remove(int cell) {
    const int side = stone_[cell] - 1;
    setCode(cell, kEmpty);
    hash_ ^= zobristKey(cell, side);
    --stones_;
    // Its neighbours' lines never changed while it was occupied.
    for (int s = 0; s < 2; ++s) {
        for (int dir = 0; dir < 4; ++dir)
            pattern_[cell][s][dir] = tables_.line[s][key_[cell][dir]];
        const auto& p = pattern_[cell][s];
        value_[cell][s] = tables_.combo[comboIndex(p[0], p[1], p[2], p[3])];
    }
    account(cell, +1);
    markNear(cell, -1);
}

void Position::setCode(int cell, std::uint8_t code) {
    stone_[cell] = code;
    for (int dir = 0; dir < 4; ++dir) {
        for (int step = -4; step <= 4; ++step) {
            if (step == 0) continue;
            const int other = cell + step * kDirection[dir];
            if (stone_[other] == kWall) continue;
            const int shift = 2 * keySlot(-step);
            key_[other][dir] =
                static_cast<std::uint16_t>((key_[other][dir] & ~(3u << shift)) | (code << shift));
            if (stone_[other] == kEmpty) refreshLine(other, dir);
        }
    }
}

void Position::refreshLine(int cell, int dir) {
    const std::uint16_t key = key_[cell][dir];
    for (int side = 0; side < 2; ++side) {
        const Pattern p = tables_.line[side][key];
        if (pattern_[cell][side][dir] == p) continue;
        pattern_[cell][side][dir] = p;
        const auto& lines = pattern_[cell][side];
        const CellValue next = tables_.combo[comboIndex(lines[0], lines[1], lines[2], lines[3])];
        CellValue& v = value_[cell][side];
        --threatCount_[side][v.threat];
        ++threatCount_[side][next.threat];
        totalScore_[side] += next.score - v.score;
        v = next;
    }
}

void Position::account(int cell, int sign) {
    for (int side = 0; side < 2; ++side) {
        threatCount_[side][value_[cell][side].threat] += sign;
        totalScore_[side] += sign * value_[cell][side].score;
    }
}

void Position::markNear(int cell, int delta) {
    for (int dr = -2; dr <= 2; ++dr) {
        for (int dc = -2; dc <= 2; ++dc) {
            const int other = cell + dr * kStride + dc;
            if (stone_[other] == kWall) continue;
            near_[other] = static_cast<std::uint8_t>(near_[other] + delta);
            if (stone_[other] != kEmpty) continue;
            if (near_[other] > 0)
                addCandidate(other);
            else
                dropCandidate(other);
        }
    }
}

void Position::addCandidate(int cell) {
    if (candidateSlot_[cell] >= 0) return;
    candidateSlot_[cell] = static_cast<std::int16_t>(candidates_.size());
    candidates_.push_back(cell);
}

void Position::dropCandidate(int cell) {
    const int slot = candidateSlot_[cell];
    if (slot < 0) return;
    const int last = candidates_.back();
    candidates_[slot] = last;
    candidateSlot_[last] = static_cast<std::int16_t>(slot);
    candidates_.pop_back();
    candidateSlot_[cell] = -1;
}

int Position::findThreat(int side, Threat t) const {
    if (threatCount_[side][t] == 0) return -1;
    int found = -1;
    for (int cell : candidates_)
        if (value_[cell][side].threat == t && (found < 0 || cell < found)) found = cell;
    return found;
}

}  // namespace zelvan::strong
