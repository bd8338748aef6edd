#pragma once
// Every picture the program loads, by its path under assets/art.

#include <QtCore/QString>
#include <QtGui/QImage>
#include <vector>

namespace genart {

struct Picture {
    QString path;  // relative to assets/art, e.g. "pieces/cross-blue-36.png"
    QImage image;  // 24-bit, no alpha channel, unless `alpha`
    // Only the application icons keep transparency: the desktop shows them
    // on backgrounds we cannot know.
    bool alpha = false;
};
using Pictures = std::vector<Picture>;

QImage paintBackground();
QImage paintSplash();
QImage paintProgressBar();
QImage paintOptionsPanel();
QImage paintChatPanel();
Pictures paintPieces();
// The glyphs and icons blend their soft edges into the pictures they sit on.
Pictures paintGlyphs(const QImage& background, const QImage& optionsPanel);
Pictures paintIcons(const QImage& background);
// The application icon at the sizes the desktop asks for.
Pictures paintAppIcons();

// All of them, in a fixed order: at scale 1 every picture, at 2 and 3 those
// the program draws on a big screen (not the application icons, which come
// in sizes of their own), each named "<name>@<scale>x.png".
Pictures paintAll(int scale = 1);

}  // namespace genart
