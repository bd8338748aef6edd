#include "app/ui/controlkit.h"

#include <QLabel>

#include "app/ui/layout.h"
#include "app/widgets/glyphbutton.h"
#include "app/widgets/hintwindow.h"
#include "app/widgets/smoothlabel.h"

namespace zelvan::controls {

QFont arial(int pixels, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

SmoothLabel* label(QWidget* parent, const char* name, const QFont& font, const QColor& colour,
                   Qt::Alignment align, const QString& text) {
    auto* l = new SmoothLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setAutoSize(false);
    l->setTransparent(true);
    l->setFont(font);
    l->setFontColor(colour);
    l->setAlignment(align | Qt::AlignVCenter);
    l->setText(text);
    return l;
}

namespace {

// A flat, transparent button showing only its glyph, centred.
GlyphButton* flatGlyphButton(QWidget* parent, const char* name, const QImage& glyph) {
    auto* b = new GlyphButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGlyph(glyph);
    b->setFlat(true);
    b->setTransparent(true);
    b->setAlignment(Qt::AlignHCenter);
    return b;
}

}  // namespace

GlyphButton* glyphButton(QWidget* parent, const char* name, const QImage& glyph,
                         const QString& hint) {
    GlyphButton* b = flatGlyphButton(parent, name, glyph);
    b->setLayout(GlyphButton::Layout::Centre);
    b->setProperty("hintText", hint);
    return b;
}

QLabel* picture(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->resize(layout::kIconSize, layout::kIconSize);
    return l;
}

QLabel* panelPicture(QWidget* panel, const char* name, const QImage& picture) {
    auto* l = new QLabel(panel);
    l->setObjectName(QLatin1String(name));
    l->setPixmap(QPixmap::fromImage(picture));
    l->setGeometry(panel->rect());
    return l;
}

SmoothLabel* panelCaption(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* l = new SmoothLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setTransparent(true);
    l->setFont(arial(15, true));
    l->setFontColor(kPanelTextColour);
    l->setText(text);
    l->move(at);
    return l;
}

GlyphButton* panelToggle(QWidget* parent, const char* name, const QImage& glyph, QPoint at) {
    GlyphButton* b = flatGlyphButton(parent, name, glyph);
    b->setGeometry(QRect(at, layout::kToggleSize));
    return b;
}

HintWindow* hintWindow(QWidget* window) {
    auto* hints = new HintWindow(window);
    hints->setObjectName(QStringLiteral("hints"));
    hints->setTransparency(50);
    hints->setTranspColor(QColor(0, 56, 64));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    hints->setFont(font);
    hints->setFontColor(kScoreColour);
    hints->setLeftMargin(5);
    hints->setTopMargin(2);
    hints->setRightMargin(2);
    hints->setBottomMargin(2);
    hints->setEnabled(true);
    return hints;
}

}  // namespace zelvan::controls
