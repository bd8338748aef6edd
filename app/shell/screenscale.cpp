#include "app/shell/screenscale.h"

#include <algorithm>
#include <cmath>

#include "app/ui/layout.h"

namespace zelvan {

namespace {

// How many scenes fit across and down `width` x `height` pixels, as a
// fraction.
double fit(double width, double height) {
    return std::min(width / layout::kWidth, height / layout::kHeight);
}

// How many whole scenes fit.
int wholeFit(double width, double height) {
    return static_cast<int>(std::floor(fit(width, height) + 1e-9));
}

}  // namespace

double largestStepWithin(double fit) {
    if (fit + 1e-9 < kSmallestEnlargedScale) return 1.0;
    const double steps = std::floor((std::min(fit, kLargestScale) + 1e-9) / kScaleStep);
    return steps * kScaleStep;
}

std::optional<double> parseScale(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    if (value != 1.0 && largestStepWithin(value) != value) return std::nullopt;
    return value;
}

double sceneDevicePixelRatio(QSize logical, double ratio, double requested) {
    const double deviceWidth = logical.width() * ratio;
    const double deviceHeight = logical.height() * ratio;
    if (wholeFit(deviceWidth, deviceHeight) < 1) return ratio;  // too small whatever the scale

    double desktop = ratio;
    if (wholeFit(logical.width(), logical.height()) < 1)
        desktop = wholeFit(deviceWidth, deviceHeight);

    const double fits = largestStepWithin(fit(deviceWidth / desktop, deviceHeight / desktop));
    const double factor = requested > 0 ? std::min(requested, fits) : fits;
    return desktop * factor;
}

}  // namespace zelvan
