#include "core/engine/undo.h"

namespace zelvan {

std::size_t movesToTakeBack(const std::vector<PlayedMove>& m, bool redIsHuman) {
    if (redIsHuman) return m.empty() ? 0 : 1;
    std::size_t n = 0;
    while (n < m.size() && m[m.size() - 1 - n].source == PieceSource::Computer)
        ++n;
    return n < m.size() ? n + 1 : 0;
}

}  // namespace zelvan
