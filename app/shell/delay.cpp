#include "app/shell/delay.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace zelvan {

void delayMs(unsigned ms) {
    QElapsedTimer clock;  // monotonic: a change of the wall clock does not matter
    clock.start();
    // Pending events run at least once, as for a pause of 0 ms.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    // A timer may fire a little early on some platforms; wait out the rest.
    for (qint64 left = qint64(ms) - clock.elapsed(); left > 0;
         left = qint64(ms) - clock.elapsed()) {
        timer.start(int(left));
        loop.exec(QEventLoop::AllEvents);
    }
}

}  // namespace zelvan
