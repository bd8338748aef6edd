#include "core/records/record.h"

#include <array>
#include <utility>

#include "core/records/notation.h"

namespace zelvan::records {

namespace {

constexpr std::string_view kComputer = "computer level ";
constexpr std::string_view kPersonHere = "person at this machine";
constexpr std::string_view kNetworkPeer = "network peer";

// Each ending with its words, in one table for both directions.
constexpr std::array<std::pair<Ending, std::string_view>, 10> kEndingWords{{
    {Ending::Five, "five in a row"},
    {Ending::FullBoard, "full board"},
    {Ending::Stopped, "stopped here"},
    {Ending::Restarted, "restarted here"},
    {Ending::Closed, "closed here"},
    {Ending::HungUp, "hung up here"},
    {Ending::PeerStopped, "stopped by the peer"},
    {Ending::PeerRestarted, "restarted by the peer"},
    {Ending::PeerLeft, "the peer left"},
    {Ending::ConnectionLost, "connection lost"},
}};

constexpr std::array<std::pair<Outcome, std::string_view>, 4> kOutcomeWords{{
    {Outcome::Unfinished, "unfinished"},
    {Outcome::BlueWins, "Blue wins"},
    {Outcome::RedWins, "Red wins"},
    {Outcome::Draw, "draw"},
}};

// A decimal number of exactly `digits` digits.
std::optional<int> fixedNumber(std::string_view text, std::size_t digits) {
    if (text.size() != digits) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string twoDigits(int v) {
    return std::string{static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
}

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

}  // namespace

bool isPlayedBoardSize(int n) {
    return n == 15 || n == 20 || n == 30;
}

Opponent Opponent::computer(int level) {
    return {Kind::Computer, level, {}};
}

Opponent Opponent::personHere() {
    return {Kind::PersonHere, 0, {}};
}

Opponent Opponent::networkPeer(std::string_view address) {
    Opponent o{Kind::NetworkPeer, 0, {}};
    for (const char c : address) {
        if (o.address.size() == kMaxAddressLength) break;
        if (c > ' ' && c < 0x7f) o.address += c;
    }
    return o;
}

std::string describeOpponent(const Opponent& o) {
    switch (o.kind) {
    case Opponent::Kind::Computer:
        return std::string(kComputer) + std::to_string(o.level);
    case Opponent::Kind::PersonHere:
        return std::string(kPersonHere);
    case Opponent::Kind::NetworkPeer:
        return o.address.empty() ? std::string(kNetworkPeer)
                                 : std::string(kNetworkPeer) + ' ' + o.address;
    case Opponent::Kind::Unknown:
        break;
    }
    return {};
}

Opponent parseOpponent(std::string_view text) {
    if (text.starts_with(kComputer)) {
        const std::optional<int> level = fixedNumber(text.substr(kComputer.size()), 1);
        if (level && *level >= Opponent::kLowestLevel && *level <= Opponent::kHighestLevel)
            return Opponent::computer(*level);
        return {};
    }
    if (text == kPersonHere) return Opponent::personHere();
    if (text == kNetworkPeer) return Opponent::networkPeer({});
    if (text.starts_with(kNetworkPeer) && text.size() > kNetworkPeer.size() &&
        text[kNetworkPeer.size()] == ' ') {
        const std::string_view address = text.substr(kNetworkPeer.size() + 1);
        const Opponent peer = Opponent::networkPeer(address);
        // Only an address the record could have held reads back as one.
        if (peer.address == address) return peer;
    }
    return {};
}

std::string_view endingWords(Ending e) {
    for (const auto& [ending, words] : kEndingWords)
        if (ending == e) return words;
    return {};
}

std::optional<Ending> endingFromWords(std::string_view words) {
    for (const auto& [ending, w] : kEndingWords)
        if (w == words) return ending;
    return std::nullopt;
}

std::string describeResult(const Result& r) {
    std::string text;
    for (const auto& [outcome, words] : kOutcomeWords)
        if (outcome == r.outcome) text = words;
    if (r.ending != Ending::NotStated) (text += ", ") += endingWords(r.ending);
    return text;
}

std::optional<Result> parseResult(std::string_view text) {
    const std::size_t comma = text.find(", ");
    const std::string_view outcomeText = text.substr(0, comma);
    Result r;
    bool known = false;
    for (const auto& [outcome, words] : kOutcomeWords) {
        if (words == outcomeText) {
            r.outcome = outcome;
            known = true;
        }
    }
    if (!known) return std::nullopt;
    if (comma != std::string_view::npos) {
        const std::optional<Ending> ending = endingFromWords(text.substr(comma + 2));
        if (!ending) return std::nullopt;
        r.ending = *ending;
    }
    return r;
}

std::string RecordTime::dateText() const {
    return std::to_string(year / 1000 % 10) + std::to_string(year / 100 % 10) + twoDigits(year) +
           '-' + twoDigits(month) + '-' + twoDigits(day);
}

std::string RecordTime::timeText() const {
    return twoDigits(hour) + ':' + twoDigits(minute) + ':' + twoDigits(second);
}

std::optional<RecordTime> RecordTime::parse(std::string_view date, std::string_view time) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' || time.size() != 8 ||
        time[2] != ':' || time[5] != ':')
        return std::nullopt;
    const auto year = fixedNumber(date.substr(0, 4), 4);
    const auto month = fixedNumber(date.substr(5, 2), 2);
    const auto day = fixedNumber(date.substr(8, 2), 2);
    const auto hour = fixedNumber(time.substr(0, 2), 2);
    const auto minute = fixedNumber(time.substr(3, 2), 2);
    const auto second = fixedNumber(time.substr(6, 2), 2);
    if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
    if (*year < 1 || *month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month) ||
        *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    return RecordTime{*year, *month, *day, *hour, *minute, *second};
}

namespace refusal {

std::string excerpt(std::string_view text) {
    constexpr std::size_t kShown = 24;
    std::string shown;
    for (const char c : text.substr(0, kShown))
        shown += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
    if (text.size() > kShown) shown += "...";
    return shown;
}

std::string tooLarge() {
    return "Not a game record: the file is larger than 1 MiB";
}
std::string binary() {
    return "Not a game record: the file holds binary data";
}
std::string empty() {
    return "Not a game record: the file is empty";
}
std::string boardSize(int width, int height) {
    return "A " + std::to_string(width) + "x" + std::to_string(height) +
           " board: Zelvan plays 15x15, 20x20 and 30x30";
}
std::string tooManyMoves(int boardSize) {
    const std::string n = std::to_string(boardSize);
    return "More moves than the " + n + "x" + n + " board has cells";
}
std::string offBoard(std::size_t moveNumber) {
    return "Move " + std::to_string(moveNumber) + " lies off the board";
}
std::string occupied(std::size_t moveNumber, const std::string& cellName) {
    return "Move " + std::to_string(moveNumber) + " is on an occupied cell, " + cellName;
}

}  // namespace refusal

std::string checkRecordText(std::string_view bytes) {
    if (bytes.size() > kMaxRecordBytes) return refusal::tooLarge();
    bool blank = true;
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        const bool space = c == '\t' || c == '\r' || c == '\n' || c == ' ';
        if ((c < 0x20 && !space) || c == 0x7f) return refusal::binary();
        if (!space) blank = false;
    }
    return blank ? refusal::empty() : std::string();
}

MoveChecker::MoveChecker(int boardSize)
    : n_(boardSize), taken_(static_cast<std::size_t>(boardSize * boardSize), false) {}

std::optional<std::string> MoveChecker::add(int col, int row) {
    if (count_ == taken_.size()) return refusal::tooManyMoves(n_);
    ++count_;
    if (col < 1 || col > n_ || row < 1 || row > n_) return refusal::offBoard(count_);
    const auto at = static_cast<std::size_t>((col - 1) * n_ + (row - 1));
    if (taken_[at]) return refusal::occupied(count_, cellName(col, row, n_));
    taken_[at] = true;
    return std::nullopt;
}

}  // namespace zelvan::records
