#pragma once
// Reading the retained board picture back: what a cell shows, and the colour
// of the one-pixel ring around its interior where the last-move frames go.
// Each check returns an empty text on success, else what it found, for
// QVERIFY2.

#include <QColor>
#include <QImage>
#include <QString>

#include "app/shell/mainwindow.h"
#include "app/ui/artwork.h"
#include "app/ui/boardpicture.h"
#include "support/controls.h"
#include "support/gameview.h"

namespace zelvan::test {

inline const QColor kEmptyCell(0, 8, 12);
inline const QColor kTrace(0, 32, 36);
inline const QColor kLiveFrame15(0, 112, 116);
inline const QColor kLiveFrameOther(0, 107, 112);

inline QColor liveFrame(const GameView& g) {
    return g.boardSize() == 15 ? kLiveFrame15 : kLiveFrameOther;
}

inline QString describe(QRgb c) {
    return QString("RGB(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

inline bool onRing(int x, int y, int p) {
    return x == 0 || y == 0 || x == p - 1 || y == p - 1;
}

// Which pixels of a p x p cell a check looks at.
enum class Pixels { Interior, Ring, All };

// The first pixel of cell (c, r) among `which` that differs from want(x, y),
// told as "<what> (x,y) is <got>, <wantSays> <wanted>"; empty when none does.
template <class Want>
QString firstMismatch(const MainWindow& w, int c, int r, Pixels which, Want want, const char* what,
                      const char* wantSays) {
    const QImage& board = control<BoardPicture>(w, "board")->bitmap();
    const int p = GameView{w}.cellPitch();
    const int x0 = (c - 1) * (p + 1) + 1;
    const int y0 = (r - 1) * (p + 1) + 1;
    for (int y = 0; y < p; ++y)
        for (int x = 0; x < p; ++x) {
            const bool ring = onRing(x, y, p);
            if ((which == Pixels::Interior && ring) || (which == Pixels::Ring && !ring)) continue;
            const QRgb got = board.pixel(x0 + x, y0 + y) & 0xffffff;
            const QRgb wanted = want(x, y) & 0xffffff;
            if (got != wanted)
                return QString("cell (%1,%2) %3 (%4,%5) is %6, %7 %8")
                    .arg(c)
                    .arg(r)
                    .arg(what)
                    .arg(x)
                    .arg(y)
                    .arg(describe(got), wantSays, describe(wanted));
        }
    return {};
}

// The interior of cell (c, r) against a p x p picture, pixel for pixel; the
// ring is compared too when withRing is set.
inline QString cellShows(const MainWindow& w, int c, int r, const QImage& picture,
                         bool withRing = false) {
    const int p = GameView{w}.cellPitch();
    if (picture.size() != QSize(p, p))
        return QString("picture is %1x%2, cell is %3")
            .arg(picture.width())
            .arg(picture.height())
            .arg(p);
    return firstMismatch(
        w, c, r, withRing ? Pixels::All : Pixels::Interior,
        [&](int x, int y) { return picture.pixel(x, y); }, "pixel", "picture has");
}

// Every pixel of the ring of cell (c, r) in one colour.
inline QString ringIs(const MainWindow& w, int c, int r, const QColor& colour) {
    return firstMismatch(
        w, c, r, Pixels::Ring, [&](int, int) { return colour.rgb(); }, "ring pixel", "expected");
}

// The ring of cell (c, r) as the piece picture itself has it: no frame.
inline QString ringUnframed(const MainWindow& w, int c, int r, const QImage& picture) {
    return firstMismatch(
        w, c, r, Pixels::Ring, [&](int x, int y) { return picture.pixel(x, y); }, "ring pixel",
        "picture has");
}

// A cell with nothing on it: its whole interior in the board colour.
inline QString cellEmpty(const MainWindow& w, int c, int r) {
    const int p = GameView{w}.cellPitch();
    QImage blank(p, p, QImage::Format_RGB32);
    blank.fill(kEmptyCell);
    return cellShows(w, c, r, blank, true);
}

// The picture a piece of this side has in the current game.
inline const QImage& pieceOf(const Artwork& art, const MainWindow& w, Side side,
                             bool highlighted = false) {
    return art.piece(side, GameView{w}.pieceStyle(), GameView{w}.cellPitch(), highlighted);
}

}  // namespace zelvan::test
