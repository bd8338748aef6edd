#include "app/ui/artwork.h"

#include <QBitmap>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace zelvan {

namespace {

int sizeIndex(int pitch) {
    return pitch == 36 ? 0 : pitch == 27 ? 1 : 2;
}

// The picture painted at `source` times its size, with that ratio; the 1x
// one where the finer one is missing.
QImage loadSource(const QString& name, int source) {
    QImage img;
    if (source > 1) {
        QString finer = name;
        finer.insert(finer.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(source));
        img = QImage(QStringLiteral(":/art/") + finer);
        img.setDevicePixelRatio(source);
    }
    if (img.isNull()) img = QImage(QStringLiteral(":/art/") + name);
    if (img.isNull()) {
        img = QImage(1, 1, QImage::Format_RGB32);
        img.fill(Qt::black);
    }
    return img.convertToFormat(QImage::Format_RGB32);
}

// `length` pixels of the 1x picture at `scale`.
int scaled(double length, double scale) {
    return std::max(1, static_cast<int>(std::lround(length * scale)));
}

// The source picture brought to `scale`: as it is when it was painted for
// it, else scaled smoothly.
QImage atScale(const QImage& source, double scale) {
    const double ratio = source.devicePixelRatio();
    if (std::abs(ratio - scale) < 1e-6) return source;
    const QSize size(scaled(source.width() / ratio, scale), scaled(source.height() / ratio, scale));
    QImage img = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    img.setDevicePixelRatio(scale);
    return img;
}

}  // namespace

double Artwork::scale() {
    const double ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return std::clamp(ratio, 1.0, 3.0);
}

int Artwork::sourceScale(double scale) {
    return std::clamp(static_cast<int>(std::ceil(scale - 1e-6)), 1, 3);
}

QImage Artwork::load(const QString& name, double scale) {
    return atScale(loadSource(name, sourceScale(scale)), scale);
}

QImage Artwork::loadStrip(const QString& name, double scale) {
    const QImage source = loadSource(name, sourceScale(scale));
    const int side = source.height();
    const int frames = side > 0 ? source.width() / side : 0;
    if (frames < 1 || std::abs(source.devicePixelRatio() - scale) < 1e-6) return source;
    // Each frame keyed, then scaled on its own: its edges fade into
    // transparency instead of into the key colour, and it keeps a whole
    // width of its own.
    const int frameSide = scaled(side / source.devicePixelRatio(), scale);
    QImage strip(frames * frameSide, frameSide, QImage::Format_ARGB32_Premultiplied);
    for (int k = 0; k < frames; ++k) {
        QImage frame = source.copy(k * side, 0, side, side)
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QRgb key = frame.pixel(0, side - 1);
        for (int y = 0; y < side; ++y) {
            auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
            std::replace(line, line + side, key, QRgb(0));
        }
        frame = frame.scaled(frameSide, frameSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (int y = 0; y < frameSide; ++y)
            std::copy_n(reinterpret_cast<const QRgb*>(frame.constScanLine(y)), frameSide,
                        reinterpret_cast<QRgb*>(strip.scanLine(y)) + k * frameSide);
    }
    strip.setDevicePixelRatio(scale);
    return strip;
}

QPixmap Artwork::keyed(const QImage& picture) {
    QPixmap pixmap = QPixmap::fromImage(picture);
    const QColor key = picture.pixelColor(0, picture.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(key, Qt::MaskInColor));
    return pixmap;
}

Artwork::Artwork() {
    const int source = sourceScale(scale());
    for (int side = 0; side < 2; ++side)
        for (int style = 0; style < 2; ++style)
            for (int pitch : {36, 27, 18})
                for (int hl = 0; hl < 2; ++hl) {
                    const char* figure = style == 0 ? "ball" : (side == 0 ? "cross" : "ring");
                    const QString name = QStringLiteral("pieces/%1-%2-%3%4.png")
                                             .arg(figure)
                                             .arg(side == 0 ? "blue" : "red")
                                             .arg(pitch)
                                             .arg(hl ? "-hl" : "");
                    pieces_[side][style][sizeIndex(pitch)][hl] = load(name, source);
                }
}

const QPixmap& Artwork::icon(const QString& name) {
    auto it = icons_.find(name);
    if (it == icons_.end()) {
        const QString path = QStringLiteral("icons/") + name;
        const double at = scale();
        const QImage source = load(path, sourceScale(at));
        QPixmap pixmap = keyed(source);
        if (std::abs(source.devicePixelRatio() - at) > 1e-6) {
            // Keyed at the size it was painted, then scaled: the figure's
            // edge then fades into transparency rather than into the key
            // colour.
            QImage clear = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            clear.setDevicePixelRatio(source.devicePixelRatio());
            pixmap = QPixmap::fromImage(atScale(clear, at));
        }
        it = icons_.insert(name, pixmap);
    }
    return *it;
}

const QImage& Artwork::piece(Side side, int style, int pitch, bool highlighted) const {
    return pieces_[side == Side::Blue ? 0 : 1][style ? 1 : 0][sizeIndex(pitch)]
                  [highlighted ? 1 : 0];
}

}  // namespace zelvan
