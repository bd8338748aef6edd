#include "paintkit.h"
#include "palette.h"
#include "pictures.h"

#include <QtGui/QPainter>

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
    for (int y = 0; y < kH; ++y) {
        const QRgb shade = mix(top, bottom, static_cast<double>(y) / (kH - 1)).rgb();
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kW; ++x) {
            if (x % kStep != 0) line[x] = shade;
        }
    }
    return img;
}

}  // namespace genart
