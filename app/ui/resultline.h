#pragma once
// How the last game ended, kept in view once the banner over the board has
// gone: a line or two in the left panel, below the game buttons ("Stopped",
// "Blue loses the game"), from the end of a game until the next one starts.
// Until the first game ends it shows nothing, so the idle screen keeps its
// looks. It also keeps who won, for the turn lamp.

#include <QString>
#include <QWidget>
#include <cstdint>

namespace zelvan {

class ResultLine : public QWidget {
    Q_OBJECT
public:
    explicit ResultLine(QWidget* parent);

    // A game ended: these words, and the winner's colour (kNone for a draw).
    void showResult(const QString& text, std::uint8_t winner);
    // A new game started.
    void clear();

    QString text() const { return text_; }
    // Who won the game the line tells of; kNone when it tells of none.
    std::uint8_t winner() const { return winner_; }
    bool holdsResult() const { return !text_.isEmpty(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
    std::uint8_t winner_ = 0;
};

}  // namespace zelvan
