#pragma once
// Small drawing helpers shared by the pictures: canvases, flattening a soft
// figure onto what lies behind it, keyed pictures, bevels and lettering.

#include <QtCore/QRectF>
#include <QtCore/QString>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QImage>
#include <QtGui/QPainterPath>

#include "app/ui/layout.h"

class QPainter;

namespace genart {

// The window's layout table, under the short name the pictures use.
namespace layout = zelvan::layout;

// The scale the pictures are painted at: 1, or 2 and 3 for screens that show
// the scene two or three times finer. Canvases come out that many times
// larger and carry it as their device pixel ratio, so the painting code
// keeps working in the scene's own pixels.
void setPaintScale(int scale);
int paintScale();

// A transparent canvas for soft, anti-aliased figures.
QImage figureCanvas(int w, int h);

// An opaque 24-bit canvas filled with one colour.
QImage opaqueCanvas(int w, int h, const QColor& fill);

// The figure laid over the opaque picture `behind` (same size), as 24-bit.
QImage flatten(const QImage& figure, const QImage& behind);

// The figure laid over `behind`, with every pixel the figure leaves (almost)
// empty set to `key`. A covered pixel that happens to come out as the key is
// nudged by one step so that it is never punched out.
QImage keyed(const QImage& figure, const QImage& behind, const QColor& key);

// The w x h block of `picture` at `at`, in the scene's pixels.
QImage crop(const QImage& picture, QPoint at, int w, int h);

QColor mix(const QColor& a, const QColor& b, double t);

// A one-pixel-per-step bevel drawn outside-in on an integer rectangle:
// `light` on the top and left edges, `dark` on the bottom and right, without
// anti-aliasing so the rectangle's inside stays untouched.
void bevelRing(QPainter& p, const QRect& r, const QColor& light, const QColor& dark);

// Lettering in Liberation Sans Bold.
// A rounded recess: a lip lit from lipFrom (upper left) to lipTo (lower
// right), lipWidth pixels wide, the fill, and a shade cast by the upper lip
// fading over shadeDepth pixels.
struct Recess {
    QColor lipFrom;
    QColor lipTo;
    double lipWidth;
    QColor shade;
    double shadeDepth;
};
void paintRecess(QPainter& p, const QRectF& r, double radius, const QColor& fill,
                 const Recess& look);

bool loadFonts();
QFont boldFont(double pixelSize);
// Outline of `text` with extra spacing between letters, centred on `centre`
// horizontally with its baseline at `baseline`.
QPainterPath letteringPath(const QString& text, const QFont& font, double centreX, double baseline,
                           double spacing);

}  // namespace genart
