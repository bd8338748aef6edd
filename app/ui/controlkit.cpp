#include "app/ui/controlkit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcut>

#include "app/ui/layout.h"
#include "app/widgets/glyphbutton.h"
#include "app/widgets/hintwindow.h"
#include "app/widgets/smoothlabel.h"

namespace zelvan::controls {

namespace {

// Hands the left-button presses of a caption on to its button.
class CaptionPress : public QObject {
public:
    CaptionPress(QWidget* caption, GlyphButton* button) : QObject(caption), button_(button) {
        caption->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
            type != QEvent::MouseButtonDblClick)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !button_) return false;
        if (type != QEvent::MouseButtonRelease) {
            button_->setDown(true);
            return true;
        }
        // As the button's own release: the click while still down, on the
        // caption only.
        const bool inside =
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
        QPointer<GlyphButton> button = button_;
        if (inside) emit button->clicked();
        if (button) button->setDown(false);
        return true;
    }

private:
    QPointer<GlyphButton> button_;
};

}  // namespace

QFont arial(int pixels, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont fittedArial(const QString& text, int pixels, bool bold, int width, int smallest) {
    QFont f = arial(pixels, bold);
    while (pixels > smallest && QFontMetrics(f).horizontalAdvance(text) > width)
        f = arial(--pixels, bold);
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

void pressThrough(QWidget* caption, GlyphButton* button) {
    new CaptionPress(caption, button);
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

QShortcut* windowKey(QWidget* window, const char* name, const QKeySequence& keys, bool autoRepeat) {
    auto* s = new QShortcut(keys, window);
    s->setObjectName(QLatin1String(name));
    s->setContext(Qt::WindowShortcut);
    s->setAutoRepeat(autoRepeat);
    return s;
}

}  // namespace zelvan::controls
