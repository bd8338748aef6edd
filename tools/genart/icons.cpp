#include "app/ui/layout.h"
#include "paintkit.h"
#include "palette.h"
#include "pictures.h"
#include "pieces.h"

#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPathStroker>
#include <QtGui/QRadialGradient>
#include <cmath>
#include <functional>

// The 18x18 pictures of the scoreboard and the indicator rows. Each is drawn
// over the spot of the panel where it shows, then everything it leaves
// uncovered is set to its transparent colour, which is also the colour of its
// bottom-left pixel.

namespace genart {

namespace {

constexpr int kSize = layout::kIconSize;
const QPointF kMid(kSize / 2.0, kSize / 2.0);

using IconPainter = std::function<void(QPainter&)>;

QImage icon(const QImage& behind, const QColor& key, const IconPainter& paint) {
    QImage figure = figureCanvas(kSize, kSize);
    {
        QPainter p(&figure);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        paint(p);
    }
    return keyed(figure, behind, key);
}

QLinearGradient litFromTopLeft(const QRectF& r, const QColor& light, const QColor& dark) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    return g;
}

void paintGear(QPainter& p) {
    constexpr int kTeeth = 8;
    const double outer = 8.2;
    const double root = 6.3;
    QPainterPath gear;
    for (int i = 0; i < kTeeth * 4; ++i) {
        // Each tooth: rise, flat top, fall, flat root.
        const double a = (i - 0.5) * M_PI / (kTeeth * 2);
        const double r = (i % 4 == 1 || i % 4 == 2) ? outer : root;
        const QPointF pt = kMid + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            gear.moveTo(pt);
        else
            gear.lineTo(pt);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(kMid, 2.5, 2.5);
    gear = gear.subtracted(hole);
    const QRectF box(1, 1, 16, 16);
    p.fillPath(gear.translated(0.5, 0.8), QColor(40, 0, 0, 110));
    p.fillPath(gear, litFromTopLeft(box, QColor(255, 116, 100), QColor(150, 18, 14)));
    p.strokePath(gear, QPen(QColor(110, 8, 6), 0.7));
    // A raised hub ring.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 170, 150, 150), 0.9));
    p.drawEllipse(kMid, 4.2, 4.2);
}

void paintPerson(QPainter& p, const QColor& light, const QColor& dark) {
    QPainterPath body;
    body.moveTo(2.5, 17);
    body.cubicTo(2.5, 11.5, 5.5, 10, 9, 10);
    body.cubicTo(12.5, 10, 15.5, 11.5, 15.5, 17);
    body.closeSubpath();
    QPainterPath head;
    head.addEllipse(QPointF(9, 5.4), 3.7, 3.9);
    const QPainterPath person = body.united(head);
    const QRectF box(2, 1, 14, 16);
    p.fillPath(person.translated(0.6, 0.6), QColor(0, 20, 24, 90));
    p.fillPath(person, litFromTopLeft(box, light, dark));
    p.strokePath(person, QPen(mix(dark, Qt::black, 0.35), 0.6));
    QRadialGradient shine(QPointF(7.8, 4.2), 2.4);
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(head, shine);
}

void paintCheck(QPainter& p) {
    QPainterPath tick;
    tick.moveTo(3.2, 9.4);
    tick.lineTo(7.2, 13.4);
    tick.lineTo(14.8, 4.2);
    QPainterPathStroker pen;
    pen.setWidth(3.2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    const QPainterPath mark = pen.createStroke(tick).simplified();
    p.fillPath(mark.translated(0.6, 0.9), QColor(0, 40, 30, 110));
    p.fillPath(mark,
               litFromTopLeft(QRectF(3, 4, 12, 10), QColor(92, 222, 132), QColor(16, 124, 62)));
    p.strokePath(mark, QPen(QColor(8, 86, 44), 0.6));
}

void paintNoConnection(QPainter& p) {
    QPainterPath sign;
    sign.addEllipse(kMid, 7, 7);
    sign.addEllipse(kMid, 4.9, 4.9);
    QPainterPath slash;
    slash.moveTo(kMid + QPointF(-4, 4));
    slash.lineTo(kMid + QPointF(4, -4));
    QPainterPathStroker pen;
    pen.setWidth(2.2);
    const QPainterPath mark = sign.united(pen.createStroke(slash)).simplified();
    p.fillPath(mark.translated(0.5, 0.7), QColor(0, 20, 24, 80));
    p.fillPath(mark,
               litFromTopLeft(QRectF(2, 2, 14, 14), QColor(228, 96, 80), QColor(140, 30, 24)));
}

void paintTealDisc(QPainter& p) {
    p.setBrush(QColor(0, 20, 24, 80));
    p.drawEllipse(kMid + QPointF(0.5, 0.7), 6.6, 6.6);
    QRadialGradient disc(kMid + QPointF(-2.2, -2.6), 9.5);
    disc.setColorAt(0, QColor(96, 170, 174));
    disc.setColorAt(0.45, QColor(34, 98, 102));
    disc.setColorAt(1, QColor(8, 44, 48));
    p.setBrush(disc);
    p.drawEllipse(kMid, 6.6, 6.6);
}

void paintTealRing(QPainter& p) {
    QPainterPath ring;
    ring.addEllipse(kMid, 6.6, 6.6);
    ring.addEllipse(kMid, 4.2, 4.2);
    p.fillPath(ring.translated(0.5, 0.7), QColor(0, 20, 24, 80));
    p.fillPath(ring,
               litFromTopLeft(QRectF(2, 2, 14, 14), QColor(80, 156, 160), QColor(12, 58, 62)));
}

IconPainter ball(bool blue) {
    return [blue](QPainter& p) {
        p.setBrush(QColor(0, 20, 24, 80));
        p.drawEllipse(kMid + QPointF(0.5, 0.7), 6.7, 6.7);
        p.drawImage(0, 0, pieceFigure(PieceKind::Ball, blue, false, kSize, 2));
    };
}

}  // namespace

Pictures paintIcons(const QImage& background) {
    using namespace layout;
    using namespace palette;
    auto at = [&background](QPoint where) { return crop(background, where, kSize, kSize); };
    Pictures out;
    out.push_back(
        {QStringLiteral("icons/computer.png"), icon(at(kRedPlayerIcon), kGearKey, paintGear)});
    out.push_back({QStringLiteral("icons/person-red.png"),
                   icon(at(kRedPlayerIcon), kPersonKey, [](QPainter& p) {
                       paintPerson(p, QColor(255, 120, 104), QColor(150, 20, 16));
                   })});
    out.push_back({QStringLiteral("icons/person-blue.png"),
                   icon(at(kBluePlayerIcon), kPersonKey, [](QPainter& p) {
                       paintPerson(p, QColor(140, 140, 255), QColor(34, 34, 170));
                   })});
    out.push_back(
        {QStringLiteral("icons/check.png"), icon(at(kConnectionIcon), kCheckKey, paintCheck)});
    out.push_back({QStringLiteral("icons/noconnection.png"),
                   icon(at(kConnectionIcon), kIndicatorKey, paintNoConnection)});
    out.push_back({QStringLiteral("icons/style-balls.png"),
                   icon(at(kStyleIcon), kIndicatorKey, paintTealDisc)});
    out.push_back({QStringLiteral("icons/style-crosses.png"),
                   icon(at(kStyleIcon), kIndicatorKey, paintTealRing)});
    out.push_back(
        {QStringLiteral("icons/turn-blue.png"), icon(at(kTurnIcon), kIndicatorKey, ball(true))});
    out.push_back(
        {QStringLiteral("icons/turn-red.png"), icon(at(kTurnIcon), kIndicatorKey, ball(false))});
    return out;
}

}  // namespace genart
