#pragma once

#include <QFont>
#include <QFontDatabase>

// The program maps its font names onto Liberation Sans; tests do the same so
// text measures alike on every machine.
inline void loadTestFonts() {
    QFontDatabase::addApplicationFont(
        "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf");
    QFontDatabase::addApplicationFont(
        "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}
