#include "app/ui/layout.h"
#include "paintkit.h"
#include "palette.h"
#include "pictures.h"

#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QRadialGradient>
#include <functional>

// The button glyph strips: four square frames side by side, the normal face,
// a lighter lifted face for the mouse, the pressed face and a greyed face.
// Everything a face leaves uncovered is the key colour, which the button
// leaves transparent; the soft edges are blended into the very artwork the
// button sits on.

namespace genart {

namespace {

enum class Face { Normal, Hover, Pressed, Disabled };
constexpr Face kFaces[] = {Face::Normal, Face::Hover, Face::Pressed, Face::Disabled};

QColor greyed(const QColor& c) {
    const int v = (c.red() * 30 + c.green() * 59 + c.blue() * 11) / 100;
    return mix(QColor(v, v, v, c.alpha()), QColor(128, 136, 136, c.alpha()), 0.35);
}

// The colours of one face, given those of the normal face.
QColor tone(const QColor& c, Face face) {
    switch (face) {
    case Face::Normal:
        return c;
    case Face::Hover:
        return mix(c, QColor(255, 255, 255, c.alpha()), 0.22);
    case Face::Pressed:
        return mix(c, QColor(0, 30, 34, c.alpha()), 0.2);
    case Face::Disabled:
        return greyed(c);
    }
    return c;
}

struct CapTones {
    QColor top, bottom, rimLight, rimDark;
};

// A rounded key cap. Lifted a pixel and casting a longer shadow under the
// mouse; sunk and shaded from the top when pressed.
QRectF paintCap(QPainter& p, QRectF r, double radius, Face face, const CapTones& t) {
    if (face == Face::Hover) r.translate(0, -1);
    if (face != Face::Pressed) {
        const double drop = face == Face::Hover ? 2.0 : 1.2;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 12, 14, face == Face::Hover ? 70 : 90));
        p.drawRoundedRect(r.translated(drop * 0.6, drop), radius, radius);
        if (face == Face::Hover) {
            p.setBrush(QColor(0, 12, 14, 40));
            p.drawRoundedRect(r.translated(1.2, 2.6).adjusted(-0.5, -0.5, 0.5, 0.5), radius + 0.5,
                              radius + 0.5);
        }
    }
    QLinearGradient body(0, r.top(), 0, r.bottom());
    body.setColorAt(0, tone(t.top, face));
    body.setColorAt(1, tone(t.bottom, face));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(r, radius, radius);

    QLinearGradient rim(r.topLeft(), r.bottomRight());
    const bool sunk = face == Face::Pressed;
    rim.setColorAt(0, tone(sunk ? t.rimDark : t.rimLight, face));
    rim.setColorAt(1, tone(sunk ? t.rimLight : t.rimDark, face));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), 1.0));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);

    QLinearGradient gloss(0, r.top(), 0, r.center().y());
    if (sunk) {
        gloss.setColorAt(0, QColor(0, 20, 24, 90));
        gloss.setColorAt(1, QColor(0, 20, 24, 0));
    } else {
        gloss.setColorAt(0, QColor(255, 255, 255, face == Face::Hover ? 80 : 55));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    return r;
}

const CapTones kTile{{178, 228, 229}, {100, 168, 171}, {236, 253, 253}, {34, 88, 92}};
const CapTones kToggleKey{
    palette::kToggleLight, palette::kToggleFace, {236, 248, 248}, palette::kToggleShade};

// An engraved mark: a light edge under a dark fill.
void engrave(QPainter& p, const QPainterPath& mark, Face face) {
    p.setPen(Qt::NoPen);
    p.fillPath(mark.translated(0, 0.8), tone(QColor(226, 250, 250, 150), face));
    // Under the mouse the mark turns a deeper teal instead of fading.
    p.fillPath(mark, face == Face::Hover ? QColor(0, 86, 92) : tone(QColor(28, 74, 78), face));
}

QPainterPath letter(const QString& text, const QRectF& cap, double size) {
    const QFont font = boldFont(size);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    return path.translated(cap.center() - box.center());
}

using FacePainter = std::function<void(QPainter&, Face)>;

// One strip: four frames of `size`, each laid over `behind` and keyed.
QImage strip(int size, const QImage& behind, const FacePainter& paintFace) {
    QImage out = opaqueCanvas(4 * size, size, palette::kGlyphKey);
    QPainter strip(&out);
    int x = 0;
    for (Face face : kFaces) {
        QImage figure = figureCanvas(size, size);
        {
            QPainter p(&figure);
            p.setRenderHint(QPainter::Antialiasing);
            paintFace(p, face);
        }
        strip.drawImage(x, 0, keyed(figure, behind, palette::kGlyphKey));
        x += size;
    }
    return out;
}

