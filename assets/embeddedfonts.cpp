#include "assets/embeddedfonts.h"

#include <QtCore/QStringList>
#include <QtGui/QFontDatabase>

namespace zelvan {

bool registerEmbeddedFonts() {
    bool all = true;
    for (const char* face :
         {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(face));
        all =
            all && id >= 0 &&
            QFontDatabase::applicationFontFamilies(id).contains(QStringLiteral("Liberation Sans"));
    }
    return all;
}

}  // namespace zelvan
