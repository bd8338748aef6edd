#include "core/records/psq.h"

#include <algorithm>
#include <array>

namespace zelvan::records {

namespace {

constexpr std::string_view kBlueKey = "Blue: ";
constexpr std::string_view kRedKey = "Red: ";
constexpr std::string_view kResultKey = "Result: ";
constexpr std::string_view kStartedKey = "Started: ";
constexpr std::string_view kContinuedLine = "Continued: from a reviewed position, not scored";
constexpr std::string_view kUnknownOpponent = "unknown";
// More digits than this is no coordinate or time a game could hold.
constexpr std::size_t kMaxDigits = 9;
constexpr int kMaxMs = 999'999'999;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> number(std::string_view s) {
    s = trimmed(s);
    if (s.empty() || s.size() > kMaxDigits) return std::nullopt;
    int v = 0;
    for (const char c : s) {
        if (!isDigit(c)) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// The first "<width>x<height>" on the line.
std::optional<std::array<int, 2>> boardSizeOn(std::string_view line) {
    for (std::size_t x = line.find('x'); x != std::string_view::npos; x = line.find('x', x + 1)) {
        std::size_t from = x;
        while (from > 0 && isDigit(line[from - 1]))
            --from;
        std::size_t to = x + 1;
        while (to < line.size() && isDigit(line[to]))
            ++to;
        const auto width = number(line.substr(from, x - from));
        const auto height = number(line.substr(x + 1, to - x - 1));
        if (width && height) return std::array<int, 2>{*width, *height};
    }
    return std::nullopt;
}

// A line that sets out to be a move: a number first, then a comma.
bool looksLikeMove(std::string_view line) {
    return !line.empty() && isDigit(line.front()) && line.find(',') != std::string_view::npos;
}

// "x,y,ms" or "x,y"; nullopt when the line is not one.
std::optional<RecordedMove> parseMove(std::string_view line) {
    std::array<std::string_view, 3> fields;
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = line.find(',');
        if (count == fields.size()) return std::nullopt;
        fields[count++] = line.substr(0, comma);
        if (comma == std::string_view::npos) break;
        line.remove_prefix(comma + 1);
    }
    if (count < 2) return std::nullopt;
    const auto col = number(fields[0]);
    const auto row = number(fields[1]);
    const auto ms = count == 3 ? number(fields[2]) : std::optional<int>(0);
    if (!col || !row || !ms) return std::nullopt;
    return RecordedMove{*col, *row, *ms};
}

std::string malformed(std::size_t lineNumber, std::string_view line) {
    return "Line " + std::to_string(lineNumber) + " is not a move: " + refusal::excerpt(line);
}

std::string playerLine(Stone side, const Opponent& opponent) {
    if (side == Stone::Blue) return std::string(kBlueKey) + std::string(kBlueDescription);
    const std::string red = describeOpponent(opponent);
    return std::string(kRedKey) + (red.empty() ? std::string(kUnknownOpponent) : red);
}

}  // namespace

std::string writePsq(const GameRecord& record) {
    const std::string n = std::to_string(record.boardSize);
    std::string out = "Piskvorky " + n + "x" + n + ", 11:11, 0\r\n";
    for (const RecordedMove& m : record.moves) {
        out += std::to_string(m.col) + ',' + std::to_string(m.row) + ',' +
               std::to_string(std::clamp(m.ms, 0, kMaxMs)) + "\r\n";
    }
    out += playerLine(record.firstMover, record.opponent) + "\r\n";
    out += playerLine(otherStone(record.firstMover), record.opponent) + "\r\n";
    out += std::string(kResultKey) + describeResult(record.result) + "\r\n";
    if (record.started.isSet()) {
        out += std::string(kStartedKey) + record.started.dateText() + ' ' +
               record.started.timeText() + "\r\n";
    }
    if (record.continued) out += std::string(kContinuedLine) + "\r\n";
    return out;
}

RecordOrRefusal readPsq(std::string_view bytes) {
    if (std::string refused = checkRecordText(bytes); !refused.empty()) return {{}, refused};
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);  // a byte order mark

    std::size_t lineNumber = 0;
    auto nextLine = [&](std::string_view& line) {
        if (bytes.empty()) return false;
        const std::size_t end = bytes.find('\n');
        line = trimmed(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        ++lineNumber;
        return true;
    };

    std::string_view line;
    for (bool more = nextLine(line); more && line.empty();)  // blank lines before the header
        more = nextLine(line);
    const auto size = boardSizeOn(line);
    if (!size) return {{}, "Not a game record: the first line names no board size"};
    const auto [width, height] = *size;
    if (width != height || !isPlayedBoardSize(width))
        return {{}, refusal::boardSize(width, height)};

    GameRecord record;
    record.boardSize = width;
    MoveChecker checker(width);
    bool inMoves = true;
    bool firstMoverSeen = false, redSeen = false, resultSeen = false, startedSeen = false;
    while (nextLine(line)) {
        if (line.empty()) continue;
        if (inMoves && looksLikeMove(line)) {
            const std::optional<RecordedMove> move = parseMove(line);
            if (!move) return {{}, malformed(lineNumber, line)};
            if (auto refused = checker.add(move->col, move->row)) return {{}, *refused};
            record.moves.push_back(*move);
            continue;
        }
        inMoves = false;
        // Our own lines after the moves; whatever else is there is skipped.
        if (line.starts_with(kBlueKey) || line.starts_with(kRedKey)) {
            const bool red = line.starts_with(kRedKey);
            if (!firstMoverSeen) record.firstMover = red ? Stone::Red : Stone::Blue;
            firstMoverSeen = true;
            if (red && !redSeen) record.opponent = parseOpponent(line.substr(kRedKey.size()));
            redSeen = redSeen || red;
        } else if (line.starts_with(kResultKey) && !resultSeen) {
            resultSeen = true;
            record.result = parseResult(line.substr(kResultKey.size())).value_or(Result{});
        } else if (line == kContinuedLine) {
            record.continued = true;
        } else if (line.starts_with(kStartedKey) && !startedSeen) {
            startedSeen = true;
            const std::string_view when = line.substr(kStartedKey.size());
            const std::size_t space = when.find(' ');
            if (space != std::string_view::npos) {
                record.started = RecordTime::parse(when.substr(0, space), when.substr(space + 1))
                                     .value_or(RecordTime{});
            }
        }
    }
    return {std::move(record), {}};
}

}  // namespace zelvan::records
