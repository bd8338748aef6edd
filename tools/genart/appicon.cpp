#include "paintkit.h"
#include "palette.h"
#include "pictures.h"
#include "pieces.h"

#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QRadialGradient>
#include <cmath>

// The application icon: a rounded tile of the dark teal console holding a
// corner of the board, with a winning diagonal of five blue crosses and the
// red rings that tried to stop it. Drawn anew at every size, so the grid
// lines fall on whole pixels instead of being blurred by scaling.

namespace genart {

namespace {

constexpr int kCells = 5;

// Where the board's grid lies on an icon of `size` pixels: its top-left grid
// line and the cell step, both whole pixels.
struct Grid {
    int origin;
    int step;
    int side() const { return kCells * step + 1; }
};

Grid gridFor(int size) {
    const int step = static_cast<int>((size * 0.74 - 1) / kCells);
    const int side = kCells * step + 1;
    return {(size - side + 1) / 2, step};
}

void paintTile(QPainter& p, int size) {
    const double s = size;
    const QRectF tile(s * 0.055, s * 0.045, s * 0.89, s * 0.89);
    const double radius = s * 0.17;

    // A soft shadow underneath, so the tile lifts off any desktop.
    for (int i = 3; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 22));
        const double grow = s * 0.008 * i;
        p.drawRoundedRect(tile.translated(0, s * 0.02).adjusted(-grow, -grow, grow, grow),
                          radius + grow, radius + grow);
    }

    QLinearGradient metal(0, tile.top(), 0, tile.bottom());
    metal.setColorAt(0.0, mix(palette::kMetalTop, palette::kMetalLight, 0.25));
    metal.setColorAt(0.5, palette::kMetalTop);
    metal.setColorAt(1.0, palette::kMetalBottom);
    p.setBrush(metal);
    p.drawRoundedRect(tile, radius, radius);

    // Rim: lit along the top and left, in shadow along the bottom and right.
    QLinearGradient rim(tile.topLeft(), tile.bottomRight());
    rim.setColorAt(0.0, palette::kMetalLight);
    rim.setColorAt(0.5, mix(palette::kMetalLight, palette::kMetalShade, 0.55));
    rim.setColorAt(1.0, palette::kMetalShade);
    const double pen = std::max(1.0, s / 64.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), pen));
    p.drawRoundedRect(tile.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), radius - pen / 2,
                      radius - pen / 2);

    // A sheen across the top.
    QLinearGradient sheen(0, tile.top(), 0, tile.top() + tile.height() * 0.3);
    sheen.setColorAt(0, QColor(160, 230, 234, 46));
    sheen.setColorAt(1, QColor(160, 230, 234, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawRoundedRect(tile.adjusted(pen, pen, -pen, -pen), radius - pen, radius - pen);
}

void paintBoard(QPainter& p, int size) {
    const Grid g = gridFor(size);
    const QRect field(g.origin, g.origin, g.side(), g.side());
    const int lip = std::max(1, size / 48);

    // The well the board sits in: dark above and left, catching light below.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = lip; i >= 1; --i) {
        bevelRing(p, field.adjusted(-i, -i, i, i), palette::kMetalShade,
                  mix(palette::kMetalLight, palette::kMetalBottom, 0.35));
    }
    p.fillRect(field, palette::kBoard);
    const QColor line(0, 58, 64);
    for (int k = 0; k <= kCells; ++k) {
        p.fillRect(QRect(g.origin + k * g.step, g.origin, 1, g.side()), line);
        p.fillRect(QRect(g.origin, g.origin + k * g.step, g.side(), 1), line);
    }
    p.setRenderHint(QPainter::Antialiasing);

    // The winning diagonal glows faintly, as the splash's row does.
    const double a = g.origin + 0.5;
    const double b = g.origin + g.side() - 0.5;
    QPainterPath diagonal;
    diagonal.moveTo(a, a);
    diagonal.lineTo(b, b);
    QPainterPathStroker band;
    band.setWidth(g.step * 0.9);
    band.setCapStyle(Qt::FlatCap);
    QLinearGradient glow(QPointF(b, a), QPointF(a, b));
    glow.setColorAt(0.3, QColor(70, 70, 250, 0));
    glow.setColorAt(0.5, QColor(70, 70, 250, 70));
    glow.setColorAt(0.7, QColor(70, 70, 250, 0));
    p.save();
    p.setClipRect(field);
    p.fillPath(band.createStroke(diagonal), glow);
    p.restore();

    // Pieces fill their cells between the grid lines.
    const int pitch = g.step - 1;
    const double margin = std::max(0.0, pitch * 0.06);
    auto cell = [&g](int col, int row) {
        return QPoint(g.origin + 1 + col * g.step, g.origin + 1 + row * g.step);
    };
    const QImage cross = pieceFigure(PieceKind::Ball, true, true, pitch, margin);
    const QImage ring = pieceFigure(PieceKind::Ball, false, true, pitch, margin);
    for (int k = 0; k < kCells; ++k)
        p.drawImage(cell(k, k), cross);
    p.drawImage(cell(3, 1), ring);
    p.drawImage(cell(1, 3), ring);
    p.drawImage(cell(4, 2), ring);
}

QImage paintAppIcon(int size) {
    QImage img = figureCanvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintTile(p, size);
    paintBoard(p, size);
    return img;
}

}  // namespace

Pictures paintAppIcons() {
    Pictures out;
    for (int size : {48, 64, 128, 256}) {
        out.push_back(
            {QStringLiteral("appicon/zelvan-%1.png").arg(size), paintAppIcon(size), true});
    }
    return out;
}

}  // namespace genart
