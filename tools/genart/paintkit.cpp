#include "paintkit.h"

#include "assets/embeddedfonts.h"

#include <QtGui/QFontMetricsF>
#include <QtGui/QPainter>
#include <algorithm>

namespace genart {

namespace {

// Coverage below this is treated as no figure at all: such faint pixels would
// only show as a halo around a keyed shape.
constexpr int kKeyAlphaCut = 24;

// The tool paints one scale after the other; this says which.
int scaleNow = 1;

}  // namespace

void setPaintScale(int scale) {
    scaleNow = scale;
}

int paintScale() {
    return scaleNow;
}

QImage figureCanvas(int w, int h) {
    QImage img(w * scaleNow, h * scaleNow, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scaleNow);
    img.fill(Qt::transparent);
    return img;
}

QImage opaqueCanvas(int w, int h, const QColor& fill) {
    QImage img(w * scaleNow, h * scaleNow, QImage::Format_RGB32);
    img.setDevicePixelRatio(scaleNow);
    img.fill(fill);
    return img;
}

QImage flatten(const QImage& figure, const QImage& behind) {
    QImage out = behind.convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    p.drawImage(0, 0, figure);
    return out;
}

QImage keyed(const QImage& figure, const QImage& behind, const QColor& key) {
    const QImage fig = figure.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out = flatten(fig, behind);
    const QRgb keyRgb = key.rgb();
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        const auto* cover = reinterpret_cast<const QRgb*>(fig.constScanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qAlpha(cover[x]) < kKeyAlphaCut) {
                line[x] = keyRgb;
            } else if ((line[x] | 0xff000000u) == keyRgb) {
                const int r = qRed(line[x]);
                line[x] = qRgb(r > 0 ? r - 1 : 1, qGreen(line[x]), qBlue(line[x]));
            }
        }
    }
    return out;
}

QImage crop(const QImage& picture, QPoint at, int w, int h) {
    const int s = static_cast<int>(picture.devicePixelRatio());
    QImage block = picture.copy(at.x() * s, at.y() * s, w * s, h * s);
    block.setDevicePixelRatio(s);
    return block.convertToFormat(QImage::Format_RGB32);
}

QColor mix(const QColor& a, const QColor& b, double t) {
    auto channel = [t](int x, int y) {
        return std::clamp(static_cast<int>(x + (y - x) * t + 0.5), 0, 255);
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

void bevelRing(QPainter& p, const QRect& r, const QColor& light, const QColor& dark) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), light);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), light);
    p.fillRect(QRect(r.left() + 1, r.bottom(), r.width() - 1, 1), dark);
    p.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 1), dark);
    p.restore();
}

void paintRecess(QPainter& p, const QRectF& r, double radius, const QColor& fill,
                 const Recess& look) {
    QLinearGradient lip(r.topLeft(), r.bottomRight());
    lip.setColorAt(0, look.lipFrom);
    lip.setColorAt(1, look.lipTo);
    p.setPen(Qt::NoPen);
    p.setBrush(lip);
    const double w = look.lipWidth;
    p.drawRoundedRect(r.adjusted(-w, -w, w, w), radius + w, radius + w);
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    QLinearGradient shade(0, r.top(), 0, r.top() + look.shadeDepth);
    QColor clear = look.shade;
    clear.setAlpha(0);
    shade.setColorAt(0, look.shade);
    shade.setColorAt(1, clear);
    p.setBrush(shade);
    p.drawRoundedRect(r, radius, radius);
}

bool loadFonts() {
    // The very faces the program embeds, whatever the machine has installed.
    return zelvan::registerEmbeddedFonts();
}

QFont boldFont(double pixelSize) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(static_cast<int>(pixelSize));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

QPainterPath letteringPath(const QString& text, const QFont& font, double centreX, double baseline,
                           double spacing) {
    const QFontMetricsF metrics(font);
    QPainterPath path;
    double x = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        path.addText(x, 0, font, QString(text[i]));
        x += metrics.horizontalAdvance(text[i]) + spacing;
    }
    const QRectF box = path.boundingRect();
    return path.translated(centreX - box.center().x(), baseline);
}

}  // namespace genart
