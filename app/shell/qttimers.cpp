#include "app/shell/qttimers.h"

#include <QTimer>

namespace zelvan {

void QtTimers::after(unsigned ms, std::function<void()> then) {
    // Precise: the pauses are heard, and a coarse timer may cut one short
    // by up to a twentieth.
    QTimer::singleShot(int(ms), Qt::PreciseTimer, owner_, std::move(then));
}

}  // namespace zelvan
