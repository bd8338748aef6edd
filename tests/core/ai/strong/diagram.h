#pragma once
// Positions for the strong engine's tests, drawn as rows of text: 'X' a
// stone of the side that moved first, 'O' of the other, '.' an empty cell;
// spaces are ignored. The drawing's top-left cell lands on (col, row).

#include <initializer_list>
#include <string_view>

#include "core/ai/strong/engine.h"
#include "core/ai/strong/position.h"

namespace zelvan::strong::test {

inline constexpr int X = 0;  // sides as the position counts them
inline constexpr int O = 1;

inline int at(int col, int row) {
    return Position::index(col, row);
}

template <typename PlaceFn>
void drawRows(std::initializer_list<std::string_view> rows, int col, int row, PlaceFn place) {
    int r = row;
    for (std::string_view line : rows) {
        int c = col;
        for (char ch : line) {
            if (ch == ' ') continue;
            if (ch == 'X' || ch == 'O') place(c, r, ch == 'X' ? X : O);
            ++c;
        }
        ++r;
    }
}

inline void draw(Position& pos, int size, std::initializer_list<std::string_view> rows, int col = 1,
                 int row = 1) {
    pos.reset(size);
    drawRows(rows, col, row, [&](int c, int r, int side) { pos.place(at(c, r), side); });
}

inline void draw(Engine& engine, int size, std::initializer_list<std::string_view> rows,
                 int col = 1, int row = 1) {
    engine.newGame(size);
    drawRows(rows, col, row, [&](int c, int r, int side) {
        engine.place({c, r}, side == X ? Stone::First : Stone::Second);
    });
}

}  // namespace zelvan::strong::test
