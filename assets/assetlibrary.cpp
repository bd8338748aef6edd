#include "assets/assetlibrary.h"

#include <QtCore/qglobal.h>

namespace zelvan {

void initAssets() {
    // Nothing to do: qt_add_resources links the resource objects straight
    // into every consumer, which registers them at start.
}

}  // namespace zelvan
