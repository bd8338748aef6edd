#pragma once
// The application's icon, from the embedded pictures at every size drawn.

#include <QtGui/QIcon>

namespace zelvan {

QIcon appIcon();

}  // namespace zelvan
