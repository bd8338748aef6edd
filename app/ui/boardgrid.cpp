#include "app/ui/boardgrid.h"

#include <algorithm>
#include <cmath>

namespace zelvan {

BoardGrid::BoardGrid(int n, int p, double scale)
    : n_(n), p_(p), scale_(scale), lineWidth_(std::max(1, static_cast<int>(std::lround(scale)))),
      side_(static_cast<int>(std::lround((n * (p + 1) + 1) * scale))) {}

int BoardGrid::line(int k) const {
    // The lines share the side evenly; rounding puts each on a whole pixel.
    return static_cast<int>(std::lround(double(k) * (side_ - lineWidth_) / n_));
}

QRect BoardGrid::cell(int c, int r) const {
    const int x = line(c - 1) + lineWidth_;
    const int y = line(r - 1) + lineWidth_;
    return QRect(x, y, line(c) - x, line(r) - y);
}

int BoardGrid::boardPixel(int device) const {
    if (device < 0 || device >= side_) return static_cast<int>(std::floor(device / scale_));
    int k = std::clamp(static_cast<int>(double(device) * n_ / (side_ - lineWidth_)), 0, n_);
    while (k > 0 && line(k) > device)
        --k;
    while (k < n_ && line(k + 1) <= device)
        ++k;
    const int inside = device - line(k) - lineWidth_;
    if (k == n_ || inside < 0) return k * (p_ + 1);  // on grid line k
    const int width = line(k + 1) - line(k) - lineWidth_;
    return k * (p_ + 1) + 1 + inside * p_ / width;
}

QRect BoardGrid::toBoardPixels(const QRect& device) const {
    const int left = static_cast<int>(std::floor(device.left() / scale_));
    const int top = static_cast<int>(std::floor(device.top() / scale_));
    const int right = static_cast<int>(std::ceil((device.right() + 1) / scale_));
    const int bottom = static_cast<int>(std::ceil((device.bottom() + 1) / scale_));
    // One more all round: the widget may sit a fraction of a pixel off.
    return QRect(QPoint(left - 1, top - 1), QPoint(right, bottom));
}

QPoint nearestDevicePixel(QPointF inWindow, double scale) {
    return QPoint(static_cast<int>(std::lround(inWindow.x() * scale)),
                  static_cast<int>(std::lround(inWindow.y() * scale)));
}

double paintInDevicePixels(QPainter& painter) {
    // The painter maps the widget's pixels p to device pixels p*f + exact,
    // where exact is the widget's corner, often a fraction of a pixel in.
    const QTransform device = painter.deviceTransform();
    const double f = device.m11();
    const QPointF exact(device.dx(), device.dy());
    const QPoint whole = nearestDevicePixel(exact, 1.0);
    painter.setWorldTransform(
        QTransform(1 / f, 0, 0, 1 / f, (whole.x() - exact.x()) / f, (whole.y() - exact.y()) / f));
    return f;
}

}  // namespace zelvan
