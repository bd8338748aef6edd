#pragma once
// The move list, opened over the board in the options panel's place: the
// game's moves numbered from 1 ("1. h8  2. i9 ..."), two to a row, Blue's
// and Red's each in their side's colour, one of them marked (the last, or
// in review the one the board shows) and kept in view. In review a click on
// a move asks for the position after it.

#include <QWidget>

#include "core/records/record.h"

class QScrollArea;

namespace zelvan {

class MoveListView;

class MoveListPanel : public QWidget {
    Q_OBJECT
public:
    MoveListPanel(QWidget* parent, const QImage& background);

    // The moves of a game, the last marked and scrolled into view.
    void setRecord(const records::GameRecord& record);
    // Marks move `number` (from 1; 0 marks none) and scrolls it into view.
    void setMarked(int number);
    int marked() const;
    // Whether a click on a move emits moveClicked; off until review.
    void setClickable(bool on);
    bool isClickable() const;

    // "1. h8", "2. i9", ...: the entries as they read.
    QStringList entries() const;
    // Where move `number` is drawn, in the panel's coordinates (for tests).
    QRect entryRect(int number) const;

signals:
    void moveClicked(int number);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void scrollToMarked();

    MoveListView* view_;
    QScrollArea* scroll_;
};

}  // namespace zelvan
