#pragma once
// The hint on the board: a frame that pulses on one cell for two seconds,
// then goes. It goes early when the cell is taken or a new board replaces
// the one it was shown on.

#include <QElapsedTimer>
#include <QTimer>

#include "app/ui/boardoverlay.h"
#include "core/engine/position.h"

namespace zelvan {

class HintFrame : public BoardOverlay {
    Q_OBJECT
public:
    static constexpr int kShowMs = 2000;
    static constexpr int kPulses = 4;
    static const QColor kColour;

    HintFrame(BoardPicture* board, const Position& position);

    void pulse(int col, int row);
    void stop();
    bool isPulsing() const { return timer_.isActive(); }
    QPoint cell() const { return cell_; }
    // Strength of the frame now, 0..1, for painting.
    double strength() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onFrameTick();

    const Position& position_;
    QTimer timer_;
    QElapsedTimer clock_;
    QPoint cell_;
    int grid_ = 0;  // the board it shows on
};

}  // namespace zelvan
