#include "app/ui/layout.h"
#include "paintkit.h"
#include "palette.h"
#include "pictures.h"

#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QRadialGradient>

// The 800x600 background: a dark teal console holding the board well on the
// right and, on the left, a light control panel, the clock strip and a black
// bay where the chat panel opens.

namespace genart {

namespace {

using namespace layout;
using palette::kPanel;
using palette::kWell;

// The tower ends here; below it, left of the board well, the window is black.
constexpr int kTowerBottom = 397;

QPainterPath consoleShape() {
    QPainterPath tower;
    tower.addRoundedRect(QRectF(0, 0, 240, kTowerBottom), 10, 10);
    QPainterPath upper;
    upper.addRoundedRect(QRectF(190, 0, kWidth - 190, 430), 10, 10);
    QPainterPath lower;
    lower.addRoundedRect(QRectF(kBoardWell.left(), 200, kWidth - kBoardWell.left(), kHeight - 200),
                         10, 10);
    QPainterPath bay;
    bay.addRect(QRectF(-1, kTowerBottom, kBoardWell.left() + 1, kHeight - kTowerBottom + 1));
    return tower.united(upper).united(lower).subtracted(bay).simplified();
}

void paintConsole(QPainter& p) {
    const QPainterPath shape = consoleShape();
    QLinearGradient metal(0, 0, 0, kHeight);
    metal.setColorAt(0.0, palette::kMetalTop);
    metal.setColorAt(0.55, mix(palette::kMetalTop, palette::kMetalBottom, 0.6));
    metal.setColorAt(1.0, palette::kMetalBottom);
    p.fillPath(shape, metal);

    // A soft sheen across the top, as if lit from above the screen.
    QLinearGradient sheen(0, 0, 0, 60);
    sheen.setColorAt(0, QColor(160, 230, 234, 34));
    sheen.setColorAt(1, QColor(160, 230, 234, 0));
    p.fillPath(shape, sheen);

    // Rim: lit along the top and left, in shadow along the bottom and right.
    QLinearGradient rim(0, 0, kWidth, kHeight);
    rim.setColorAt(0.0, palette::kMetalLight);
    rim.setColorAt(0.5, mix(palette::kMetalLight, palette::kMetalShade, 0.55));
    rim.setColorAt(1.0, palette::kMetalShade);
    p.save();
    p.setClipPath(shape);
    p.strokePath(shape, QPen(QBrush(rim), 2.0));
    QLinearGradient inner(0, 0, kWidth, kHeight);
    inner.setColorAt(0.0, QColor(120, 190, 194, 70));
    inner.setColorAt(1.0, QColor(0, 0, 0, 60));
    p.strokePath(shape, QPen(QBrush(inner), 5.0));
    p.restore();
}

// A sunken lip around a rectangular field: shadow on the upper left, light
// catching the lower right. Rings are drawn from the outside in, without
// anti-aliasing, so the field itself is untouched.
void sunkenLip(QPainter& p, const QRect& field, const QColor& base, int width, double depth) {
    for (int i = width; i >= 1; --i) {
        const double t = 1.0 - static_cast<double>(i - 1) / width;  // 1 next to the field
        const QColor shade = mix(base, palette::kMetalShade, depth * (0.35 + 0.65 * t));
        const QColor light = mix(base, QColor(190, 240, 240), depth * (0.25 + 0.55 * t));
        bevelRing(p, field.adjusted(-i, -i, i, i), shade, light);
    }
}

void paintBoardWell(QPainter& p) {
    sunkenLip(p, kBoardWell, palette::kMetalBottom, 4, 0.75);
    p.fillRect(kBoardWell, palette::kBoardWell);
}

void paintTitle(QPainter& p) {
    const QFont font = boldFont(23);
    const QPainterPath word = letteringPath(QStringLiteral("ZELVAN"), font, 96, 27.5, 5.5);
    p.fillPath(word.translated(1.2, 1.6), QColor(0, 0, 0, 170));
    QLinearGradient face(0, 10, 0, 28);
    face.setColorAt(0.0, QColor(214, 252, 252));
    face.setColorAt(0.5, QColor(140, 222, 224));
    face.setColorAt(0.52, QColor(96, 186, 190));
    face.setColorAt(1.0, QColor(150, 222, 224));
    p.fillPath(word, face);
    p.strokePath(word, QPen(QColor(8, 40, 44, 120), 0.6));
}

void paintExitSocket(QPainter& p) {
    const QPointF c(kExitGlyph.x() + 9.0, kExitGlyph.y() + 9.0);
    QRadialGradient hole(c + QPointF(-2, -2), 12);
    hole.setColorAt(0, QColor(4, 20, 23));
    hole.setColorAt(1, QColor(10, 40, 44));
    p.setPen(Qt::NoPen);
    p.setBrush(hole);
    p.drawEllipse(c, 10.5, 10.5);
    QLinearGradient lip(c.x() - 11, c.y() - 11, c.x() + 11, c.y() + 11);
    lip.setColorAt(0, QColor(0, 0, 0, 160));
    lip.setColorAt(1, QColor(120, 200, 204, 170));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(lip), 1.2));
    p.drawEllipse(c, 11, 11);
}

