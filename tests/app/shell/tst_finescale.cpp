// The scene at a factor between whole ones (1.75 on 1920x1080, 2.25 on
// 2560x1440): it fills the screen, and the board is drawn on the screen's
// own pixels. What the tests read is what the screen shows: the grid lines
// are found in the board's picture, and then every line must be equally
// wide and sharp, the cells between them alike within a pixel, pieces and
// frames inside their cells, and a press on any device pixel must reach the
// cell that pixel belongs to. ZELVAN_TEST_SCREEN names the screen.

#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <vector>

#include "app/ui/boardkeys.h"
#include "boardpixels.h"
#include "core/engine/board.h"
#include "support/qverifyempty.h"
#include "testscreen.h"
#include "windowharness.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

// A run of grid-coloured pixels along a line through the board picture.
struct Run {
    int from;
    int length;
};

// The grid lines a row of the shown board crosses, left to right.
std::vector<Run> gridLinesAlong(const QImage& shown, int y, const QColor& grid) {
    std::vector<Run> runs;
    for (int x = 0; x < shown.width(); ++x) {
        if (shown.pixelColor(x, y) != grid) continue;
        if (!runs.empty() && runs.back().from + runs.back().length == x)
            ++runs.back().length;
        else
            runs.push_back({x, 1});
    }
    return runs;
}

QImage shownBoard(MainWindow& w) {
    return control<BoardPicture>(w, "board")
        ->grab()
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

void press(WindowHarness& h, const char* button) {
    h.press(control<GlyphButton>(h.w(), button));
}

// A board of each size in turn, by the size button.
void nextSize(WindowHarness& h) {
    press(h, "sizeButton");
}

// The cell a device coordinate of the board lies in, as the lines found
// say: a line belongs to the cell left of (above) it, the first to cell 1.
int cellOf(const std::vector<Run>& lines, int device) {
    int cell = 1;
    for (std::size_t k = 1; k < lines.size(); ++k)
        if (device >= lines[k].from + lines[k].length) cell = int(k) + 1;
    return std::min(cell, int(lines.size()) - 1);
}

}  // namespace

class FineScaleTest : public QObject {
    Q_OBJECT
private slots:
    // The factor is the one for the screen, and the scene's pictures come
    // at it: 800x600 logical pixels, 800 f device pixels wide.
    void theSceneFillsTheScreen() {
        const double f = qApp->devicePixelRatio();
        QCOMPARE(f, expectedScale());
        const QImage background = Artwork::load(QStringLiteral("background.png"));
        QCOMPARE(background.size(), QSize(std::lround(800 * f), std::lround(600 * f)));
        QCOMPARE(background.devicePixelRatio(), f);
        const QImage glyphs = Artwork::loadStrip(QStringLiteral("glyphs/help.png"));
        QCOMPARE(glyphs.width(), 4 * glyphs.height());  // four whole frames
        QVERIFY(glyphs.hasAlphaChannel());
        QCOMPARE(qAlpha(glyphs.pixel(0, glyphs.height() - 1)), 0);  // the key is gone
    }

    // On every board size: n+1 lines each way, every one round(f) device
    // pixels wide, the first at the edge and the last ending at the far
    // edge, and the cells between them differing by a pixel at most.
    void gridLinesWholeAndEven() {
        WindowHarness h(QGuiApplication::primaryScreen()->geometry());
        const double f = qApp->devicePixelRatio();
        const int width = int(std::lround(f));
        for (int size = 0; size < 3; ++size, nextSize(h)) {
            const int n = h.g().boardSize;
            const QImage shown = shownBoard(h.w());
            const int side = n * (h.g().cellPitch + 1) + 1;
            QCOMPARE(shown.width(), int(std::lround(side * f)));
            int rowsRead = 0;
            for (int y : {width + 2, width + 3, shown.height() / 2, shown.height() / 2 + 1}) {
                const std::vector<Run> lines = gridLinesAlong(shown, y, gridColour(n));
                if (lines.size() != std::size_t(n) + 1) continue;  // the row lies on a grid line
                ++rowsRead;
                int narrowest = shown.width(), widest = 0;
                for (std::size_t k = 0; k < lines.size(); ++k) {
                    QCOMPARE(lines[k].length, width);
                    if (k == 0) continue;
                    const int cell = lines[k].from - lines[k - 1].from - width;
                    narrowest = std::min(narrowest, cell);
                    widest = std::max(widest, cell);
                }
                QCOMPARE(lines.front().from, 0);
                QCOMPARE(lines.back().from + width, shown.width());
                QVERIFY2(widest - narrowest <= 1,
                         qPrintable(QString("%1..%2").arg(narrowest).arg(widest)));
                // Down the board the same lines, at the same places.
                const QImage turned =
                    shown.transformed(QTransform().rotate(90)).mirrored(true, false);
                const std::vector<Run> down = gridLinesAlong(turned, y, gridColour(n));
                QCOMPARE(down.size(), lines.size());
                for (std::size_t k = 0; k < lines.size(); ++k)
                    QCOMPARE(down[k].from, lines[k].from);
            }
            QVERIFY(rowsRead >= 2);
        }
    }

