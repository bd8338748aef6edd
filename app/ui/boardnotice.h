#pragma once
// A short line of text over the foot of the board, for a moment: what a key
// could not do, said where the player is looking.

#include <QString>
#include <QTimer>

#include "app/ui/boardoverlay.h"

namespace zelvan {

class BoardNotice : public BoardOverlay {
    Q_OBJECT
public:
    static constexpr int kShowMs = 2000;

    explicit BoardNotice(BoardPicture* board);

    void say(const QString& text, int ms = kShowMs);
    QString text() const { return text_; }

signals:
    // A line was said: the result banner, which sits over the same foot of
    // the board, makes way for it.
    void said();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QTimer timer_;
};

}  // namespace zelvan
