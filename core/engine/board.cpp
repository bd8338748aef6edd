#include "core/engine/board.h"

namespace zelvan {

namespace {
constexpr BoardGeometry kGeometries[] = {
    {1, 15, 36, 556, 222, 21},
    {2, 20, 27, 561, 220, 19},
    {3, 30, 18, 571, 215, 14},
};
}  // namespace

const BoardGeometry* geometryForSizeCode(int sizeCode) {
    for (const auto& g : kGeometries)
        if (g.sizeCode == sizeCode) return &g;
    return nullptr;
}

const BoardGeometry* geometryForBoardSize(int boardSize) {
    for (const auto& g : kGeometries)
        if (g.boardSize == boardSize) return &g;
    return nullptr;
}

}  // namespace zelvan
