#include "app/ui/layout.h"
#include "paintkit.h"
#include "palette.h"
#include "pictures.h"
#include "pieces.h"

#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QRadialGradient>

// The 320x240 splash picture: the name over a strip of board with a winning
// line, a slot for the progress bar and a tagline underneath.

namespace genart {

namespace {

constexpr int kW = 320;
constexpr int kH = 240;
constexpr int kStep = 28;     // one cell of a 20x20 board: 27 pixels and a grid line
constexpr int kBandTop = 95;  // the strip of board
constexpr int kBandBottom = 172;
constexpr int kGridX0 = 160 - 14 - 5 * kStep;  // grid line left of the middle cell, far left
constexpr int kGridY0 = 103;                   // first horizontal grid line

void paintBackdrop(QPainter& p) {
    QRadialGradient back(QPointF(160, 70), 230);
    back.setColorAt(0, QColor(30, 84, 90));
    back.setColorAt(0.55, QColor(12, 44, 49));
    back.setColorAt(1, QColor(2, 14, 17));
    p.fillRect(QRect(0, 0, kW, kH), back);
}

void paintBoardBand(QPainter& p) {
    QImage band = figureCanvas(kW, kH);
    {
        QPainter b(&band);
        b.fillRect(QRect(0, kBandTop, kW, kBandBottom - kBandTop), palette::kBoard);
        b.setRenderHint(QPainter::Antialiasing, false);
        const QColor line(0, 58, 64);
        for (int x = kGridX0; x < kW; x += kStep)
            b.fillRect(QRect(x, kBandTop, 1, kBandBottom - kBandTop), line);
        for (int y = kGridY0; y < kBandBottom; y += kStep)
            b.fillRect(QRect(0, y, kW, 1), line);

        // Five in a row, lit up, and the two rings that could not stop it.
        b.setRenderHint(QPainter::Antialiasing);
        auto cell = [](int col, int row) {
            return QPoint(kGridX0 + 1 + col * kStep, kGridY0 + 1 + row * kStep);
        };
        QLinearGradient glow(0, kGridY0 + kStep, 0, kGridY0 + 2 * kStep);
        glow.setColorAt(0, QColor(70, 70, 250, 0));
        glow.setColorAt(0.5, QColor(70, 70, 250, 60));
        glow.setColorAt(1, QColor(70, 70, 250, 0));
        b.fillRect(QRect(cell(3, 1).x() - 6, kGridY0 + kStep, 5 * kStep + 11, kStep), glow);
        for (int col = 3; col <= 7; ++col) {
            b.drawImage(cell(col, 1), pieceFigure(PieceKind::Cross, true, true, 27, 2));
        }
        b.drawImage(cell(4, 0), pieceFigure(PieceKind::Ring, false, false, 27, 2));
        b.drawImage(cell(8, 1), pieceFigure(PieceKind::Ring, false, false, 27, 2));
        b.drawImage(cell(6, 0), pieceFigure(PieceKind::Ring, false, false, 27, 2));
        b.drawImage(cell(2, 1), pieceFigure(PieceKind::Ring, false, false, 27, 2));

        // Fade the band out towards the sides and its edges.
        b.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient across(0, 0, kW, 0);
        across.setColorAt(0, QColor(0, 0, 0, 0));
        across.setColorAt(0.22, QColor(0, 0, 0, 255));
        across.setColorAt(0.78, QColor(0, 0, 0, 255));
        across.setColorAt(1, QColor(0, 0, 0, 0));
        b.fillRect(QRect(0, 0, kW, kH), across);
        QLinearGradient down(0, kBandTop, 0, kBandBottom);
        down.setColorAt(0, QColor(0, 0, 0, 0));
        down.setColorAt(0.12, QColor(0, 0, 0, 255));
        down.setColorAt(0.88, QColor(0, 0, 0, 255));
        down.setColorAt(1, QColor(0, 0, 0, 0));
        b.fillRect(QRect(0, 0, kW, kH), down);
    }
    p.drawImage(0, 0, band);
}

void paintTitle(QPainter& p) {
    const QPainterPath word =
        letteringPath(QStringLiteral("ZELVAN"), boldFont(52), kW / 2.0, 76, 7);
    // A soft glow behind the name.
    for (int i = 6; i >= 1; --i) {
        QPainterPathStroker halo;
        halo.setWidth(2.0 * i);
        halo.setJoinStyle(Qt::RoundJoin);
        p.fillPath(halo.createStroke(word), QColor(60, 200, 206, 10));
    }
    p.fillPath(word.translated(2, 3), QColor(0, 0, 0, 170));
    const QRectF box = word.boundingRect();
    QLinearGradient face(0, box.top(), 0, box.bottom());
    face.setColorAt(0.0, QColor(232, 255, 255));
    face.setColorAt(0.48, QColor(150, 230, 232));
    face.setColorAt(0.5, QColor(70, 172, 178));
    face.setColorAt(1.0, QColor(150, 226, 228));
    p.fillPath(word, face);
    p.strokePath(word, QPen(QColor(4, 40, 44, 200), 1.0));
}

void paintBarSlot(QPainter& p) {
    const QRectF bar(layout::kSplashBar);
    QLinearGradient lip(0, bar.top() - 2, 0, bar.bottom() + 2);
    lip.setColorAt(0, QColor(0, 0, 0));
    lip.setColorAt(1, QColor(70, 150, 156));
    p.setPen(Qt::NoPen);
    p.setBrush(lip);
    p.drawRoundedRect(bar.adjusted(-2, -2, 2, 2), 3, 3);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(layout::kSplashBar.adjusted(-1, -1, 1, 1), QColor(1, 1, 1));
    p.setRenderHint(QPainter::Antialiasing);
}

void paintTagline(QPainter& p) {
    const QPainterPath tag =
        letteringPath(QStringLiteral("FIVE IN A ROW"), boldFont(11), kW / 2.0, 225, 3.2);
    p.fillPath(tag.translated(1, 1), QColor(0, 0, 0, 160));
    p.fillPath(tag, palette::kPanelText);
    const QRectF box = tag.boundingRect();
    for (bool left : {true, false}) {
        const double x0 = left ? 40 : box.right() + 10;
        const double x1 = left ? box.left() - 10 : kW - 40;
        QLinearGradient rule(x0, 0, x1, 0);
        rule.setColorAt(left ? 0 : 1, QColor(141, 197, 197, 0));
        rule.setColorAt(left ? 1 : 0, QColor(141, 197, 197, 190));
        p.fillRect(QRectF(x0, 220, x1 - x0, 1), rule);
    }
}

void paintFrame(QPainter& p) {
    QLinearGradient rim(0, 0, kW, kH);
    rim.setColorAt(0, QColor(120, 196, 200));
    rim.setColorAt(0.5, QColor(30, 90, 96));
    rim.setColorAt(1, QColor(8, 36, 40));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), 1.0));
    p.drawRect(QRectF(0.5, 0.5, kW - 1, kH - 1));
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.0));
    p.drawRect(QRectF(1.5, 1.5, kW - 3, kH - 3));
}

}  // namespace

QImage paintSplash() {
    QImage img = opaqueCanvas(kW, kH, palette::kBlack);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintBackdrop(p);
    paintBoardBand(p);
    paintTitle(p);
    paintBarSlot(p);
    paintTagline(p);
    paintFrame(p);
    return img;
}

}  // namespace genart
