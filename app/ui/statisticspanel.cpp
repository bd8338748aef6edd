#include "app/ui/statisticspanel.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>

#include "app/ui/controlkit.h"
#include "app/ui/layout.h"

namespace zelvan {

namespace {

using records::OpponentGroup;
using records::Tally;

constexpr int kLeft = 12;
constexpr int kTableTop = 46;
constexpr int kRowPitch = 15;
constexpr int kNumberWidth = 24;
constexpr int kFirstNumberX = 84;
constexpr int kChartTop = 236;
constexpr int kChartBottom = 336;

const QColor kHeaderText{92, 150, 152};
const QColor kRuleColour{60, 128, 132};
const QColor kChartFill{0, 30, 34, 150};
const QColor kBlueLine{132, 142, 255};
const QColor kRedLine{255, 104, 92};

QString rowName(std::size_t group) {
    const std::string_view name = records::groupName(static_cast<OpponentGroup>(group));
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QStringList cells(const QString& name, const Tally& t) {
    return {name, QString::number(t.games), QString::number(t.wins), QString::number(t.losses),
            QString::number(t.draws)};
}

}  // namespace

StatisticsPanel::StatisticsPanel(QWidget* parent, const QImage& background)
    : QWidget(parent), background_(background) {
    setObjectName(QStringLiteral("statisticsPanel"));
    resize(layout::kStatisticsPanel.size());
}

void StatisticsPanel::setStatistics(const records::Statistics& statistics) {
    statistics_ = statistics;
    update();
}

QStringList StatisticsPanel::tableLines() const {
    QStringList lines;
    for (std::size_t g = 0; g < records::kOpponentGroups; ++g)
        lines.append(
            cells(rowName(g), statistics_.tally(static_cast<OpponentGroup>(g))).join('\t'));
    lines.append(cells(QStringLiteral("All games"), statistics_.total()).join('\t'));
    return lines;
}

QString StatisticsPanel::runText() const {
    return QStringLiteral("Longest run of wins: %1").arg(statistics_.longestRun());
}

QRect StatisticsPanel::chartArea() {
    return QRect(QPoint(kLeft + 2, kChartTop + 4), QPoint(176, kChartBottom - 4));
}

QPolygonF StatisticsPanel::chartLine(const std::deque<records::ScorePoint>& scores, bool blue,
                                     const QRectF& area, int low, int high) {
    QPolygonF line;
    const double span = std::max(1, high - low);
    const double step = scores.size() > 1 ? area.width() / double(scores.size() - 1) : 0;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        const int score = blue ? scores[i].blue : scores[i].red;
        const double y =
            area.bottom() - (std::clamp(score, low, high) - low) / span * area.height();
        line.append(QPointF(area.left() + step * double(i), y));
    }
    return line;
}

void StatisticsPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), background_);
    painter.setRenderHint(QPainter::Antialiasing);

    const QFont title = controls::arial(15, true);
    painter.setFont(title);
    painter.setPen(controls::kPanelTextColour);
    painter.drawText(QRect(0, layout::kPanelTitle.y(), width(), QFontMetrics(title).height()),
                     Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("STATISTICS"));
    paintTable(painter);
    paintChart(painter);
}

void StatisticsPanel::paintTable(QPainter& painter) const {
    auto drawRow = [&](int y, const QStringList& row, const QColor& nameColour,
                       const QColor& numberColour) {
        painter.setPen(nameColour);
        painter.drawText(QRect(kLeft, y, kFirstNumberX - kLeft, kRowPitch),
                         Qt::AlignLeft | Qt::AlignVCenter, row[0]);
        painter.setPen(numberColour);
        for (int c = 1; c < row.size(); ++c) {
            painter.drawText(
                QRect(kFirstNumberX + (c - 1) * kNumberWidth, y, kNumberWidth, kRowPitch),
                Qt::AlignRight | Qt::AlignVCenter, row[c]);
        }
    };
    painter.setFont(controls::arial(11, true));
    int y = kTableTop;
    drawRow(y,
            {QStringLiteral("Opponent"), QStringLiteral("G"), QStringLiteral("W"),
             QStringLiteral("L"), QStringLiteral("D")},
            kHeaderText, kHeaderText);
    y += kRowPitch;
    painter.setPen(QPen(kRuleColour, 1));
    painter.drawLine(QPointF(kLeft, y + 0.5), QPointF(width() - kLeft, y + 0.5));
    y += 2;

    const QStringList lines = tableLines();
    painter.setFont(controls::arial(12, false));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool total = i == lines.size() - 1;
        if (total) {
            painter.setPen(QPen(kRuleColour, 1));
            painter.drawLine(QPointF(kLeft, y + 1.5), QPointF(width() - kLeft, y + 1.5));
            y += 3;
            painter.setFont(controls::arial(12, true));
        }
        const QStringList row = lines[i].split('\t');
        const bool played = row[1] != QLatin1String("0");
        drawRow(y, row, controls::kPanelTextColour,
                played || total ? controls::kScoreColour : kHeaderText);
        y += kRowPitch;
    }
    y += 6;
    painter.setFont(controls::arial(12, true));
    painter.setPen(controls::kPanelTextColour);
    painter.drawText(QRect(kLeft, y, width() - 2 * kLeft, kRowPitch),
                     Qt::AlignLeft | Qt::AlignVCenter, runText());
}

void StatisticsPanel::paintChart(QPainter& painter) const {
    const QRect frame(QPoint(kLeft, kChartTop), QPoint(width() - kLeft, kChartBottom));
    const auto& scores = statistics_.scores();

    painter.setFont(controls::arial(10, true));
    const int captionY = kChartTop - 15;
    painter.setPen(kHeaderText);
    painter.drawText(QRect(kLeft, captionY, 120, 13), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Scores, last %1 games").arg(scores.size()));
    painter.setPen(kRedLine);
    painter.drawText(QRect(kLeft, captionY, frame.width(), 13), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Red"));
    painter.setPen(kBlueLine);
    painter.drawText(QRect(kLeft, captionY, frame.width() - 26, 13),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Blue"));

    painter.setPen(QPen(kRuleColour, 1));
    painter.setBrush(kChartFill);
    painter.drawRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    if (scores.empty()) {
        painter.setPen(kHeaderText);
        painter.drawText(frame, Qt::AlignCenter, QStringLiteral("No games yet"));
        return;
    }

    int low = records::Statistics::kMaxScore;
    int high = 0;
    for (const records::ScorePoint& p : scores) {
        low = std::min({low, p.blue, p.red});
        high = std::max({high, p.blue, p.red});
    }
    // A little room above and below, so a flat line does not lie on the frame.
    const int margin = std::max(2, (high - low) / 8);
    low = std::max(0, low - margin);
    high = std::min(records::Statistics::kMaxScore, high + margin);

    painter.setPen(kHeaderText);
    painter.setFont(controls::arial(9, false));
    const QRect area = chartArea();
    painter.drawText(QRect(frame.left() + 3, frame.top() + 1, 40, 11), Qt::AlignLeft,
                     QString::number(high));
    painter.drawText(QRect(frame.left() + 3, frame.bottom() - 11, 40, 11), Qt::AlignLeft,
                     QString::number(low));

    painter.setBrush(Qt::NoBrush);
    for (const bool blue : {false, true}) {
        const QPolygonF line = chartLine(scores, blue, area, low, high);
        painter.setPen(
            QPen(blue ? kBlueLine : kRedLine, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (line.size() == 1) {
            painter.drawPoint(line.front());
        } else {
            painter.drawPolyline(line);
        }
    }
}

}  // namespace zelvan
