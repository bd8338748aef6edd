// The brain program's protocol: any lines, in any order, are answered
// without a crash, a hang or a bad line, and the player behind it is only
// ever given legal stones. Every answer is OK, an ERROR or UNKNOWN line, the
// ABOUT line, or a move: the stone the session has just placed for its own
// side. The game's computer plays behind it at the level the first byte
// picks.

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "check.h"
#include "core/gomocup/classicplayer.h"
#include "core/gomocup/fields.h"
#include "core/gomocup/seededrandom.h"
#include "core/gomocup/session.h"

using namespace zelvan::gomocup;

namespace {

constexpr std::string_view kAbout = "name=\"fuzz\"";

// Passes everything on to the game's computer, checking what the session
// tells it against a board of its own.
class CheckedPlayer final : public BrainPlayer {
public:
    CheckedPlayer(int level, zelvan::RandomSource& random) : inner_(level, random) {}

    int largestBoard() const override { return inner_.largestBoard(); }
    void newGame(int n) override {
        FUZZ_CHECK(n >= kSmallestBoard && n <= largestBoard());
        size_ = n;
        stones_.clear();
        inner_.newGame(n);
    }
    void setOpener(Side s) override {
        FUZZ_CHECK(stones_.empty());
        inner_.setOpener(s);
    }
    void place(Point p, Side s) override {
        FUZZ_CHECK(p.col >= 1 && p.row >= 1 && p.col <= size_ && p.row <= size_);
        FUZZ_CHECK(stones_.insert({p.col, p.row}).second);
        lastOwn_ = s == Side::Own ? p : Point{};
        inner_.place(p, s);
    }
    void takeBack(Point p) override {
        FUZZ_CHECK(stones_.erase({p.col, p.row}) == 1);
        inner_.takeBack(p);
    }
    Point choose(const ClockInfo& clock) override { return inner_.choose(clock); }
    void setMemoryLimit(std::size_t bytes) override { inner_.setMemoryLimit(bytes); }

    Point lastOwn() const { return lastOwn_; }

private:
    ClassicPlayer inner_;
    int size_ = 0;
    std::set<std::pair<int, int>> stones_;
    Point lastOwn_;
};

void checkAnswer(const std::string& line, const CheckedPlayer& player) {
    for (char c : line)
        FUZZ_CHECK(c >= ' ' && c <= '~');
    if (line == "OK" || line == kAbout || line.starts_with("ERROR ") ||
        line.starts_with("UNKNOWN "))
        return;
    const auto fields = commaFields(line);
    FUZZ_CHECK(fields.size() == 2);
    const auto x = decimal(fields[0]);
    const auto y = decimal(fields[1]);
    FUZZ_CHECK(x && y);
    FUZZ_CHECK(player.lastOwn() == (Point{static_cast<int>(*x) + 1, static_cast<int>(*y) + 1}));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    SeededRandom random(data[0]);
    CheckedPlayer player(1 + data[0] % 3, random);
    BrainSession session(player, std::string(kAbout));
    std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    while (!input.empty() && !session.ended()) {
        const std::size_t end = input.find('\n');
        const auto answers = session.handle(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
        FUZZ_CHECK(answers.size() <= 1);
        for (const std::string& a : answers)
            checkAnswer(a, player);
    }
    return 0;
}
