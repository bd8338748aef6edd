#include "core/records/sgf.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zelvan::records {

namespace {

constexpr int kMaxMs = 999'999'999;
constexpr int kMovesPerLine = 10;

struct Property {
    std::string ident;
    std::vector<std::string> values;
};
using Node = std::vector<Property>;

const Property* find(const Node& node, std::string_view ident) {
    for (const Property& p : node)
        if (p.ident == ident) return &p;
    return nullptr;
}

std::string firstValue(const Node& node, std::string_view ident) {
    const Property* p = find(node, ident);
    return p && !p->values.empty() ? p->values.front() : std::string();
}

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool isLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads the main line of the first game in a file: the nodes of the first
// sequence, then of each first variation, up to the first closing bracket.
// Iterative, so no nesting depth can exhaust the stack.
class MainLineReader {
public:
    explicit MainLineReader(std::string_view text) : s_(text) {}

    // The nodes, or nullopt with `error` set when the text is damaged.
    std::optional<std::vector<Node>> read(std::string& error) {
        std::vector<Node> nodes;
        skipSpace();
        if (!take('(')) return damaged(error);
        while (true) {
            skipSpace();
            if (at_ == s_.size()) return damaged(error);
            if (take(';')) {
                Node node;
                if (!readNode(node)) return damaged(error);
                nodes.push_back(std::move(node));
            } else if (take('(')) {
                continue;  // the first variation carries the main line on
            } else if (take(')')) {
                return nodes;  // what follows are other variations
            } else {
                return damaged(error);
            }
        }
    }

private:
    bool take(char c) {
        if (at_ < s_.size() && s_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    void skipSpace() {
        while (at_ < s_.size() && isSpace(s_[at_]))
            ++at_;
    }
    std::nullopt_t damaged(std::string& error) const {
        const std::size_t line =
            1 + static_cast<std::size_t>(std::count(s_.begin(), s_.begin() + at_, '\n'));
        error = "Damaged SGF record near line " + std::to_string(line);
        return std::nullopt;
    }

    // Properties up to the next ';', '(' or ')'. An identifier keeps its
    // capitals only, as old files wrote "GaMe" for GM.
    bool readNode(Node& node) {
        while (true) {
            skipSpace();
            if (at_ == s_.size() || !(isUpper(s_[at_]) || isLower(s_[at_]))) return true;
            Property p;
            while (at_ < s_.size() && (isUpper(s_[at_]) || isLower(s_[at_]))) {
                if (isUpper(s_[at_])) p.ident += s_[at_];
                ++at_;
            }
            skipSpace();
            if (at_ == s_.size() || s_[at_] != '[') return false;
            while (take('[')) {
                std::string value;
                if (!readValue(value)) return false;
                p.values.push_back(std::move(value));
                skipSpace();
            }
            node.push_back(std::move(p));
        }
    }

    // A value after its '[': backslash escapes the next character, and a
    // backslash before a line break removes the break.
    bool readValue(std::string& value) {
        while (at_ < s_.size()) {
            char c = s_[at_++];
            if (c == ']') return true;
            if (c == '\\') {
                if (at_ == s_.size()) return false;
                c = s_[at_++];
                if (c == '\r' || c == '\n') {
                    const char pair = c == '\r' ? '\n' : '\r';
                    if (at_ < s_.size() && s_[at_] == pair) ++at_;
                    continue;
                }
            }
            value += c;
        }
        return false;
    }

    std::string_view s_;
    std::size_t at_ = 0;
};

// a..z for 1..26, A..Z for 27..52; 0 for anything else.
int coordinate(char c) {
    if (isLower(c)) return c - 'a' + 1;
    if (isUpper(c)) return c - 'A' + 27;
    return 0;
}

char letter(int v) {
    return static_cast<char>(v <= 26 ? 'a' + v - 1 : 'A' + v - 27);
}

std::optional<int> smallNumber(std::string_view s) {
    if (s.empty() || s.size() > 9) return std::nullopt;
    int v = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == ']' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

std::string resultValue(const Result& r) {
    if (r.outcome == Outcome::Draw) return "Draw";
    std::string value = r.outcome == Outcome::BlueWins ? "B+" : "W+";
    switch (r.ending) {
    case Ending::Stopped:
    case Ending::Restarted:
    case Ending::Closed:
    case Ending::HungUp:
    case Ending::PeerStopped:
    case Ending::PeerRestarted:
        return value + "R";  // the side to move gave the game up
    case Ending::PeerLeft:
    case Ending::ConnectionLost:
        return value + "F";
    default:
        return value;
    }
}

Outcome outcomeOf(std::string_view re) {
    if (re.starts_with("B+")) return Outcome::BlueWins;
    if (re.starts_with("W+")) return Outcome::RedWins;
    if (re == "0" || re == "Draw") return Outcome::Draw;
    return Outcome::Unfinished;
}

// The board size of "15" or "15:15"; a width and height of -1 when the
// value is no size at all.
std::array<int, 2> sizeOf(std::string_view sz) {
    const std::size_t colon = sz.find(':');
    const auto width = smallNumber(sz.substr(0, colon));
    const auto height = colon == std::string_view::npos ? width : smallNumber(sz.substr(colon + 1));
    if (!width || !height) return {-1, -1};
    return {*width, *height};
}

}  // namespace

std::string writeSgf(const GameRecord& record) {
    std::string out = "(;FF[4]GM[4]SZ[" + std::to_string(record.boardSize) + "]CA[UTF-8]";
    out += "PB[" + escaped(kBlueDescription) + "]";
    if (const std::string red = describeOpponent(record.opponent); !red.empty())
        out += "PW[" + escaped(red) + "]";
    out += record.firstMover == Stone::Blue ? "PL[B]" : "PL[W]";
    if (record.started.isSet())
        out += "DT[" + record.started.dateText() + "]STARTTIME[" + record.started.timeText() + "]";
    if (record.result.outcome != Outcome::Unfinished)
        out += "RE[" + resultValue(record.result) + "]";
    if (record.result.ending != Ending::NotStated)
        out += "ENDING[" + escaped(endingWords(record.result.ending)) + "]";
    for (std::size_t i = 0; i < record.moves.size(); ++i) {
        const RecordedMove& m = record.moves[i];
        if (i % kMovesPerLine == 0) out += '\n';
        out += record.sideOf(i) == Stone::Blue ? ";B[" : ";W[";
        out += letter(m.col);
        out += letter(m.row);
        out += ']';
        if (const int ms = std::clamp(m.ms, 0, kMaxMs); ms > 0)
            out += "MS[" + std::to_string(ms) + "]";
    }
    out += ")\n";
    return out;
}

RecordOrRefusal readSgf(std::string_view bytes) {
    if (std::string refused = checkRecordText(bytes); !refused.empty()) return {{}, refused};
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);  // a byte order mark

    std::string error;
    const std::optional<std::vector<Node>> nodes = MainLineReader(bytes).read(error);
    if (!nodes) return {{}, error};
    if (nodes->empty()) return {{}, "Not a game record: the SGF file holds no game"};
    const Node& root = nodes->front();

    // SGF's own default game is Go.
    const Property* gm = find(root, "GM");
    const std::string game = gm && !gm->values.empty() ? gm->values.front() : "1";
    if (game != "4") {
        return {{},
                "Not a Gomoku record: the SGF file is for game GM[" + refusal::excerpt(game) + "]"};
    }
    GameRecord record;
    if (const Property* sz = find(root, "SZ"); sz && !sz->values.empty()) {
        const auto [width, height] = sizeOf(sz->values.front());
        if (width < 0)
            return {{}, "Damaged SGF record: SZ[" + refusal::excerpt(sz->values.front()) + "]"};
        if (width != height || !isPlayedBoardSize(width))
            return {{}, refusal::boardSize(width, height)};
        record.boardSize = width;
    }  // else Gomoku's default, 15

    if (firstValue(root, "PL") == "W") record.firstMover = Stone::Red;
    record.opponent = parseOpponent(firstValue(root, "PW"));
    record.result.outcome = outcomeOf(firstValue(root, "RE"));
    record.result.ending = endingFromWords(firstValue(root, "ENDING")).value_or(Ending::NotStated);
    const std::string date = firstValue(root, "DT").substr(0, 10);
    const std::string time = find(root, "STARTTIME") ? firstValue(root, "STARTTIME") : "00:00:00";
    record.started = RecordTime::parse(date, time).value_or(RecordTime{});

    MoveChecker checker(record.boardSize);
    for (const Node& node : *nodes) {
        const std::optional<int> ms = smallNumber(firstValue(node, "MS"));
        for (const Property& p : node) {
            if (p.ident == "AB" || p.ident == "AW" || p.ident == "AE")
                return {{}, "Stones set up by hand: only games played move by move can be opened"};
            if (p.ident != "B" && p.ident != "W") continue;
            const std::size_t number = record.moves.size() + 1;
            const std::string value = p.values.empty() ? std::string() : p.values.front();
            if (value.empty())
                return {{}, "Move " + std::to_string(number) + " is a pass, which Gomoku has not"};
            const Stone side = p.ident == "B" ? Stone::Blue : Stone::Red;
            if (record.moves.empty()) record.firstMover = side;
            if (side != record.sideToMove())
                return {{}, "Move " + std::to_string(number) + " is played out of turn"};
            const int col = value.size() == 2 ? coordinate(value[0]) : 0;
            const int row = value.size() == 2 ? coordinate(value[1]) : 0;
            if (auto refused = checker.add(col, row)) return {{}, *refused};
            record.moves.push_back({col, row, std::min(ms.value_or(0), kMaxMs)});
        }
    }
    return {std::move(record), {}};
}

}  // namespace zelvan::records
