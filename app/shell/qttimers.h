#pragma once
// Match control's pauses on Qt's timers: each continuation runs from the
// event loop once its time has passed, unless the window has gone.

#include <QObject>

#include "core/engine/seams.h"

namespace zelvan {

class QtTimers final : public Timers {
public:
    explicit QtTimers(QObject* owner) : owner_(owner) {}
    void after(unsigned ms, std::function<void()> then) override;

private:
    QObject* owner_;
};

}  // namespace zelvan
