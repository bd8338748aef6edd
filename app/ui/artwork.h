#pragma once
// The program's pictures, loaded once from the embedded resources: the piece
// pictures by side, style, size and variant, the glyph strips, the icons.

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>

#include "core/engine/pieces.h"

namespace zelvan {

class Artwork {
public:
    Artwork();

    // The p x p picture of a piece: style 1 crosses and rings, 0 balls.
    const QImage& piece(Side side, int style, int pitch, bool highlighted) const;
    // An icon ("icons/<name>"), keyed transparent; decoded once, on first use.
    const QPixmap& icon(const QString& name);

    // ":/art/<name>", or a 1x1 black image. On a screen drawn `scale` times
    // finer, the picture painted at that scale ("<name>@2x.png") with the
    // scale as its device pixel ratio, so it shows at its usual size, sharp.
    static QImage load(const QString& name, int scale = Artwork::scale());
    // The scale of the pictures for this run: the windows' device pixel
    // ratio, rounded to one the pictures come in (1, 2 or 3).
    static int scale();
    // A picture drawn transparently: its bottom-left pixel's colour becomes
    // fully transparent wherever it occurs.
    static QPixmap keyed(const QImage& picture);

private:
    // [side][style][size index 0..2][highlighted]
    QImage pieces_[2][2][3][2];
    QHash<QString, QPixmap> icons_;
};

}  // namespace zelvan
