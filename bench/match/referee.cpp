#include "bench/match/referee.h"

#include "core/gomocup/fields.h"

namespace zelvan::match {

Referee::Referee(int size)
    : size_(size), cells_(static_cast<std::size_t>(size) * size, Colour::None) {}

Colour Referee::at(Move m) const {
    return inside(m) ? cells_[m.y * size_ + m.x] : Colour::None;
}

int Referee::runThrough(Move m, int dx, int dy, Colour c) const {
    int run = 1;
    for (int sign : {-1, 1})
        for (Move p{m.x + sign * dx, m.y + sign * dy}; at(p) == c;
             p = {p.x + sign * dx, p.y + sign * dy})
            ++run;
    return run;
}

Verdict Referee::play(Move m, Colour c) {
    if (!inside(m) || at(m) != Colour::None || c == Colour::None) return Verdict::Illegal;
    cells_[m.y * size_ + m.x] = c;
    ++stones_;
    // Only the new stone can have made a five, and only in its own colour.
    for (const auto& [dx, dy] : {std::pair{1, 0}, {0, 1}, {1, 1}, {1, -1}})
        if (runThrough(m, dx, dy, c) >= 5) return Verdict::Five;
    return stones_ == size_ * size_ ? Verdict::FullBoard : Verdict::Continue;
}

Answer readAnswer(std::string_view line) {
    line = gomocup::trimmed(line);
    if (line.empty()) return {Answer::Kind::Note, {}};  // managers ignore empty lines
    const std::string word = gomocup::upperCase(line.substr(0, line.find(' ')));
    for (const char* note : {"MESSAGE", "DEBUG", "ERROR", "UNKNOWN", "SUGGEST", "OK"})
        if (word == note) return {Answer::Kind::Note, {}};
    const auto fields = gomocup::commaFields(line);
    const auto x = fields.size() == 2 ? gomocup::decimal(fields[0]) : std::nullopt;
    const auto y = fields.size() == 2 ? gomocup::decimal(fields[1]) : std::nullopt;
    // Out-of-range numbers still make a move, which the referee then finds
    // illegal; only numbers too large for an int are garbled.
    constexpr std::int64_t kLimit = 1 << 20;
    if (!x || !y || *x < -kLimit || *x > kLimit || *y < -kLimit || *y > kLimit) return {};
    return {Answer::Kind::Move, {static_cast<int>(*x), static_cast<int>(*y)}};
}

}  // namespace zelvan::match
