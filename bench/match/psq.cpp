#include "bench/match/psq.h"

namespace zelvan::match {

std::string psqRecord(int boardSize, const GameResult& game,
                      const std::array<std::string, 2>& commands) {
    const std::string n = std::to_string(boardSize);
    std::string out = "Piskvorky " + n + "x" + n + ", 11:11, 0\n";
    for (const TimedMove& m : game.moves)
        out += std::to_string(m.move.x + 1) + "," + std::to_string(m.move.y + 1) + "," +
               std::to_string(m.took.count() / 1000) + "\n";
    out += "-1\n" + commands[0] + "\n" + commands[1] + "\n";
    return out;
}

}  // namespace zelvan::match
