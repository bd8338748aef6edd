#pragma once
// Random numbers from a fixed list, for tests that replay the computer's
// choices: each value reduced below the bound asked for, 0 once the list has
// run out.

#include <cstdint>
#include <deque>

#include "core/ai/randomsource.h"

namespace zelvan::test {

inline std::uint32_t nextBelow(std::deque<std::uint32_t>& values, std::uint32_t n) {
    std::uint32_t v = 0;
    if (!values.empty()) {
        v = values.front();
        values.pop_front();
    }
    return n ? v % n : 0;
}

struct ListRandom final : RandomSource {
    std::deque<std::uint32_t> values;
    int draws = 0;
    std::uint32_t below(std::uint32_t n) override {
        ++draws;
        return nextBelow(values, n);
    }
};

}  // namespace zelvan::test
