#pragma once
// Hints for the controls that tell rather than act: the three lamps with
// their captions, the two scores and the level digit. They show in the
// game's own translucent hint window, like the buttons' hints, and the hints
// option switches them with those. Each text says the current state
// ("Game turn: Red", "Computer level: 3 - hard"); it is written afresh
// whenever the pointer enters its control and whenever the window calls
// refresh() after a change.

#include <QObject>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include <cstdint>

#include "core/ai/level.h"

class QWidget;

namespace zelvan {

class MatchControl;
class Options;
class PeerLink;
class ResultLine;

class StatusTips : public QObject {
    Q_OBJECT
public:
    explicit StatusTips(QObject* parent);
    // The window's lamps with their captions, its scores and its level
    // digit, found by their names, telling of the options, the match, the
    // connection and the last `result`.
    static StatusTips* forWindow(QWidget* window, const Options& options, const MatchControl& match,
                                 const PeerLink& peer, const ResultLine& result);

    // `widget` shows what `text` says, while hints are on.
    void add(QWidget* widget, std::function<QString()> text);
    void setShown(bool shown);
    // Writes every text afresh.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void write(QWidget* widget, const std::function<QString()>& text) const;

    std::vector<std::pair<QWidget*, std::function<QString()>>> tips_;
    bool shown_ = true;
};

// The texts. `ended` is set once a game has ended and until the next one
// starts, with the winner's colour in `winner` (kNone for a draw).
// `styleChoice` is the style the next game takes, `styleInPlay` the one on
// the board.
QString connectionTip(bool connected, bool listening);
QString styleTip(int styleChoice, bool running, int styleInPlay);
QString turnTip(bool running, bool blueToMove, bool ended, std::uint8_t winner);
QString levelTip(const Level& level);

}  // namespace zelvan
