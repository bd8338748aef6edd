#include "app/shell/screenscale.h"

#include <algorithm>
#include <cmath>

#include "app/ui/layout.h"

namespace zelvan {

namespace {

// How many whole scenes fit across and down `width` x `height` pixels.
int wholeFit(double width, double height) {
    return static_cast<int>(
        std::floor(std::min(width / layout::kWidth, height / layout::kHeight) + 1e-9));
}

}  // namespace

double sceneDevicePixelRatio(QSize logical, double ratio, int requested) {
    const double deviceWidth = logical.width() * ratio;
    const double deviceHeight = logical.height() * ratio;
    if (wholeFit(deviceWidth, deviceHeight) < 1) return ratio;  // too small whatever the scale

    double desktop = ratio;
    if (wholeFit(logical.width(), logical.height()) < 1)
        desktop = wholeFit(deviceWidth, deviceHeight);

    constexpr int kLargestFactor = 3;  // the pictures come in 1x, 2x and 3x
    const int fits = std::min(kLargestFactor,
                              std::max(1, wholeFit(deviceWidth / desktop, deviceHeight / desktop)));
    const int factor = requested > 0 ? std::min(requested, fits) : fits;
    return desktop * factor;
}

}  // namespace zelvan
