#include "app/ui/endingtext.h"

namespace zelvan {

QString sideName(std::uint8_t colour) {
    return colour == kBlue ? QStringLiteral("Blue") : QStringLiteral("Red");
}

namespace {

// What ended an abandoned game, as the first half of its sentence.
QString cause(EndReason reason) {
    switch (reason) {
    case EndReason::Stopped:
        return QStringLiteral("Stopped");
    case EndReason::Restarted:
        return QStringLiteral("New game");
    case EndReason::Closed:
        return QStringLiteral("Game closed");
    case EndReason::HungUp:
        return QStringLiteral("Hung up");
    case EndReason::PeerStopped:
        return QStringLiteral("Red stopped");
    case EndReason::PeerRestarted:
        return QStringLiteral("Red started a new game");
    case EndReason::PeerLeft:
        return QStringLiteral("Red left");
    case EndReason::ConnectionLost:
        return QStringLiteral("Connection lost");
    case EndReason::Five:
    case EndReason::FullBoard:
        break;
    }
    return {};
}

const QString kDash = QStringLiteral(" \u2014 ");

}  // namespace

QStringList endingLines(const QString& text) {
    const qsizetype dash = text.indexOf(kDash);
    if (dash < 0) return {text};
    QString rest = text.mid(dash + kDash.size());
    if (!rest.isEmpty()) rest[0] = rest[0].toUpper();
    return {text.left(dash), rest};
}

QString endingText(const GameEnd& end, bool twoPeopleHere) {
    const QString& dash = kDash;
    if (end.reason == EndReason::FullBoard)
        return QStringLiteral("Draw") + dash + "the board is full";
    if (end.reason == EndReason::Five) {
        if (end.winner == kBlue && !twoPeopleHere) return QStringLiteral("You win!");
        return sideName(end.winner) + QStringLiteral(" wins");
    }
    return cause(end.reason) + dash + sideName(end.loser()) + QStringLiteral(" loses the game");
}

}  // namespace zelvan
