#include "pieces.h"

#include "paintkit.h"
#include "palette.h"
#include "pictures.h"

#include <QtGui/QPainter>
#include <QtGui/QPainterPathStroker>
#include <QtGui/QRadialGradient>
#include <cmath>

namespace genart {

namespace {

// Soft edges may spill a fraction of a pixel; this keeps the margin clean.
constexpr double kSafety = 0.3;

struct Tones {
    QColor shade, body, ridge, glint;
};

void paintCross(QPainter& p, int pitch, double margin, const Tones& t) {
    const double hw = std::max(pitch * 0.105, 2.1);  // half the arm width
    const double lo = margin + hw + kSafety;
    const double hi = pitch - margin - hw - kSafety;
    QPainterPath diagonals;
    diagonals.moveTo(lo, lo);
    diagonals.lineTo(hi, hi);
    diagonals.moveTo(hi, lo);
    diagonals.lineTo(lo, hi);

    QPainterPathStroker arms;
    arms.setCapStyle(Qt::RoundCap);
    arms.setWidth(2 * hw);
    const QPainterPath body = arms.createStroke(diagonals).simplified();

    // Lit from the top left: the darker tone shows along the lower right rim.
    const double lift = std::max(0.5, pitch / 48.0);
    p.fillPath(body, t.shade);
    p.save();
    p.setClipPath(body);
    p.fillPath(body.translated(-lift, -lift), t.body);
    QPainterPathStroker ridge;
    ridge.setCapStyle(Qt::RoundCap);
    ridge.setWidth(pitch < 27 ? hw * 0.55 : hw * 0.8);
    p.fillPath(ridge.createStroke(diagonals).translated(-lift, -lift), t.ridge);
    // A small sheen where the arms cross.
    const QPointF mid(pitch / 2.0 - lift, pitch / 2.0 - lift);
    QRadialGradient sheen(mid, hw * 1.3);
    sheen.setColorAt(0, QColor(t.glint.red(), t.glint.green(), t.glint.blue(), 150));
    sheen.setColorAt(1, QColor(t.glint.red(), t.glint.green(), t.glint.blue(), 0));
    p.fillPath(body, sheen);
    p.restore();
}

void paintRing(QPainter& p, int pitch, double margin, const Tones& t) {
    const double c = pitch / 2.0;
    const double outer = c - margin - kSafety;
    const double thick = pitch * 0.17;
    const double mid = outer - thick / 2;
    QPainterPath ring;
    ring.addEllipse(QPointF(c, c), outer, outer);
    ring.addEllipse(QPointF(c, c), outer - thick, outer - thick);  // odd-even: a hole

    const double lift = std::max(0.5, pitch / 48.0);
    p.fillPath(ring, t.shade);
    p.save();
    p.setClipPath(ring);
    p.fillPath(ring.translated(-lift, -lift), t.body);
    // A glint on the upper left of the band.
    QPen glint(QColor(t.glint.red(), t.glint.green(), t.glint.blue(), 190), thick * 0.32,
               Qt::SolidLine, Qt::RoundCap);
    p.setPen(glint);
    const QRectF arc(c - mid - lift, c - mid - lift, 2 * mid, 2 * mid);
    p.drawArc(arc, 105 * 16, 50 * 16);
    p.restore();
}

void paintBall(QPainter& p, int pitch, double margin, const QColor& centre, const Tones& t) {
    const double c = pitch / 2.0;
    const double r = c - margin - kSafety;
    const QPointF focal(c - 0.34 * r, c - 0.40 * r);
    // The centre colour lands on the middle pixel (its centre, for even sizes).
    const double pc = pitch / 2 + 0.5;
    const double toCentre = std::hypot(pc - focal.x(), pc - focal.y());
    const double reach = toCentre + r;

    QRadialGradient body(focal, reach, focal);
    body.setColorAt(0.0, t.glint);
    body.setColorAt(toCentre / reach, centre);
    body.setColorAt(0.86, t.shade);
    body.setColorAt(1.0, mix(t.shade, Qt::black, 0.35));
    QPainterPath disc;
    disc.addEllipse(QPointF(c, c), r, r);
    p.fillPath(disc, body);

    p.save();
    p.setClipPath(disc);
    // Light bounced back from the board along the lower right rim.
    QRadialGradient bounce(QPointF(c + 0.55 * r, c + 0.6 * r), r * 0.75);
    bounce.setColorAt(0, QColor(t.body.red(), t.body.green(), t.body.blue(), 90));
    bounce.setColorAt(1, QColor(t.body.red(), t.body.green(), t.body.blue(), 0));
    p.fillPath(disc, bounce);
    // The specular spot.
    QRadialGradient spot(focal, r * 0.42);
    spot.setColorAt(0, QColor(255, 255, 255, 210));
    spot.setColorAt(0.5, QColor(255, 255, 255, 70));
    spot.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(disc, spot);
    p.restore();
}

}  // namespace

QImage pieceFigure(PieceKind kind, bool blue, bool highlighted, int pitch, double margin) {
    QImage img = figureCanvas(pitch, pitch);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    using namespace palette;
    switch (kind) {
    case PieceKind::Cross:
        paintCross(p, pitch, margin,
                   highlighted ? Tones{{104, 104, 214}, kCrossHl, kCrossHlRidge, {236, 236, 255}}
                               : Tones{{34, 34, 168}, kCross, kCrossRidge, {190, 190, 255}});
        break;
    case PieceKind::Ring:
        paintRing(p, pitch, margin,
                  highlighted ? Tones{{176, 96, 0}, kRingHl, kRingHl, {255, 226, 160}}
                              : Tones{{168, 0, 0}, kRing, kRing, {255, 150, 130}});
        break;
    case PieceKind::Ball:
        if (blue) {
            paintBall(p, pitch, margin, highlighted ? kBallBlueHl : kBallBlue,
                      highlighted ? Tones{{30, 30, 118}, {120, 120, 255}, {}, {206, 206, 255}}
                                  : Tones{{14, 14, 70}, {90, 90, 220}, {}, {172, 172, 250}});
        } else {
            paintBall(p, pitch, margin, highlighted ? kBallRedHl : kBallRed,
                      highlighted ? Tones{{112, 20, 18}, {255, 110, 90}, {}, {255, 196, 176}}
                                  : Tones{{62, 6, 6}, {220, 70, 60}, {}, {255, 146, 128}});
        }
        break;
    }
    return img;
}

Pictures paintPieces() {
    Pictures out;
    struct Style {
        const char* blueName;
        const char* redName;
        PieceKind blueKind, redKind;
    };
    const Style styles[] = {{"cross", "ring", PieceKind::Cross, PieceKind::Ring},
                            {"ball", "ball", PieceKind::Ball, PieceKind::Ball}};
    for (const Style& style : styles) {
        for (bool blue : {true, false}) {
            const PieceKind kind = blue ? style.blueKind : style.redKind;
            for (int pitch : {36, 27, 18}) {
                // Crosses and rings of 36 and 18 sit on black, everything else on
                // the board colour, so they blend with the cell or stand out from it.
                const bool onBlack = kind != PieceKind::Ball && pitch != 27;
                const QColor back = onBlack ? palette::kBlack : palette::kBoard;
                const double margin = (kind != PieceKind::Ball && pitch == 36) ? 4 : 2;
                for (bool hl : {false, true}) {
                    const QImage figure = pieceFigure(kind, blue, hl, pitch, margin);
                    const QString name =
                        QStringLiteral("pieces/%1-%2-%3%4.png")
                            .arg(QLatin1String(blue ? style.blueName : style.redName))
                            .arg(QLatin1String(blue ? "blue" : "red"))
                            .arg(pitch)
                            .arg(QLatin1String(hl ? "-hl" : ""));
                    out.push_back({name, flatten(figure, opaqueCanvas(pitch, pitch, back))});
                }
            }
        }
    }
    return out;
}

}  // namespace genart
