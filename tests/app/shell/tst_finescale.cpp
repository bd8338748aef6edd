// The scene at a factor between whole ones (1.75 on 1920x1080, 2.25 on
// 2560x1440, as ZELVAN_TEST_SCREEN names it). The tests find the grid lines
// in the board's picture as the screen shows it; then every line must be
// equally wide, the cells between alike within a pixel, a piece's frame
// inside its cell, and a press on any device pixel must reach the cell that
// pixel lies in.

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <vector>

#include "boardpixels.h"
#include "core/engine/board.h"
#include "testscreen.h"
#include "windowharness.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

// Where the grid lines cross one row of the shown board: each line's first
// pixel and width, left to right.
std::vector<QPoint> gridLinesAlong(const QImage& shown, int y, const QColor& grid) {
    std::vector<QPoint> lines;
    for (int x = 0; x < shown.width(); ++x) {
        if (shown.pixelColor(x, y) != grid) continue;
        if (!lines.empty() && lines.back().x() + lines.back().y() == x)
            lines.back().ry() += 1;
        else
            lines.emplace_back(x, 1);
    }
    return lines;
}

QImage shownBoard(MainWindow& w) {
    return control<BoardPicture>(w, "board")
        ->grab()
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The cell a device pixel lies in: a line belongs to the cell left of it.
int cellOf(const std::vector<QPoint>& lines, int device) {
    int cell = 1;
    for (std::size_t k = 1; k + 1 < lines.size(); ++k)
        if (device >= lines[k].x() + lines[k].y()) cell = int(k) + 1;
    return cell;
}

int lineWidth() {
    return int(std::lround(qApp->devicePixelRatio()));
}

}  // namespace

class FineScaleTest : public QObject {
    Q_OBJECT
private slots:
    // The factor the screen calls for, and pictures at it: the background
    // 800 f pixels wide, a glyph strip of four whole frames, keyed clear.
    void picturesAtTheScale() {
        const double f = qApp->devicePixelRatio();
        QCOMPARE(f, qEnvironmentVariable("ZELVAN_TEST_SCALE").toDouble());
        const QImage background = Artwork::load(QStringLiteral("background.png"));
        QCOMPARE(background.size(), QSize(std::lround(800 * f), std::lround(600 * f)));
        const QImage glyphs = Artwork::loadStrip(QStringLiteral("glyphs/help.png"));
        QCOMPARE(glyphs.width(), 4 * glyphs.height());
        QCOMPARE(qAlpha(glyphs.pixel(0, glyphs.height() - 1)), 0);
    }

    // On every board size n+1 lines, each round(f) pixels wide, from edge
    // to edge; the cells between differ by a pixel at most; a press on each
    // device pixel of the diagonal reaches the cell it lies in.
    void gridAndPressesOnTheScreensPixels() {
        WindowHarness h(QGuiApplication::primaryScreen()->geometry());
        const double f = qApp->devicePixelRatio();
        auto* board = control<BoardPicture>(h.w(), "board");
        QSignalSpy pressed(board, &BoardPicture::mousePressed);
        for (int size = 0; size < 3; ++size, h.press(control<GlyphButton>(h.w(), "sizeButton"))) {
            const int n = h.g().boardSize();
            const QImage shown = shownBoard(h.w());
            const std::vector<QPoint> lines = gridLinesAlong(shown, lineWidth() + 2, gridColour(n));
            QCOMPARE(lines.size(), std::size_t(n) + 1);
            QCOMPARE(lines.front().x(), 0);
            QCOMPARE(lines.back().x() + lineWidth(), shown.width());
            int narrowest = shown.width(), widest = 0;
            for (std::size_t k = 1; k < lines.size(); ++k) {
                QCOMPARE(lines[k].y(), lineWidth());
                narrowest = std::min(narrowest, lines[k].x() - lines[k - 1].x());
                widest = std::max(widest, lines[k].x() - lines[k - 1].x());
            }
            QVERIFY(widest - narrowest <= 1);

            // Device pixels counted from the one the board starts at.
            const QPointF corner = board->mapTo(&h.w(), QPointF(0, 0)) * f;
            const QPointF start(std::round(corner.x()), std::round(corner.y()));
            for (int d = 0; d < shown.width(); ++d) {
                const QPointF at = board->mapFrom(&h.w(), (start + QPointF(d + 0.5, d + 0.5)) / f);
                QMouseEvent e(QEvent::MouseButtonPress, at, board->mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(board, &e);
                const int p = h.g().cellPitch();
                QVERIFY2(pixelToCell(pressed.last().at(1).toInt(), p) == cellOf(lines, d) &&
                             pixelToCell(pressed.last().at(2).toInt(), p) == cellOf(lines, d),
                         qPrintable(QString("device %1 on the %2 board").arg(d).arg(n)));
            }
        }
    }

    // On the smallest cells, a piece's last-move frame is its cell's
    // outermost ring, as wide as a line; the grid lines keep their colour.
    void frameInsideItsCell() {
        WindowHarness h(QGuiApplication::primaryScreen()->geometry());
        for (const char* button : {"sizeButton", "sizeButton", "opponentButton", "playButton"})
            h.press(control<GlyphButton>(h.w(), button));
        h.clickCell(12, 7);
        QCOMPARE(h.g().cell(12, 7), kBlue);
        const QImage shown = shownBoard(h.w());
        const int w = lineWidth();
        const std::vector<QPoint> lines = gridLinesAlong(shown, w + 2, gridColour(30));
        const int left = lines[11].x() + w, right = lines[12].x() - 1;
        const int top = lines[6].x() + w, bottom = lines[7].x() - 1;  // rows as columns
        for (int t = 0; t < w; ++t) {
            QCOMPARE(shown.pixelColor(left - 1 - t, (top + bottom) / 2), gridColour(30));
            QCOMPARE(shown.pixelColor(left + t, (top + bottom) / 2), kLiveFrameOther);
            QCOMPARE(shown.pixelColor((left + right) / 2, bottom - t), kLiveFrameOther);
        }
        QVERIFY(shown.pixelColor(left + w, top + w) != kLiveFrameOther);
    }
};

int main(int argc, char** argv) {
    const QStringList size = qEnvironmentVariable("ZELVAN_TEST_SCREEN", "1920x1080").split('x');
    FineScaleTest t;
    return runOnScreen(t, argc, argv, QSize(size.value(0).toInt(), size.value(1).toInt()), 1, 0);
}

#include "tst_finescale.moc"