    // A piece fills its cell's interior: the last-move frame is the cell's
    // outermost ring, as wide as a line, and the grid lines around the
    // cell keep their colour.
    void pieceAndFrameInsideTheirCell() {
        WindowHarness h(QGuiApplication::primaryScreen()->geometry());
        nextSize(h);
        nextSize(h);  // the 30 board, the smallest cells
        press(h, "opponentButton");
        press(h, "playButton");
        h.clickCell(12, 7);
        QCOMPARE(h.g().cell(12, 7), kBlue);
        const QImage shown = shownBoard(h.w());
        const int width = int(std::lround(qApp->devicePixelRatio()));
        const QColor grid = gridColour(30);
        // The row through the middle of row 7's cells.
        const std::vector<Run> across = gridLinesAlong(shown, 10 * width, grid);
        QCOMPARE(across.size(), std::size_t(31));
        const int left = across[11].from + width;
        const int right = across[12].from - 1;
        const int top = across[6].from + width;
        const int bottom = across[7].from - 1;
        for (int t = 0; t < width; ++t) {
            QCOMPARE(shown.pixelColor(left - 1 - t, (top + bottom) / 2), grid);
            QCOMPARE(shown.pixelColor(left + t, (top + bottom) / 2), kLiveFrameOther);
            QCOMPARE(shown.pixelColor(right - t, top + 1), kLiveFrameOther);
            QCOMPARE(shown.pixelColor((left + right) / 2, bottom - t), kLiveFrameOther);
            QCOMPARE(shown.pixelColor((left + right) / 2, bottom + 1 + t), grid);
        }
        QVERIFY(shown.pixelColor(left + width, top + width) != kLiveFrameOther);
        // The cross's centre is the piece's own colour, not the board's.
        QVERIFY(shown.pixelColor((left + right) / 2, (top + bottom) / 2) != kEmptyCell);
    }

    // A press on any device pixel across the board reaches the cell that
    // pixel lies in, on every board size.
    void everyDevicePixelReachesItsCell() {
        WindowHarness h(QGuiApplication::primaryScreen()->geometry());
        const double f = qApp->devicePixelRatio();
        auto* board = control<BoardPicture>(h.w(), "board");
        QSignalSpy pressed(board, &BoardPicture::mousePressed);
        for (int size = 0; size < 3; ++size, nextSize(h)) {
            const int n = h.g().boardSize;
            const int p = h.g().cellPitch;
            const QImage shown = shownBoard(h.w());
            const std::vector<Run> lines =
                gridLinesAlong(shown, int(std::lround(f)) + 2, gridColour(n));
            QCOMPARE(lines.size(), std::size_t(n) + 1);
            // Device pixels counted from the one the board starts at.
            const QPointF corner = board->mapTo(&h.w(), QPointF(0, 0)) * f;
            const QPointF start(std::round(corner.x()), std::round(corner.y()));
            for (int d = 0; d < shown.width(); ++d) {
                const QPointF inWindow = (start + QPointF(d + 0.5, d + 0.5)) / f;
                const QPointF at = board->mapFrom(&h.w(), inWindow);
                QMouseEvent e(QEvent::MouseButtonPress, at, board->mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(board, &e);
                const int x = pressed.last().at(1).toInt();
                const int y = pressed.last().at(2).toInt();
                const QString where = QString("device %1 on the %2 board").arg(d).arg(n);
                QVERIFY2(pixelToCell(x, p) == cellOf(lines, d), qPrintable(where));
                QVERIFY2(pixelToCell(y, p) == cellOf(lines, d), qPrintable(where));
            }
        }
    }

    // The key frame rings its cell on the very grid lines the board drew.
    void keyFrameOnTheGridLines() {
        WindowHarness h(QGuiApplication::primaryScreen()->geometry());
        QTest::keyClick(&h.w(), Qt::Key_Left);
        QCOMPARE(control<BoardKeys>(h.w(), "boardKeys")->cursorCell(), QPoint(8, 8));
        const QImage empty = shownBoard(h.w());
        const int width = int(std::lround(qApp->devicePixelRatio()));
        const std::vector<Run> lines = gridLinesAlong(empty, width + 2, gridColour(15));
        QCOMPARE(lines.size(), std::size_t(16));
        auto* keys = control<QWidget>(h.w(), "cellCursor");
        const QImage ring = keys->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const int mid = (lines[7].from + lines[8].from) / 2;
        for (int t = 0; t < width; ++t) {
            QCOMPARE(QColor(ring.pixel(lines[7].from + t, mid)), QColor(140, 232, 232));
            QCOMPARE(QColor(ring.pixel(lines[8].from + t, mid)), QColor(140, 232, 232));
        }
        QCOMPARE(qAlpha(ring.pixel(lines[7].from - 1, mid)), 0);
        QCOMPARE(qAlpha(ring.pixel(lines[8].from + 2 * width, mid)), 0);
    }

private:
    static double expectedScale() { return qEnvironmentVariable("ZELVAN_TEST_SCALE").toDouble(); }
};

int main(int argc, char** argv) {
    // ZELVAN_TEST_SCREEN=1920x1080 and the scale it should get.
    const QStringList size = qEnvironmentVariable("ZELVAN_TEST_SCREEN", "1920x1080").split('x');
    FineScaleTest t;
    return runOnScreen(t, argc, argv, QSize(size.value(0).toInt(), size.value(1).toInt()), 1, 0);
}

#include "tst_finescale.moc"
