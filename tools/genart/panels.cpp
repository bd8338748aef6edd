#include "app/ui/layout.h"
#include "paintkit.h"
#include "palette.h"
#include "pictures.h"

#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>

// The backgrounds of the panels that open over the board and the bay: the
// options panel (which the Internet panel shares) and the chat panel. Both are
// dark teal plates, so the light captions read well on them.

namespace genart {

namespace {

void paintPlate(QPainter& p, const QRectF& r, double radius) {
    QLinearGradient metal(0, r.top(), 0, r.bottom());
    metal.setColorAt(0, QColor(36, 86, 91));
    metal.setColorAt(0.12, QColor(26, 70, 75));
    metal.setColorAt(1, QColor(12, 42, 46));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawRoundedRect(r, radius, radius);
    QLinearGradient rim(r.topLeft(), r.bottomRight());
    rim.setColorAt(0, QColor(130, 196, 200));
    rim.setColorAt(0.5, QColor(50, 110, 116));
    rim.setColorAt(1, QColor(4, 20, 22));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), 1.0));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    p.setPen(QPen(QColor(0, 0, 0, 140), 1.0));
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1.5, radius - 1.5);
}

// A recess with a soft lip: shadow on the upper left, light on the lower right.
void panelRecess(QPainter& p, const QRectF& r, double radius, const QColor& fill) {
    paintRecess(p, r, radius, fill,
                {QColor(0, 10, 12), QColor(92, 158, 162), 1, QColor(0, 0, 0, 90), 6});
}

}  // namespace

QImage paintOptionsPanel() {
    constexpr int kW = 189;
    constexpr int kH = 352;
    // The panel opens over the board, so its rounded corners show the board.
    QImage img = opaqueCanvas(kW, kH, palette::kBoard);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintPlate(p, QRectF(0, 0, kW, kH), 4);
    // A title band behind the panel's name, then the body of the toggles.
    panelRecess(p, QRectF(8, 8, kW - 16, 28), 5, QColor(10, 38, 42));
    panelRecess(p, QRectF(4, 42, kW - 8, kH - 48), 6, QColor(18, 54, 58));
    QLinearGradient glow(0, 42, 0, kH - 6);
    glow.setColorAt(0, QColor(60, 140, 146, 40));
    glow.setColorAt(0.4, QColor(60, 140, 146, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(QRectF(4, 42, kW - 8, kH - 48), 6, 6);
    return img;
}

QImage paintChatPanel() {
    constexpr int kW = 201;
    constexpr int kH = 149;
    QImage img = opaqueCanvas(kW, kH, palette::kBlack);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintPlate(p, QRectF(0, 0, kW, kH), 7);

    const QPainterPath title = letteringPath(QStringLiteral("CHAT"), boldFont(11), 30, 16, 2.0);
    p.fillPath(title.translated(0.8, 0.8), QColor(0, 0, 0, 150));
    p.fillPath(title, palette::kPanelText);

    // The close button and the two text fields sit in recesses.
    panelRecess(p, QRectF(layout::kChatClose).adjusted(-1, -1, 1, 1), 3, QColor(20, 56, 60));
    for (const QRect& field : {layout::kChatHistory, layout::kChatInput}) {
        panelRecess(p, QRectF(field), 2, palette::kChatField);
    }
    return img;
}

}  // namespace genart
