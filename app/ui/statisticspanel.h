#pragma once
// The statistics, opened over the board in the options panel's place: a
// table of games, wins, losses and draws against each opponent and in all,
// Blue's longest run of wins, and a small chart of both running scores over
// the last 100 games, Blue's line and Red's in their colours.

#include <deque>

#include <QPolygonF>
#include <QWidget>

#include "core/records/statistics.h"

namespace zelvan {

class StatisticsPanel : public QWidget {
    Q_OBJECT
public:
    StatisticsPanel(QWidget* parent, const QImage& background);

    void setStatistics(const records::Statistics& statistics);

    // The table as it reads, one line per row, cells apart by tabs:
    // "Level 1\t3\t3\t0\t0" ... "All games\t7\t5\t1\t1".
    QStringList tableLines() const;
    QString runText() const;
    // Where the chart draws its lines, in the panel's coordinates.
    static QRect chartArea();
    // One side's scores as a line across `area`, oldest at the left, each
    // game one step further right; the range [low, high] fills its height.
    static QPolygonF chartLine(const std::deque<records::ScorePoint>& scores, bool blue,
                               const QRectF& area, int low, int high);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintTable(QPainter& painter) const;
    void paintChart(QPainter& painter) const;

    QImage background_;
    records::Statistics statistics_;
};

}  // namespace zelvan
