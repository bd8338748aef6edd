#include "core/gomocup/session.h"

#include <algorithm>
#include <utility>

#include "core/gomocup/fields.h"

namespace zelvan::gomocup {

namespace {

using Lines = std::vector<std::string>;

Lines error(const std::string& text) {
    return {"ERROR " + text};
}

std::string wire(Point p) {
    return std::to_string(p.col - 1) + "," + std::to_string(p.row - 1);
}

// The rule bits managers send: 1 exactly five, 2 continuous game, 4 renju.
// Only freestyle (no bit set) is played.
constexpr std::int64_t kFreestyle = 0;

}  // namespace

BrainSession::BrainSession(BrainPlayer& player, std::string about)
    : player_(player), about_(std::move(about)) {}

Lines BrainSession::handle(std::string_view line) {
    line = trimmed(line);
    if (line.empty() || ended_) return {};
    const std::size_t space = line.find_first_of(" \t");
    const std::string word = upperCase(line.substr(0, space));
    const std::string_view rest =
        space == std::string_view::npos ? std::string_view{} : trimmed(line.substr(space));
    if (readingBoard_) {
        if (word == "END") return command(word, rest);
        if (word == "DONE" && rest.empty()) return done();
        return boardLine(line);
    }
    return command(word, rest);
}

Lines BrainSession::command(std::string_view word, std::string_view rest) {
    if (word == "END") {
        ended_ = true;
        return {};
    }
    if (word == "ABOUT") return {about_};
    if (word == "INFO") return info(rest);
    if (word == "START") return start(rest);
    if (word == "RECTSTART") {
        const auto sides = commaFields(rest);
        if (sides.size() != 2 || decimal(sides[0]) != decimal(sides[1]))
            return error("only square boards are played");
        return start(sides[0]);
    }
    if (word == "BOARD") {
        // The stones follow whether a game has started or not: read them
        // all, so none of them is taken for a command.
        readingBoard_ = true;
        boardStones_.clear();
        return {};
    }
    const bool known = word == "RESTART" || word == "BEGIN" || word == "TURN" ||
                       word == "TAKEBACK" || word == "DONE";
    if (!known) return {"UNKNOWN command " + quoted(word)};
    if (size_ == 0) return error("no game: START comes first");
    if (word == "RESTART") {
        newBoard(size_);
        return {"OK"};
    }
    if (word == "BEGIN") return begin();
    if (word == "TURN") return turn(rest);
    if (word == "TAKEBACK") return takeBack(rest);
    return error("DONE without BOARD");
}

Lines BrainSession::start(std::string_view sizeText) {
    const auto size = decimal(sizeText);
    if (!size) return error("START needs the board size, a number");
    if (*size < kSmallestBoard || *size > player_.largestBoard())
        return error("unsupported board size " + std::to_string(*size) + ": " +
                     std::to_string(kSmallestBoard) + " to " +
                     std::to_string(player_.largestBoard()) + " cells a side");
    newBoard(static_cast<int>(*size));
    return {"OK"};
}

void BrainSession::newBoard(int size) {
    size_ = size;
    cells_.assign(static_cast<std::size_t>(size) * size, 0);
    stones_.clear();
    player_.newGame(size);
}

Lines BrainSession::begin() {
    if (!stones_.empty()) return error("BEGIN needs an empty board");
    player_.setOpener(Side::Own);
    return answerMove();
}

Lines BrainSession::turn(std::string_view where) {
    std::string problem;
    const Point p = readPoint(where, problem);
    if (!p.valid()) return error(problem);
    if (cell(p) != 0) return error(quoted(where) + " is taken");
    if (stones_.empty()) player_.setOpener(Side::Opponent);
    place(p, Side::Opponent);
    return answerMove();
}

Lines BrainSession::boardLine(std::string_view line) {
    const auto fields = commaFields(line);
    const auto who = fields.size() == 3 ? decimal(fields[2]) : std::nullopt;
    if (who != 1 && who != 2)
        return error("board line " + quoted(line) + ": expected x,y,1 or x,y,2");
    if (size_ == 0) return {};  // answered once, at DONE
    std::string problem;
    const Point p = readPoint(line.substr(0, line.rfind(',')), problem);
    if (!p.valid()) return error(problem);
    for (const Stone& s : boardStones_)
        if (s.at == p) return error("board line " + quoted(line) + ": that cell is given twice");
    boardStones_.push_back({p, who == 1 ? Side::Own : Side::Opponent});
    return {};
}

Lines BrainSession::done() {
    readingBoard_ = false;
    if (size_ == 0) return error("no game: START comes first");
    // The position given replaces the one held: take every stone back, then
    // place the new ones alternately from the side that moved first (the
    // one with more stones, or this side when both have as many), which is
    // the order in which the game could have been played.
    clearStones();
    std::vector<Point> own;
    std::vector<Point> opponent;
    for (const Stone& s : boardStones_)
        (s.side == Side::Own ? own : opponent).push_back(s.at);
    const Side opener = opponent.size() > own.size() ? Side::Opponent : Side::Own;
    player_.setOpener(opener);
    std::vector<Point>& first = opener == Side::Own ? own : opponent;
    std::vector<Point>& second = opener == Side::Own ? opponent : own;
    const Side other = opener == Side::Own ? Side::Opponent : Side::Own;
    for (std::size_t k = 0; k < std::max(first.size(), second.size()); ++k) {
        if (k < first.size()) place(first[k], opener);
        if (k < second.size()) place(second[k], other);
    }
    boardStones_.clear();
    return answerMove();
}

Lines BrainSession::takeBack(std::string_view where) {
    std::string problem;
    const Point p = readPoint(where, problem);
    if (!p.valid()) return error(problem);
    if (cell(p) == 0) return error("no stone at " + quoted(where));
    cell(p) = 0;
    std::erase_if(stones_, [&](const Stone& s) { return s.at == p; });
    player_.takeBack(p);
    return {"OK"};
}

Lines BrainSession::info(std::string_view rest) {
    const std::size_t space = rest.find_first_of(" \t");
    const std::string key(rest.substr(0, space));
    const std::string_view valueText =
        space == std::string_view::npos ? std::string_view{} : trimmed(rest.substr(space));
    const bool numeric = key == "timeout_turn" || key == "timeout_match" || key == "time_left" ||
                         key == "max_memory" || key == "rule";
    if (!numeric) return {};  // game_type, evaluate, folder and the like change nothing here
    const auto value = decimal(valueText);
    if (!value || (key != "time_left" && *value < 0))
        return error("INFO " + key + " needs a number, not " + quoted(valueText));
    if (key == "timeout_turn") clock_.turnLimit = *value;
    if (key == "timeout_match") clock_.matchLimit = *value;
    if (key == "time_left") clock_.timeLeft = *value;
    if (key == "max_memory") player_.setMemoryLimit(static_cast<std::size_t>(*value));
    if (key == "rule" && *value != kFreestyle)
        return error("rule " + std::to_string(*value) +
                     " is not played: freestyle goes on, five or more in a row wins");
    return {};
}

Point BrainSession::readPoint(std::string_view text, std::string& problem) const {
    const auto fields = commaFields(text);
    const auto x = fields.size() == 2 ? decimal(fields[0]) : std::nullopt;
    const auto y = fields.size() == 2 ? decimal(fields[1]) : std::nullopt;
    if (!x || !y) {
        problem = "expected x,y, not " + quoted(text);
        return {};
    }
    if (*x < 0 || *y < 0 || *x >= size_ || *y >= size_) {
        problem = quoted(text) + " is off the " + std::to_string(size_) + "x" +
                  std::to_string(size_) + " board";
        return {};
    }
    return {static_cast<int>(*x) + 1, static_cast<int>(*y) + 1};
}

void BrainSession::place(Point p, Side side) {
    cell(p) = 1 + static_cast<int>(side);
    stones_.push_back({p, side});
    player_.place(p, side);
}

void BrainSession::clearStones() {
    for (auto s = stones_.rbegin(); s != stones_.rend(); ++s) {
        cell(s->at) = 0;
        player_.takeBack(s->at);
    }
    stones_.clear();
}

Lines BrainSession::answerMove() {
    if (stones_.size() == cells_.size()) return error("the board is full");
    const Point p = player_.choose(clock_);
    if (!p.valid() || p.col > size_ || p.row > size_ || cell(p) != 0) return error("no move found");
    place(p, Side::Own);
    return {wire(p)};
}

}  // namespace zelvan::gomocup
