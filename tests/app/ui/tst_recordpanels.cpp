// The move list, the statistics panel and the coordinates: what each shows,
// where, and what a click on the move list asks for.

#include <QFontMetrics>
#include <QScrollArea>
#include <QSignalSpy>
#include <QtTest/QtTest>

#include "app/ui/artwork.h"
#include "app/ui/controlkit.h"
#include "app/ui/coordinatelabels.h"
#include "app/ui/layout.h"
#include "app/ui/movelistpanel.h"
#include "app/ui/statisticspanel.h"
#include "assets/embeddedfonts.h"

using namespace zelvan;
using namespace zelvan::records;

namespace {

GameRecord redOpens(int boardSize, int moves) {
    GameRecord r;
    r.boardSize = boardSize;
    r.firstMover = Stone::Red;
    for (int i = 0; i < moves; ++i)
        r.moves.push_back({1 + i % boardSize, 1 + i / boardSize, 0});
    return r;
}

// Pixels of the image within `box` close to `colour`.
int pixelsNear(const QImage& image, const QRect& box, const QColor& colour) {
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                40)
                ++count;
        }
    }
    return count;
}

// The board picture's place and side for each size, over the background.
const QRect kBoards[] = {{222, 21, 556, 556}, {220, 19, 561, 561}, {215, 14, 571, 571}};
const int kSizes[] = {15, 20, 30};

}  // namespace

class RecordPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(registerEmbeddedFonts());
        QFont::insertSubstitution("Arial", "Liberation Sans");
    }

    void moveListNumbersTheMovesInEachSidesColour() {
        MoveListPanel panel(nullptr, Artwork::load(QStringLiteral("optionspanel.png"), 1));
        QCOMPARE(panel.size(), layout::kMoveListPanel.size());
        GameRecord game = redOpens(15, 0);
        game.moves = {{8, 8, 0}, {9, 7, 0}, {10, 6, 0}};
        panel.setRecord(game);
        QCOMPARE(panel.entries(), (QStringList{"1. h8", "2. i9", "3. j10"}));
        QCOMPARE(panel.marked(), 3);

        panel.show();
        const QImage shot = panel.grab().toImage();
        const QColor blue(150, 158, 255), red(255, 122, 110);
        for (const int number : {1, 2, 3}) {
            const QRect box = panel.entryRect(number);
            const bool redMove = number != 2;  // Red opened
            QVERIFY(pixelsNear(shot, box, redMove ? red : blue) > 5);
            QCOMPARE(pixelsNear(shot, box, redMove ? blue : red), 0);
        }
    }

    void moveListKeepsTheMarkedMoveInView() {
        MoveListPanel panel(nullptr, Artwork::load(QStringLiteral("optionspanel.png"), 1));
        panel.setRecord(redOpens(30, 201));  // filled while hidden, as the game does
        panel.show();
        const QRect area = layout::kMoveListArea;
        QVERIFY(area.contains(panel.entryRect(201)));
        QVERIFY(!area.intersects(panel.entryRect(1)));

        panel.setMarked(1);  // review went back to the start
        QVERIFY(area.contains(panel.entryRect(1)));
        panel.setMarked(500);
        QCOMPARE(panel.marked(), 201);
        QVERIFY(area.contains(panel.entryRect(201)));
    }

    void moveListAsksForAMoveOnlyWhenClickable() {
        MoveListPanel panel(nullptr, Artwork::load(QStringLiteral("optionspanel.png"), 1));
        panel.setRecord(redOpens(15, 6));
        panel.show();
        QSignalSpy clicked(&panel, &MoveListPanel::moveClicked);
        auto* view = panel.findChild<QWidget*>(QStringLiteral("moveListView"));
        QVERIFY(view);
        auto clickMove = [&](int number) {
            const QPoint at = view->mapFrom(&panel, panel.entryRect(number).center());
            QTest::mouseClick(view, Qt::LeftButton, {}, at);
        };
        clickMove(4);
        QCOMPARE(clicked.count(), 0);
        panel.setClickable(true);
        clickMove(4);
        clickMove(1);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked[0][0].toInt(), 4);
        QCOMPARE(clicked[1][0].toInt(), 1);
    }

    void statisticsPanelTabulatesByOpponent() {
        Statistics s;
        s.add(Opponent::computer(1), Outcome::BlueWins, 1001, 999);
        s.add(Opponent::computer(1), Outcome::BlueWins, 1003, 997);
        s.add(Opponent::networkPeer("10.0.0.7"), Outcome::RedWins, 1001, 998);
        s.add(Opponent::personHere(), Outcome::Draw, 1001, 998);
        StatisticsPanel panel(nullptr, Artwork::load(QStringLiteral("optionspanel.png"), 1));
        QCOMPARE(panel.size(), layout::kStatisticsPanel.size());
        panel.setStatistics(s);
        QCOMPARE(panel.tableLines(), (QStringList{"Level 1\t2\t2\t0\t0", "Level 2\t0\t0\t0\t0",
                                                  "Level 3\t0\t0\t0\t0", "Level 4\t0\t0\t0\t0",
                                                  "Level 5\t0\t0\t0\t0", "Person here\t1\t0\t0\t1",
                                                  "Network\t1\t0\t1\t0", "All games\t4\t2\t1\t1"}));
        QCOMPARE(panel.runText(), QStringLiteral("Longest run of wins: 2"));
        QVERIFY(panel.rect().contains(StatisticsPanel::chartArea()));
    }

    void theChartSpansItsAreaWithTheScoresInRange() {
        const QRectF area(10, 20, 100, 50);
        const std::deque<ScorePoint> scores{{1000, 990}, {1010, 980}, {1005, 1000}};
        const QPolygonF blue = StatisticsPanel::chartLine(scores, true, area, 980, 1010);
        const QPolygonF red = StatisticsPanel::chartLine(scores, false, area, 980, 1010);
        QCOMPARE(blue.size(), 3);
        QCOMPARE(blue.front().x(), 10.0);
        QCOMPARE(blue.back().x(), 110.0);
        QCOMPARE(blue[1].y(), 20.0);  // the highest score at the top
        QCOMPARE(red[1].y(), 70.0);   // the lowest at the bottom
        QCOMPARE(red[0].y(), 70.0 - 10.0 / 30.0 * 50.0);

        // One game, or scores all alike, stay inside the area.
        const QPolygonF one = StatisticsPanel::chartLine({{500, 500}}, true, area, 500, 500);
        QCOMPARE(one.size(), 1);
        QVERIFY(area.contains(one.front()));
    }

    void coordinatesNameEachColumnAndRowBesideTheBoard() {
        for (int i = 0; i < 3; ++i) {
            const int n = kSizes[i];
            const QRect board = kBoards[i];
            QWidget scene;
            scene.resize(layout::kWidth, layout::kHeight);
            CoordinateLabels labels(&scene);
            labels.setBoard(n, board);
            QCOMPARE(labels.labels().size(), 2 * n);

            const QFontMetrics metrics(controls::arial(CoordinateLabels::fontPixels(n), true));
            const int step = (board.width() - 1) / n;
            for (const CoordinateLabels::Label& l : labels.labels()) {
                QVERIFY(!l.box.intersects(board));
                QVERIFY(scene.rect().contains(l.box));
                QVERIFY2(metrics.horizontalAdvance(l.text) <= l.box.width() &&
                             metrics.capHeight() <= l.box.height(),
                         qPrintable(l.text));
            }
            // Letters over their columns, numbers counted up from the bottom row.
            const auto find = [&](const QString& text) {
                for (const CoordinateLabels::Label& l : labels.labels())
                    if (l.text == text) return l.box;
                return QRect();
            };
            // The interior of cell (c, r) on the board picture, in the scene.
            const auto cell = [&](int c, int r) {
                return QRect(board.left() + 1 + (c - 1) * step, board.top() + 1 + (r - 1) * step,
                             step - 1, step - 1);
            };
            const QString lastLetters = n == 30 ? "ad" : n == 20 ? "t" : "o";
            QCOMPARE(find("a").center().x(), cell(1, 1).center().x());
            QCOMPARE(find(lastLetters).center().x(), cell(n, 1).center().x());
            QCOMPARE(find(QString::number(n)).center().y(), cell(1, 1).center().y());
            QCOMPARE(find("1").center().y(), cell(1, n).center().y());

            // Masked to the bands: the board below keeps its clicks.
            const QRegion mask = labels.mask().translated(labels.pos());
            QVERIFY(!mask.intersects(board));
            QVERIFY(mask.contains(find("a").center()));
        }
    }
};

QTEST_MAIN(RecordPanelsTest)
#include "tst_recordpanels.moc"
