#pragma once
// A game record and a recording host for the engine's tests, with helpers to
// lay out positions and read back what was drawn.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/engine/game.h"
#include "core/engine/rules.h"
#include "support/fakehost.h"

namespace zelvan::test {

using Cells = std::initializer_list<std::pair<int, int>>;

class EngineTest : public ::testing::Test {
protected:
    Game g;
    FakeHost h{&g};

    // A new board of the given size code with a game running and `blueFirst`
    // to move; the host's record starts empty.
    void startGame(int sizeCode = 1, bool blueFirst = true) {
        g.sizeCode = static_cast<std::uint8_t>(sizeCode);
        g.blueOpens = blueFirst ? 0 : 1;  // init flips it
        init(g, h);
        g.gameRunning = 1;
        g.winner = kNone;
        g.busy = 0;
        g.moveCount = 0;
        h.clear();
    }

    // Puts pieces straight into the record, counted as placed.
    void put(std::uint8_t colour, Cells cells) {
        for (auto [c, r] : cells) {
            g.cells[cellIndex(c, r)] = colour;
            ++g.moveCount;
        }
    }

    // Pixel at the centre of a cell, for board clicks.
    int centre(int c) const { return (c - 1) * (g.cellPitch + 1) + 1 + g.cellPitch / 2; }
    void click(int c, int r, MouseButton b = MouseButton::Left) {
        boardClick(g, h, b, centre(c), centre(r));
    }

    // The drawPiece calls recorded so far with the given look, in order.
    std::vector<std::string> drawn(bool highlighted) const {
        std::vector<std::string> out;
        const std::string tail = highlighted ? " h" : " n";
        for (const auto& c : h.calls)
            if (c.rfind("drawPiece ", 0) == 0 && c.ends_with(tail)) out.push_back(c);
        return out;
    }

    // "drawPiece B 3 4 h" for each cell, in the given order.
    static std::vector<std::string> pieces(char side, Cells cells, bool highlighted) {
        std::vector<std::string> out;
        for (auto [c, r] : cells)
            out.push_back(std::string("drawPiece ") + side + " " + std::to_string(c) + " " +
                          std::to_string(r) + (highlighted ? " h" : " n"));
        return out;
    }

    static std::vector<std::string> repeat(const std::vector<std::string>& v, int times) {
        std::vector<std::string> out;
        for (int i = 0; i < times; ++i)
            out.insert(out.end(), v.begin(), v.end());
        return out;
    }
};

}  // namespace zelvan::test
