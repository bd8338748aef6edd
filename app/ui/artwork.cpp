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

}  // namespace

int Artwork::scale() {
    const double ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return std::clamp(static_cast<int>(std::lround(ratio)), 1, 3);
}

QImage Artwork::load(const QString& name, int scale) {
    QImage img;
    if (scale > 1) {
        QString finer = name;
        finer.insert(finer.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
        img = QImage(QStringLiteral(":/art/") + finer);
        img.setDevicePixelRatio(scale);
    }
    if (img.isNull()) img = QImage(QStringLiteral(":/art/") + name);
    if (img.isNull()) {
        img = QImage(1, 1, QImage::Format_RGB32);
        img.fill(Qt::black);
    }
    return img.convertToFormat(QImage::Format_RGB32);
}

QPixmap Artwork::keyed(const QImage& picture) {
    QPixmap pixmap = QPixmap::fromImage(picture);
    const QColor key = picture.pixelColor(0, picture.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(key, Qt::MaskInColor));
    return pixmap;
}

Artwork::Artwork() {
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
                    pieces_[side][style][sizeIndex(pitch)][hl] = load(name);
                }
}

const QPixmap& Artwork::icon(const QString& name) {
    auto it = icons_.find(name);
    if (it == icons_.end()) it = icons_.insert(name, keyed(load(QStringLiteral("icons/") + name)));
    return *it;
}

const QImage& Artwork::piece(Side side, int style, int pitch, bool highlighted) const {
    return pieces_[side == Side::Blue ? 0 : 1][style ? 1 : 0][sizeIndex(pitch)]
                  [highlighted ? 1 : 0];
}

}  // namespace zelvan
