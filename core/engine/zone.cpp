#include "core/engine/zone.h"

namespace zelvan {

void markZone(Game& g, int col, int row) {
    for (int dc = -4; dc <= 4; ++dc)
        for (int dr = -4; dr <= 4; ++dr)
            if (g.onBoard(col + dc, row + dr)) g.zone[cellIndex(col + dc, row + dr)] = kZoneMark;
}

}  // namespace zelvan
