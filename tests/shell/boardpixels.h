#pragma once
// Reading the retained board picture back: what a cell shows, and the colour
// of the one-pixel ring around its interior where the last-move frames go.
// Each check returns an empty text on success, else what it found, for
// QVERIFY2.

#include <QColor>
#include <QImage>
#include <QString>

#include "engine/game.h"
#include "shell/mainwindow.h"
#include "ui/artwork.h"
#include "ui/boardpicture.h"

namespace zelvan::test {

inline const QColor kEmptyCell(0, 8, 12);
inline const QColor kTrace(0, 32, 36);
inline const QColor kLiveFrame15(0, 112, 116);
inline const QColor kLiveFrameOther(0, 107, 112);

inline QColor liveFrame(const Game& g) {
    return g.boardSize == 15 ? kLiveFrame15 : kLiveFrameOther;
}

inline QString describe(QRgb c) {
    return QString("RGB(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

inline bool onRing(int x, int y, int p) {
    return x == 0 || y == 0 || x == p - 1 || y == p - 1;
}

// The interior of cell (c, r) against a p x p picture, pixel for pixel; the
// ring is compared too when withRing is set.
inline QString cellShows(const MainWindow& w, int c, int r, const QImage& picture,
                         bool withRing = false) {
    const Game& g = w.game();
    const QImage& board = w.Image1->bitmap();
    const int p = g.cellPitch;
    if (picture.size() != QSize(p, p))
        return QString("picture is %1x%2, cell is %3")
            .arg(picture.width())
            .arg(picture.height())
            .arg(p);
    const int x0 = (c - 1) * (p + 1) + 1;
    const int y0 = (r - 1) * (p + 1) + 1;
    for (int y = 0; y < p; ++y)
        for (int x = 0; x < p; ++x) {
            if (!withRing && onRing(x, y, p)) continue;
            const QRgb got = board.pixel(x0 + x, y0 + y) & 0xffffff;
            const QRgb want = picture.pixel(x, y) & 0xffffff;
            if (got != want)
                return QString("cell (%1,%2) pixel (%3,%4) is %5, picture has %6")
                    .arg(c)
                    .arg(r)
                    .arg(x)
                    .arg(y)
                    .arg(describe(got), describe(want));
        }
    return {};
}

// Every pixel of the ring of cell (c, r) in one colour.
inline QString ringIs(const MainWindow& w, int c, int r, const QColor& colour) {
    const Game& g = w.game();
    const QImage& board = w.Image1->bitmap();
    const int p = g.cellPitch;
    const int x0 = (c - 1) * (p + 1) + 1;
    const int y0 = (r - 1) * (p + 1) + 1;
    for (int y = 0; y < p; ++y)
        for (int x = 0; x < p; ++x) {
            if (!onRing(x, y, p)) continue;
            const QRgb got = board.pixel(x0 + x, y0 + y) & 0xffffff;
            if (got != (colour.rgb() & 0xffffff))
                return QString("cell (%1,%2) ring pixel (%3,%4) is %5, expected %6")
                    .arg(c)
                    .arg(r)
                    .arg(x)
                    .arg(y)
                    .arg(describe(got), describe(colour.rgb()));
        }
    return {};
}

// The ring of cell (c, r) as the piece picture itself has it: no frame.
inline QString ringUnframed(const MainWindow& w, int c, int r, const QImage& picture) {
    const QImage& board = w.Image1->bitmap();
    const int p = w.game().cellPitch;
    const int x0 = (c - 1) * (p + 1) + 1;
    const int y0 = (r - 1) * (p + 1) + 1;
    for (int y = 0; y < p; ++y)
        for (int x = 0; x < p; ++x) {
            if (!onRing(x, y, p)) continue;
            const QRgb got = board.pixel(x0 + x, y0 + y) & 0xffffff;
            if (got != (picture.pixel(x, y) & 0xffffff))
                return QString("cell (%1,%2) ring pixel (%3,%4) is %5, picture has %6")
                    .arg(c)
                    .arg(r)
                    .arg(x)
                    .arg(y)
                    .arg(describe(got), describe(picture.pixel(x, y)));
        }
    return {};
}

// A cell with nothing on it: its whole interior in the board colour.
inline QString cellEmpty(const MainWindow& w, int c, int r) {
    const int p = w.game().cellPitch;
    QImage blank(p, p, QImage::Format_RGB32);
    blank.fill(kEmptyCell);
    return cellShows(w, c, r, blank, true);
}

// The picture a piece of this side has in the current game.
inline const QImage& pieceOf(const Artwork& art, const MainWindow& w, Side side,
                             bool highlighted = false) {
    return art.piece(side, w.game().pieceStyle, w.game().cellPitch, highlighted);
}

}  // namespace zelvan::test
