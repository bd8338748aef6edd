#include "assets/appicon.h"

#include <QtCore/QString>

namespace zelvan {

QIcon appIcon() {
    // Every size, so the window manager and task bar never have to scale.
    QIcon icon;
    for (int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/art/appicon/zelvan-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace zelvan
