#include "paintkit.h"
#include "palette.h"
#include "pictures.h"

#include <QtGui/QPainter>
#include <algorithm>

namespace genart {

// Five teal segments, 62 pixels wide, each shaded from light at the top to
// dark at the bottom, between one-pixel black columns at 0, 63, 126, 189 and
// 252: with the bar's maximum of 315, every step of 63 uncovers one segment.
QImage paintProgressBar() {
    constexpr int kW = 315;
    constexpr int kH = 16;
    constexpr int kStep = 63;
    const QColor top(52, 206, 206);
    const QColor bottom(0, 54, 54);
    QImage img = opaqueCanvas(kW, kH, palette::kBlack);
    // Pixel by pixel of the picture: s x s of them make one of the bar's.
    const int s = paintScale();
    for (int y = 0; y < kH * s; ++y) {
        const double t = std::clamp(((y + 0.5) / s - 0.5) / (kH - 1), 0.0, 1.0);
        const QRgb shade = mix(top, bottom, t).rgb();
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kW * s; ++x) {
            if ((x / s) % kStep != 0) line[x] = shade;
        }
    }
    return img;
}

}  // namespace genart
