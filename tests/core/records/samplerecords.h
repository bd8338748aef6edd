#pragma once
// Records unlike each other in every field a file carries, for the round
// trips of both formats.

#include <vector>

#include "core/records/record.h"

namespace zelvan::test {

using namespace zelvan::records;

inline GameRecord shortGame() {
    GameRecord r;
    r.boardSize = 15;
    r.firstMover = Stone::Blue;
    r.moves = {{8, 8, 0}, {9, 7, 812}, {9, 9, 1500}, {10, 6, 40}, {10, 10, 2210}};
    r.opponent = Opponent::computer(3);
    r.result = {Outcome::BlueWins, Ending::Five};
    r.started = {2024, 5, 1, 14, 3, 22};
    return r;
}

inline std::vector<GameRecord> sampleRecords() {
    std::vector<GameRecord> all{shortGame()};

    GameRecord empty;  // nothing played, nothing known
    all.push_back(empty);

    GameRecord corners;  // the largest board's far cells, Red first, a peer
    corners.boardSize = 30;
    corners.firstMover = Stone::Red;
    corners.moves = {{30, 30, 5}, {1, 1, 0}, {27, 26, 999'999'999}, {26, 27, 1}};
    corners.opponent = Opponent::networkPeer("192.168.100.200");
    corners.result = {Outcome::RedWins, Ending::PeerLeft};
    corners.started = {2000, 2, 29, 0, 0, 0};
    all.push_back(corners);

    GameRecord twoHere;  // two people, abandoned here
    twoHere.boardSize = 20;
    twoHere.firstMover = Stone::Red;
    twoHere.moves = {{20, 1, 100}, {1, 20, 200}, {10, 10, 300}};
    twoHere.opponent = Opponent::personHere();
    twoHere.result = {Outcome::BlueWins, Ending::Stopped};
    all.push_back(twoHere);

    GameRecord drawn = shortGame();
    drawn.opponent = Opponent::computer(5);
    drawn.result = {Outcome::Draw, Ending::FullBoard};
    all.push_back(drawn);

    GameRecord winnerOnly = shortGame();  // a file that names the winner, not how
    winnerOnly.opponent = Opponent::networkPeer("");
    winnerOnly.result = {Outcome::RedWins, Ending::NotStated};
    all.push_back(winnerOnly);
    return all;
}

}  // namespace zelvan::test
