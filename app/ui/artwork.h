#pragma once
// The program's pictures, loaded once from the embedded resources: the piece
// pictures by side, style, size and variant, the glyph strips, the icons.
//
// Each picture comes painted at 1x, 2x and 3x. A screen drawn at a whole
// factor gets that picture as it is; one drawn at a factor in between
// (1.75, 2.25, ...) gets the next larger one, scaled down smoothly to the
// factor, so it stays sharp and shows at its usual size.

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>

#include "core/engine/pieces.h"

namespace zelvan {

class Artwork {
public:
    Artwork();

    // The picture of a piece: style 1 crosses and rings, 0 balls. It is
    // painted for cells of `pitch` board pixels at sourceScale(): the board
    // scales it to the size its cells have on the screen.
    const QImage& piece(Side side, int style, int pitch, bool highlighted) const;
    // An icon ("icons/<name>"), keyed transparent; decoded once, on first use.
    const QPixmap& icon(const QString& name);

    // ":/art/<name>", or a 1x1 black image, at `scale` times its size with
    // that scale as its device pixel ratio.
    static QImage load(const QString& name, double scale = Artwork::scale());
    // A strip of square frames side by side (a glyph button's faces), keyed
    // on each frame's bottom-left pixel. At a whole scale it comes as it was
    // painted, the key left to the button; in between, each frame is keyed
    // and then scaled on its own, so it keeps a whole width and soft edges.
    static QImage loadStrip(const QString& name, double scale = Artwork::scale());
    // The scale of this run: the windows' device pixel ratio, 1 to 3.
    static double scale();
    // The factor of the pictures a scale draws from: the scale itself when
    // whole, else the next larger one the pictures come in (2 for 1.75).
    static int sourceScale(double scale);
    // A picture drawn transparently: its bottom-left pixel's colour becomes
    // fully transparent wherever it occurs.
    static QPixmap keyed(const QImage& picture);

private:
    // [side][style][size index 0..2][highlighted]
    QImage pieces_[2][2][3][2];
    QHash<QString, QPixmap> icons_;
};

}  // namespace zelvan