// A small screw head holding the panel.
void paintScrew(QPainter& p, QPointF c) {
    QRadialGradient head(c + QPointF(-0.8, -0.8), 3.2);
    head.setColorAt(0, QColor(236, 250, 250));
    head.setColorAt(1, QColor(104, 150, 152));
    p.setPen(QPen(QColor(80, 126, 128), 0.6));
    p.setBrush(head);
    p.drawEllipse(c, 2.6, 2.6);
    p.setPen(QPen(QColor(70, 112, 114), 0.9));
    p.drawLine(c + QPointF(-1.6, 1.6), c + QPointF(1.6, -1.6));
}

// An engraved line across the panel.
void paintGroove(QPainter& p, int y, int x0, int x1) {
    QLinearGradient dark(x0, 0, x1, 0);
    dark.setColorAt(0, QColor(112, 160, 162, 0));
    dark.setColorAt(0.15, QColor(112, 160, 162));
    dark.setColorAt(0.85, QColor(112, 160, 162));
    dark.setColorAt(1, QColor(112, 160, 162, 0));
    QLinearGradient light(x0, 0, x1, 0);
    light.setColorAt(0, QColor(214, 242, 242, 0));
    light.setColorAt(0.15, QColor(214, 242, 242));
    light.setColorAt(0.85, QColor(214, 242, 242));
    light.setColorAt(1, QColor(214, 242, 242, 0));
    p.fillRect(QRect(x0, y, x1 - x0 + 1, 1), dark);
    p.fillRect(QRect(x0, y + 1, x1 - x0 + 1, 1), light);
}

// A rounded recess in the well colour with a soft lip, behind a button.
void paintButtonWell(QPainter& p, const QRectF& r, double radius) {
    paintRecess(p, r, radius, kWell,
                {QColor(88, 138, 140), QColor(222, 246, 246), 1.5, QColor(0, 20, 24, 110), 4});
}

void paintPlayWell(QPainter& p) {
    const QPointF c(kPlayWellCentre.x() + 0.5, kPlayWellCentre.y() + 0.5);
    const double r = kPlayWellDiameter / 2.0;
    QLinearGradient lip(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
    lip.setColorAt(0, QColor(82, 132, 134));
    lip.setColorAt(1, QColor(226, 248, 248));
    p.setPen(Qt::NoPen);
    p.setBrush(lip);
    p.drawEllipse(c, r + 2.4, r + 2.4);
    // A soft edge first, then the well itself, exactly in its colour: every pixel whose centre lies
    // within the diameter.
    p.setBrush(kWell);
    p.drawEllipse(c, r + 0.5, r + 0.5);
    // Pixel by pixel of the picture, whatever its scale: one of the scene's
    // pixels is s x s of them.
    const int s = paintScale();
    const double r2 = r * r;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = (kPlayWellCentre.y() - 36) * s; y < (kPlayWellCentre.y() + 37) * s; ++y) {
        for (int x = (kPlayWellCentre.x() - 36) * s; x < (kPlayWellCentre.x() + 37) * s; ++x) {
            const double dx = (x + 0.5) / s - c.x();
            const double dy = (y + 0.5) / s - c.y();
            if (dx * dx + dy * dy <= r2)
                p.fillRect(QRectF(double(x) / s, double(y) / s, 1.0 / s, 1.0 / s), kWell);
        }
    }
    p.restore();
}

// Small engraved names beside the players' icons.
void paintSideNames(QPainter& p) {
    const QFont font = boldFont(9);
    const struct {
        const char* name;
        QPoint icon;
    } sides[] = {{"RED", kRedPlayerIcon}, {"BLUE", kBluePlayerIcon}};
    for (const auto& side : sides) {
        QPainterPath text = letteringPath(QString::fromLatin1(side.name), font, 0, 0, 1.2);
        const QRectF box = text.boundingRect();
        text.translate(side.icon.x() - 4 - box.right(), side.icon.y() + 9 + box.height() / 2);
        p.fillPath(text.translated(0, 1), QColor(214, 242, 242));
        p.fillPath(text, QColor(84, 132, 136));
    }
}

