// zelvan-aiprobe: sets up positions and asks the computer player about them,
// one command a line on standard input, one answer line per query.
//
//   new N                        empty board of size N (15, 20 or 30)
//   put blue|red C R             a piece and its zone
//   stone blue|red C R           a piece, zone untouched
//   zone C R                     the zone around (C, R) only
//   eval blue|red C R            L1 L2 L3 L4 L5 for that colour at an empty cell
//   search simRedMove|simBlueAttack|simBlueBlock
//   search redAttack|redPlainAttack|redDefend CU RU [FCU FRU]
//                                C R (0 0 when none); bits 1 = ascending
//   firstreply                   C R
//   lookahead LEVEL              block P attack Q (Q is - when not run)
//   choose LEVEL PLAIN CU RU FCU FRU
//                                the computer's cell for the next move
//   five                         W bc1 br1 bc2 br2 rc1 rr1 rc2 rr2
//
// A line it cannot take is answered with "error: <reason>", and it goes on.

#include <charconv>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/ai/level.h"
#include "core/ai/linescanner.h"
#include "core/ai/lookahead.h"
#include "core/ai/movechoice.h"
#include "core/ai/searches.h"
#include "core/engine/checkfive.h"
#include "core/engine/position.h"

using namespace zelvan;

namespace {

struct ProbeError {
    std::string reason;
};

int toInt(const std::string& word) {
    int v = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, v);
    if (ec != std::errc{} || ptr != end) throw ProbeError{"not a number: " + word};
    return v;
}

bool toBit(const std::string& word) {
    if (word == "0") return false;
    if (word == "1") return true;
    throw ProbeError{"not a direction bit (0 or 1): " + word};
}

int toSide(const std::string& word) {
    if (word == "blue") return kBlueSide;
    if (word == "red") return kRedSide;
    throw ProbeError{"not a colour (blue or red): " + word};
}

// The look-ahead cycles of a stored level number; none for a number
// without a level.
int toCycles(const std::string& word) {
    const int level = toInt(word);
    if (level < 0 || level > 255) throw ProbeError{"level out of range 0..255: " + word};
    const Level* l = findLevel(level);
    return l ? l->lookAheadCycles : 0;
}

void expectArgs(const std::vector<std::string>& w, std::size_t count) {
    if (w.size() != count + 1)
        throw ProbeError{w[0] + " takes " + std::to_string(count) + " argument" +
                         (count == 1 ? "" : "s")};
}

Cell toCell(const Position& g, const std::string& col, const std::string& row) {
    const Cell c{toInt(col), toInt(row)};
    if (!g.onBoard(c.col, c.row)) throw ProbeError{"cell off the board: " + col + " " + row};
    return c;
}

std::string cellText(Cell c) {
    return std::to_string(c.col) + " " + std::to_string(c.row);
}

int piecesOnBoard(const Position& g) {
    int count = 0;
    for (int c = 1; c <= g.boardSize(); ++c)
        for (int r = 1; r <= g.boardSize(); ++r)
            count += g.cell(c, r) != kNone;
    return count;
}

std::string search(Position& g, const std::vector<std::string>& w) {
    if (w.size() < 2) throw ProbeError{"search needs a search name"};
    const std::string& name = w[1];
    if (name == "simRedMove" || name == "simBlueAttack" || name == "simBlueBlock") {
        expectArgs(w, 1);
        if (name == "simRedMove") return cellText(simRedMove(g));
        if (name == "simBlueAttack") return cellText(simBlueAttack(g));
        return cellText(simBlueBlock(g));
    }
    if (name != "redAttack" && name != "redPlainAttack" && name != "redDefend")
        throw ProbeError{"unknown search: " + name};
    if (w.size() != 4 && w.size() != 6)
        throw ProbeError{name + " takes CU RU and optionally FCU FRU"};
    const ScanOrder main{toBit(w[2]), toBit(w[3])};
    const ScanOrder fallback = w.size() == 6 ? ScanOrder{toBit(w[4]), toBit(w[5])} : main;
    FixedScanDraw draw(main, fallback);
    if (name == "redAttack") return cellText(redAttack(g, draw));
    if (name == "redPlainAttack") return cellText(redPlainAttack(g, draw));
    return cellText(redDefend(g, draw));
}

std::string lookahead(const Position& g, const std::vector<std::string>& w) {
    expectArgs(w, 1);
    const int cycles = toCycles(w[1]);
    Position work = g;
    const bool block = simulateBlock(work, cycles);
    std::string attack = "-";
    if (block) {
        work = g;
        attack = simulateAttack(work, cycles) ? "1" : "0";
    }
    return std::string("block ") + (block ? "1" : "0") + " attack " + attack;
}

std::string choose(Position& g, const std::vector<std::string>& w) {
    expectArgs(w, 6);
    const MoveStyle style{piecesOnBoard(g) + 1, toCycles(w[1]), toBit(w[2])};
    FixedScanDraw draw({toBit(w[3]), toBit(w[4])}, {toBit(w[5]), toBit(w[6])});
    return cellText(chooseMove(g, style, draw));
}

std::string five(const Position& g) {
    const FiveScan s = scanFive(g);
    std::ostringstream out;
    out << int{s.winner};
    for (int v : s.blueLine)
        out << ' ' << v;
    for (int v : s.redLine)
        out << ' ' << v;
    return out.str();
}

// Runs one command; returns the answer line, or nothing for a command that
// only changes the position.
std::string run(Position& g, const std::vector<std::string>& w) {
    const std::string& cmd = w[0];
    if (cmd == "new") {
        expectArgs(w, 1);
        const int n = toInt(w[1]);
        if (n != 15 && n != 20 && n != 30) throw ProbeError{"board size must be 15, 20 or 30"};
        g = Position(n);
        return {};
    }
    if (cmd == "put" || cmd == "stone") {
        expectArgs(w, 3);
        const int side = toSide(w[1]);
        const Cell c = toCell(g, w[2], w[3]);
        g.setCell(c.col, c.row, colourCode(side));
        if (cmd == "put") g.markZone(c.col, c.row);
        return {};
    }
    if (cmd == "zone") {
        expectArgs(w, 2);
        const Cell c = toCell(g, w[1], w[2]);
        g.markZone(c.col, c.row);
        return {};
    }
    if (cmd == "eval") {
        expectArgs(w, 3);
        const int side = toSide(w[1]);
        const Cell c = toCell(g, w[2], w[3]);
        if (g.cell(c.col, c.row) != kNone) throw ProbeError{"cell not empty"};
        const LineCounts l = evalCell(g, side, c.col, c.row);
        return std::to_string(l[1]) + " " + std::to_string(l[2]) + " " + std::to_string(l[3]) +
               " " + std::to_string(l[4]) + " " + std::to_string(l[5]);
    }
    if (cmd == "search") return search(g, w);
    if (cmd == "firstreply") {
        expectArgs(w, 0);
        return cellText(firstReply(g));
    }
    if (cmd == "lookahead") return lookahead(g, w);
    if (cmd == "choose") return choose(g, w);
    if (cmd == "five") {
        expectArgs(w, 0);
        return five(g);
    }
    throw ProbeError{"unknown command: " + cmd};
}

}  // namespace

int main() {
    Position g(15);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;)
            w.push_back(word);
        if (w.empty()) continue;
        std::string answer;
        try {
            answer = run(g, w);
        } catch (const ProbeError& e) {
            answer = "error: " + e.reason;
        }
        if (!answer.empty()) std::cout << answer << '\n' << std::flush;
    }
    return 0;
}
