#pragma once

#include <QFont>

#include "assets/embeddedfonts.h"

// The program maps its font names onto Liberation Sans; tests do the same so
// text measures alike on every machine.
inline void loadTestFonts() {
    zelvan::registerEmbeddedFonts();
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}
