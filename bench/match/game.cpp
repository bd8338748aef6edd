#include "bench/match/game.h"

#include <memory>

#include "bench/match/engineprocess.h"

namespace zelvan::match {

namespace {

using std::chrono::milliseconds;

// START is answered before any thinking; allocating tables may take a while.
constexpr milliseconds kStartLimit{10000};
// How long an OK may still follow an ERROR before START counts as refused.
constexpr milliseconds kAfterError{1000};

std::string wire(Move m) {
    return std::to_string(m.x) + "," + std::to_string(m.y);
}

// One side of the game: its process and its clocks.
struct Player {
    std::unique_ptr<EngineProcess> process;
    Colour colour = Colour::None;
    bool seenBoard = false;
    std::chrono::microseconds used{0};
};

struct Failure {
    Ending ending;
    std::string detail;
};

// Reads past notes to the first move line, or says why none came.
bool awaitMove(EngineProcess& p, Clock::time_point deadline, Move& move, Failure& failure) {
    std::string line;
    for (;;) {
        switch (p.readLine(line, deadline)) {
        case EngineProcess::Read::Timeout:
            failure = {Ending::Timeout, "no move in time"};
            return false;
        case EngineProcess::Read::Closed:
            failure = {Ending::Crash, "closed its output"};
            return false;
        case EngineProcess::Read::Line:
            break;
        }
        const Answer a = readAnswer(line);
        if (a.kind == Answer::Kind::Note) continue;
        if (a.kind == Answer::Kind::Garbled) {
            failure = {Ending::Garbled, "answered '" + line.substr(0, 60) + "'"};
            return false;
        }
        move = a.move;
        return true;
    }
}

bool startPlayer(Player& p, const std::string& command, const GameRules& rules, Failure& failure) {
    p.process = std::make_unique<EngineProcess>(command);
    std::string error;
    if (!p.process->start(error)) {
        failure = {Ending::Crash, "could not start: " + error};
        return false;
    }
    std::vector<std::string> lines = {
        "INFO timeout_turn " + std::to_string(rules.turnLimit.count()),
        "INFO timeout_match " + std::to_string(rules.matchLimit.count()),
        "INFO max_memory " + std::to_string(rules.memoryLimit),
        "INFO rule 0",
        "INFO game_type 1",
    };
    for (const auto& [key, value] : rules.extraInfo)
        lines.push_back("INFO " + key + " " + value);
    lines.push_back("START " + std::to_string(rules.boardSize));
    for (const std::string& l : lines)
        if (!p.process->send(l)) {
            failure = {Ending::Crash, "closed its input"};
            return false;
        }
    // Brains answer INFO with nothing, so an ERROR here is most likely START
    // refused; but one about an INFO may come first, so an OK may still follow.
    auto deadline = Clock::now() + kStartLimit;
    std::string line;
    std::string refusal;
    for (;;) {
        const auto read = p.process->readLine(line, deadline);
        if (read == EngineProcess::Read::Timeout) {
            failure = refusal.empty() ? Failure{Ending::Timeout, "no answer to START"}
                                      : Failure{Ending::Refused, "answered START with '" +
                                                                     refusal.substr(0, 60) + "'"};
            return false;
        }
        if (read == EngineProcess::Read::Closed) {
            failure = {Ending::Crash, "closed its output before START was answered"};
            return false;
        }
        const std::string word = line.substr(0, line.find(' '));
        if (word == "OK") return true;
        if (word == "ERROR" && refusal.empty()) {
            refusal = line;
            deadline = std::min(deadline, Clock::now() + kAfterError);
        } else if (word != "MESSAGE" && word != "DEBUG" && word != "ERROR" && !line.empty()) {
            failure = {Ending::Refused, "answered START with '" + line.substr(0, 60) + "'"};
            return false;
        }
    }
}

}  // namespace

const char* endingName(Ending e) {
    switch (e) {
    case Ending::Five:
        return "five";
    case Ending::FullBoard:
        return "full board";
    case Ending::IllegalMove:
        return "illegal move";
    case Ending::Timeout:
        return "timeout";
    case Ending::Crash:
        return "crash";
    case Ending::Garbled:
        return "garbled answer";
    case Ending::Refused:
        return "refused start";
    }
    return "?";
}

GameResult playGame(const std::array<std::string, 2>& commands, const std::vector<Move>& opening,
                    const GameRules& rules) {
    GameResult result;
    std::array<Player, 2> players;
    players[0].colour = Colour::Black;
    players[1].colour = Colour::White;
    auto lose = [&](int loser, const Failure& f) {
        result.winner = 1 - loser;
        result.ending = f.ending;
        result.detail = f.detail;
        return result;
    };
    for (int i = 0; i < 2; ++i) {
        Failure failure;
        if (!startPlayer(players[i], commands[i], rules, failure)) return lose(i, failure);
    }

    Referee referee(rules.boardSize);
    Colour colour = Colour::Black;
    for (const Move& m : opening) {
        referee.play(m, colour);
        result.moves.push_back({m, {}});
        colour = otherColour(colour);
    }

    for (int mover = colour == Colour::Black ? 0 : 1;; mover = 1 - mover) {
        Player& p = players[mover];
        EngineProcess& process = *p.process;
        std::vector<std::string> lines;
        const auto matchLeft = rules.matchLimit - std::chrono::duration_cast<milliseconds>(p.used);
        if (rules.matchLimit.count() > 0)
            lines.push_back("INFO time_left " + std::to_string(matchLeft.count()));
        if (p.seenBoard) {
            lines.push_back("TURN " + wire(result.moves.back().move));
        } else if (result.moves.empty()) {
            lines.push_back("BEGIN");
        } else {
            // The position so far, in the order played: 1 its own stones, 2 the other's.
            lines.push_back("BOARD");
            Colour c = Colour::Black;
            for (const TimedMove& m : result.moves) {
                lines.push_back(wire(m.move) + "," + (c == p.colour ? "1" : "2"));
                c = otherColour(c);
            }
            lines.push_back("DONE");
        }
        p.seenBoard = true;

        milliseconds allowed = rules.turnLimit;
        if (rules.matchLimit.count() > 0) allowed = std::min(allowed, matchLeft);
        const auto asked = Clock::now();
        for (const std::string& l : lines)
            if (!process.send(l)) return lose(mover, {Ending::Crash, "closed its input"});
        Move move;
        Failure failure;
        if (!awaitMove(process, asked + allowed + rules.tolerance, move, failure))
            return lose(mover, failure);
        const auto took =
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - asked);
        p.used += took;
        result.moves.push_back({move, took});

        switch (referee.play(move, p.colour)) {
        case Verdict::Illegal:
            result.moves.pop_back();
            return lose(mover, {Ending::IllegalMove, "played " + wire(move)});
        case Verdict::Five:
            result.winner = mover;
            result.ending = Ending::Five;
            return result;
        case Verdict::FullBoard:
            result.winner = -1;
            result.ending = Ending::FullBoard;
            return result;
        case Verdict::Continue:
            break;
        }
    }
}

}  // namespace zelvan::match
