#pragma once
// How the game's controls look: the fonts, colours and settings shared by
// the main window, the options and Internet panels, so each control is made
// in one line and every panel speaks the same style. Each control gets an
// object name saying its role, by which tests and tools find it.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>

class QImage;
class QKeySequence;
class QLabel;
class QShortcut;
class QWidget;

namespace zelvan {
class GlyphButton;
class HintWindow;
class SmoothLabel;
}  // namespace zelvan

namespace zelvan::controls {

inline const QColor kScoreColour{140, 232, 232};
inline const QColor kScoreShadow{19, 80, 86};
inline const QColor kCaptionColour{53, 97, 102};
inline const QColor kStripColour{37, 147, 150};
inline const QColor kPanelTextColour{141, 197, 197};

// "Arial" at a pixel size; the start-up maps the name onto the bundled face.
QFont arial(int pixels, bool bold);
// The largest Arial of at most `pixels` (and at least `smallest`) in which
// `text` fits `width`.
QFont fittedArial(const QString& text, int pixels, bool bold, int width, int smallest);

// A transparent label of fixed size with one font, colour and alignment.
SmoothLabel* label(QWidget* parent, const char* name, const QFont& font, const QColor& colour,
                   Qt::Alignment align, const QString& text = {});
// A flat, transparent glyph-only button; `hint` is its tool-tip text while
// hints are on.
GlyphButton* glyphButton(QWidget* parent, const char* name, const QImage& glyph,
                         const QString& hint);
// An 18x18 picture.
QLabel* picture(QWidget* parent, const char* name);

// A panel's picture, filling the panel, beneath everything added after it.
QLabel* panelPicture(QWidget* panel, const char* name, const QImage& picture);
// A panel's caption: bold Arial 15 px in the panel text colour, sized to its text.
SmoothLabel* panelCaption(QWidget* parent, const char* name, const QString& text, QPoint at);
// A small flat toggle button with the options' key glyph.
GlyphButton* panelToggle(QWidget* parent, const char* name, const QImage& glyph, QPoint at);
// A click on `caption` is a click on `button`: a panel row answers on its
// words as on its key, and the key shows pressed meanwhile.
void pressThrough(QWidget* caption, GlyphButton* button);

// The translucent hint window that shows the window's tool tips, in the
// console's colours.
HintWindow* hintWindow(QWidget* window);

// A key of the window's own, named for its role. It never fires for a key
// typed into a text field (the field takes it first) and, unless asked,
// not again while the key is held.
QShortcut* windowKey(QWidget* window, const char* name, const QKeySequence& keys,
                     bool autoRepeat = false);

}  // namespace zelvan::controls