void paintScoreBoxes(QPainter& p) {
    for (const QRect& box : {kRedScoreBox, kBlueScoreBox}) {
        bevelRing(p, box.adjusted(-2, -2, 2, 2), QColor(128, 176, 178), QColor(186, 226, 226));
        bevelRing(p, box.adjusted(-1, -1, 1, 1), QColor(92, 138, 140), QColor(214, 242, 242));
        p.fillRect(box, kWell);
    }
}

void paintIndicatorSlots(QPainter& p) {
    for (const QPoint& icon : {kConnectionIcon, kStyleIcon, kTurnIcon}) {
        const QRectF slot(icon.x() - 6, icon.y() - 4, 142, 26);
        QLinearGradient lip(0, slot.top(), 0, slot.bottom());
        lip.setColorAt(0, QColor(112, 160, 162));
        lip.setColorAt(1, QColor(214, 242, 242));
        p.setPen(Qt::NoPen);
        p.setBrush(lip);
        p.drawRoundedRect(slot.adjusted(-1, -1, 1, 1), 7, 7);
        p.setBrush(QColor(146, 196, 197));
        p.drawRoundedRect(slot, 6, 6);
    }
}

void paintLeftPanel(QPainter& p) {
    const QRectF plate(kLeftPanel);
    // Drop shadow on the console.
    for (int i = 6; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 22));
        p.drawRoundedRect(plate.adjusted(-i + 2, -i + 3, i + 2, i + 3), 4 + i, 4 + i);
    }
    p.setBrush(QColor(6, 26, 29));
    p.drawRoundedRect(plate.adjusted(-1, -1, 1, 1), 5, 5);
    p.setBrush(kPanel);
    p.drawRoundedRect(plate, 4, 4);

    // Light shading: a lit top and left edge, a shaded bottom and right edge;
    // the face keeps its colour.
    p.save();
    p.setClipPath([&] {
        QPainterPath clip;
        clip.addRoundedRect(plate, 4, 4);
        return clip;
    }());
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect r = kLeftPanel;
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), QColor(204, 238, 238));
    p.fillRect(QRect(r.left(), r.top() + 1, r.width(), 1), QColor(176, 220, 220));
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), QColor(188, 228, 228));
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), QColor(104, 156, 158));
    p.fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 1), QColor(132, 182, 184));
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), QColor(116, 168, 170));
    p.restore();

    for (QPointF s :
         {QPointF(25.5, 40.5), QPointF(186.5, 40.5), QPointF(25.5, 380.5), QPointF(186.5, 380.5)}) {
        paintScrew(p, s);
    }
    paintSideNames(p);
    paintScoreBoxes(p);
    paintButtonWell(p, QRectF(kHumanComputerGlyph, QSizeF(18, 18)).adjusted(-1, -1, 1, 1), 3);
    paintGroove(p, 126, 28, 183);
    for (const QPoint& g : {kHelpGlyph, kInternetGlyph, kOptionsGlyph}) {
        paintButtonWell(p, QRectF(g, QSizeF(25, 25)).adjusted(0.5, 0.5, -0.5, -0.5), 4);
    }
    paintGroove(p, 173, 28, 183);
    paintIndicatorSlots(p);
    paintGroove(p, 280, 28, 183);
    for (const QPoint& g : {kSizeGlyph, kStopGlyph}) {
        paintButtonWell(p, QRectF(g, QSizeF(36, 36)).adjusted(0.5, 0.5, -0.5, -0.5), 5);
    }
    paintPlayWell(p);
}

void paintClockStrip(QPainter& p) {
    // The strip stays inside the black cover's area, so covering it leaves
    // nothing of it showing.
    const QRect window(kClockRow.left(), kClockCover.top(), kClockCover.right() - kClockRow.left(),
                       kClockRow.bottom() - kClockCover.top() + 1);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = window.top() + 2; y < window.bottom() - 1; y += 2) {
        for (int x = window.left() + 2; x < window.right() - 1; x += 2) {
            p.fillRect(QRect(x, y, 1, 1), QColor(0, 30, 33));
        }
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 62, 66), 1));
    p.drawRoundedRect(QRectF(window).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    // Two faint dividers around the level digit.
    p.setPen(QPen(QColor(0, 48, 52), 1));
    for (double x : {kLevelDigit.left() - 1.5, kGameClock.left() - 0.5})
        p.drawLine(QPointF(x, window.top() + 5), QPointF(x, window.bottom() - 5));
}

}  // namespace

QImage paintBackground() {
    QImage img = opaqueCanvas(kWidth, kHeight, palette::kBlack);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintConsole(p);
    paintBoardWell(p);
    // Keep the bay black, lip included.
    p.fillRect(QRect(0, kTowerBottom, kBoardWell.left(), kHeight - kTowerBottom), palette::kBlack);
    paintTitle(p);
    paintExitSocket(p);
    paintLeftPanel(p);
    paintClockStrip(p);
    return img;
}

}  // namespace genart