void paintPlayFace(QPainter& p, Face face) {
    // Centred on the round well: the well's centre pixel (106, 322) lies at
    // (31, 29) of the frame, which the button draws at (75, 293).
    QPointF c(31.5, 29.5);
    const double r = 25.5;
    if (face == Face::Hover) c.ry() -= 1;

    if (face != Face::Pressed) {
        QRadialGradient shadow(c + QPointF(1.2, 2.2), r + 3);
        shadow.setColorAt(0.85, QColor(0, 14, 16, 130));
        shadow.setColorAt(1.0, QColor(0, 14, 16, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawEllipse(c + QPointF(1.2, 2.2), r + 3, r + 3);
    }
    // Bezel: brushed teal, lit from the top left.
    QLinearGradient bezel(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
    bezel.setColorAt(0, tone({176, 240, 240}, face));
    bezel.setColorAt(0.5, tone({52, 150, 154}, face));
    bezel.setColorAt(1, tone({8, 52, 56}, face));
    p.setPen(Qt::NoPen);
    p.setBrush(bezel);
    p.drawEllipse(c, r, r);
    // Face: slightly dished.
    const double fr = r - 4;
    QLinearGradient dish(c.x() - fr, c.y() - fr, c.x() + fr, c.y() + fr);
    dish.setColorAt(0, tone({22, 104, 108}, face));
    dish.setColorAt(1, tone({84, 192, 196}, face));
    p.setBrush(dish);
    p.drawEllipse(c, fr, fr);
    QRadialGradient glow(c + QPointF(-fr * 0.3, -fr * 0.45), fr * 1.1);
    glow.setColorAt(0, QColor(190, 255, 255, face == Face::Pressed ? 30 : 70));
    glow.setColorAt(1, QColor(190, 255, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(c, fr, fr);
    if (face == Face::Pressed) {
        QLinearGradient sink(0, c.y() - fr, 0, c.y());
        sink.setColorAt(0, QColor(0, 20, 24, 110));
        sink.setColorAt(1, QColor(0, 20, 24, 0));
        p.setBrush(sink);
        p.drawEllipse(c, fr, fr);
    }

    // The triangle, optically centred (a little right of the middle).
    const double h = 22;
    const double w = h * 0.88;
    const QPointF tc = c + QPointF(w / 6 + 0.5, 0);
    QPainterPath tri;
    tri.moveTo(tc + QPointF(-w / 2, -h / 2));
    tri.lineTo(tc + QPointF(w / 2, 0));
    tri.lineTo(tc + QPointF(-w / 2, h / 2));
    tri.closeSubpath();
    QPainterPathStroker round;
    round.setWidth(3);
    round.setJoinStyle(Qt::RoundJoin);
    const QPainterPath mark = tri.united(round.createStroke(tri)).simplified();
    if (face == Face::Hover) {
        for (int i = 3; i >= 1; --i) {
            QPainterPathStroker halo;
            halo.setWidth(2.0 * i);
            halo.setJoinStyle(Qt::RoundJoin);
            p.fillPath(halo.createStroke(mark), QColor(200, 255, 255, 34));
        }
    }
    p.fillPath(mark.translated(0.8, 1.2), QColor(0, 30, 34, 140));
    QLinearGradient light(0, tc.y() - h / 2, 0, tc.y() + h / 2);
    light.setColorAt(0, tone({250, 255, 255}, face));
    light.setColorAt(1, tone({176, 236, 238}, face));
    p.fillPath(mark, light);
}

void paintExitFace(QPainter& p, Face face) {
    QPointF c(9, 9);
    if (face == Face::Hover) c.ry() -= 0.5;
    const double r = 7.6;
    // Under the mouse the button warms up to a lit red: this one ends the game.
    const bool warm = face == Face::Hover;
    QRadialGradient body(c + QPointF(-2, -3), r * 1.6);
    body.setColorAt(0, warm ? QColor(246, 128, 110) : tone({62, 150, 154}, face));
    body.setColorAt(1, warm ? QColor(150, 34, 26) : tone({10, 52, 56}, face));
    p.setPen(QPen(warm ? QColor(255, 196, 184) : tone({150, 226, 228}, face), 1.3));
    p.setBrush(body);
    p.drawEllipse(c, r, r);
    const QColor cross = warm ? QColor(255, 255, 255) : tone({196, 246, 246}, face);
    p.setPen(QPen(QColor(0, 20, 24, 150), 2.0, Qt::SolidLine, Qt::RoundCap));
    const double a = 3.0;
    p.drawLine(c + QPointF(-a + 0.5, -a + 0.8), c + QPointF(a + 0.5, a + 0.8));
    p.drawLine(c + QPointF(a + 0.5, -a + 0.8), c + QPointF(-a + 0.5, a + 0.8));
    p.setPen(QPen(cross, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-a, -a), c + QPointF(a, a));
    p.drawLine(c + QPointF(a, -a), c + QPointF(-a, a));
}

void paintSizeFace(QPainter& p, Face face) {
    const QRectF cap = paintCap(p, QRectF(2, 2, 32, 32), 5, face, kTile);
    // Divided in four: two grooves through the middle.
    const QPointF m = cap.center();
    QPainterPath grooves;
    grooves.addRect(QRectF(m.x() - 1, cap.top() + 4, 2, cap.height() - 8));
    grooves.addRect(QRectF(cap.left() + 4, m.y() - 1, cap.width() - 8, 2));
    engrave(p, grooves.simplified(), face);
}

void paintStopFace(QPainter& p, Face face) {
    const QRectF cap = paintCap(p, QRectF(2, 2, 32, 32), 5, face, kTile);
    // The stop mark: a rounded square, engraved like the size tile's grooves.
    const QPointF m = cap.center();
    QPainterPath mark;
    mark.addRoundedRect(QRectF(m.x() - 6.5, m.y() - 6.5, 13, 13), 2.5, 2.5);
    engrave(p, mark, face);
}

FacePainter letterTile(const QString& text) {
    return [text](QPainter& p, Face face) {
        const QRectF cap = paintCap(p, QRectF(2.5, 2.5, 20, 20), 4, face, kTile);
        engrave(p, letter(text, cap, 14), face);
    };
}

void paintChevronFace(QPainter& p, Face face) {
    const QRectF cap = paintCap(p, QRectF(2.5, 2.5, 20, 20), 4, face, kTile);
    const QPointF m = cap.center() + QPointF(1, 0);
    QPainterPath chevron;
    chevron.moveTo(m + QPointF(-3, -5));
    chevron.lineTo(m + QPointF(2.5, 0));
    chevron.lineTo(m + QPointF(-3, 5));
    QPainterPathStroker pen;
    pen.setWidth(2.8);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    engrave(p, pen.createStroke(chevron).simplified(), face);
}

void paintHumanComputerKey(QPainter& p, Face face) {
    const QRectF cap = paintCap(p, QRectF(2, 1.5, 14, 14), 3, face, kTile);
    // Who plays Red: a person in front of a computer's screen. The screen is
    // cut back around the person so the two read apart at this size.
    const QPointF o = cap.topLeft();
    QPainterPath person;
    person.addEllipse(o + QPointF(4.0, 5.9), 1.8, 1.8);
    // Shoulders: the top of a rounded block, cut off level at the bottom.
    QPainterPath body;
    body.addRoundedRect(QRectF(o + QPointF(1.0, 8.5), QSizeF(6.0, 5.0)), 2.5, 2.5);
    QPainterPath trunk;
    trunk.addRect(QRectF(o + QPointF(1.0, 8.5), QSizeF(6.0, 3.5)));
    person = person.united(body.intersected(trunk));
    // The screen on a flat foot, a pixel row apart, on whole pixels.
    QPainterPath screen;
    screen.addRoundedRect(QRectF(o + QPointF(6.0, 2.5), QSizeF(6.0, 5.0)), 0.8, 0.8);
    screen.addRect(QRectF(o + QPointF(7.5, 8.5), QSizeF(3.0, 1.0)));
    QPainterPathStroker gap;
    gap.setWidth(1.8);
    screen = screen.simplified().subtracted(person.united(gap.createStroke(person)));
    engrave(p, person.united(screen).simplified(), face);
}

void paintToggleKey(QPainter& p, Face face) {
    const QRectF cap = paintCap(p, QRectF(2, 1.5, 14, 14), 2.5, face, kToggleKey);
    // A small dimple, so the key reads as something to press.
    QRadialGradient dimple(cap.center() + QPointF(0.5, 0.5), 3.5);
    dimple.setColorAt(0, tone({79, 157, 157, 110}, face));
    dimple.setColorAt(1, QColor(79, 157, 157, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(dimple);
    p.drawEllipse(cap.center(), 3.5, 3.5);
}

}  // namespace

Pictures paintGlyphs(const QImage& background, const QImage& optionsPanel) {
    using namespace layout;
    auto on = [&background](QPoint at, int size) { return crop(background, at, size, size); };
    Pictures out;
    out.push_back(
        {QStringLiteral("glyphs/play.png"), strip(59, on(kPlayGlyph, 59), paintPlayFace)});
    out.push_back(
        {QStringLiteral("glyphs/exit.png"), strip(18, on(kExitGlyph, 18), paintExitFace)});
    out.push_back(
        {QStringLiteral("glyphs/size.png"), strip(36, on(kSizeGlyph, 36), paintSizeFace)});
    out.push_back({QStringLiteral("glyphs/humancomputer.png"),
                   strip(18, on(kHumanComputerGlyph, 18), paintHumanComputerKey)});
    out.push_back(
        {QStringLiteral("glyphs/stop.png"), strip(36, on(kStopGlyph, 36), paintStopFace)});
    out.push_back({QStringLiteral("glyphs/help.png"),
                   strip(25, on(kHelpGlyph, 25), letterTile(QStringLiteral("H")))});
    out.push_back({QStringLiteral("glyphs/internet.png"),
                   strip(25, on(kInternetGlyph, 25), letterTile(QStringLiteral("I")))});
    out.push_back(
        {QStringLiteral("glyphs/options.png"), strip(25, on(kOptionsGlyph, 25), paintChevronFace)});
    out.push_back({QStringLiteral("glyphs/toggle.png"),
                   strip(18, crop(optionsPanel, kToggleGlyphOnPanel, 18, 18), paintToggleKey)});
    return out;
}

}  // namespace genart
