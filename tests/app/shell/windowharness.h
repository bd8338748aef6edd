#pragma once
// A main window for tests: its own empty settings folder, a recording sound
// output, a fixed screen, a controllable clock and random source, and its
// pauses on a clock the test moves on, written to the sound log.

#include <QByteArray>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/network/chatpanel.h"
#include "app/network/internetpanel.h"
#include "app/network/networkplay.h"
#include "app/shell/mainwindow.h"
#include "app/ui/boardpicture.h"
#include "app/ui/helpviewer.h"
#include "app/ui/optionspanel.h"
#include "app/ui/scorestrip.h"
#include "app/widgets/glyphbutton.h"
#include "app/widgets/smoothlabel.h"
#include "support/controls.h"
#include "support/fakeseams.h"
#include "support/gameview.h"
#include "support/recordingsoundoutput.h"

namespace zelvan::test {

// The window's pauses on a clock the test moves on, written to the same log
// as the sounds ("delay 150" after "play BluePiece") so a test sees which
// sound a pause follows.
class LoggedTimers final : public Timers {
public:
    explicit LoggedTimers(std::vector<std::string>& log) : log_(log) {}
    FakeTimers clock;
    void after(unsigned ms, std::function<void()> then) override {
        if (ms > 0) log_.push_back("delay " + std::to_string(ms));
        clock.after(ms, std::move(then));
    }

private:
    std::vector<std::string>& log_;
};

using HarnessWindow = MainWindow;

// One second of the winning line's blink, as its timer gives it.
inline void blinkTick(MainWindow& w) {
    w.match().blinkTick();
}
// One step of the scoreboard and the clocks, as its timer gives it.
inline void scoreTick(MainWindow& w) {
    w.findChild<ScoreStrip*>()->tick();
}

// Shown and made the active window: its shortcuts answer only then.
inline bool activate(MainWindow& w) {
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

// A port nobody listens on now: a window under test listens there, never on
// the game's own port, so tests run beside a real copy and beside each other.
inline std::uint16_t freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

struct WindowHarness {
    QTemporaryDir folder;
    // Sound requests ("stop", "play BluePiece") and pauses ("delay 200"), in order.
    std::vector<std::string> sounds;
    RecordingSoundOutput output{sounds};
    std::int64_t clockMs = 9 * 3600 * 1000;  // 09:00:00.000
    std::int64_t steadyMs = 0;
    std::deque<std::uint32_t> randoms;  // drawn in order; 0 when empty
    QString dir;                        // the settings folder the window uses
    LoggedTimers timers{sounds};
    std::unique_ptr<HarnessWindow> window;

    // startRandoms are the first draws, made while the window is built: the
    // first decides the opener before the first board flips it.
    // port 0 takes a free one; two windows that play each other share one.
    explicit WindowHarness(QRect screen = QRect(0, 0, 1024, 768), QString settingsFolder = {},
                           std::deque<std::uint32_t> startRandoms = {}, std::uint16_t port = 0)
        : randoms(std::move(startRandoms)) {
        MainWindowConfig c;
        dir = settingsFolder.isEmpty() ? folder.path() : settingsFolder;
        c.settingsFolder = dir;
        c.soundOutput = &output;
        c.port = port ? port : freePort();
        c.listenOnLoopbackOnly = true;
        c.screen = screen;
        c.msSinceMidnight = [this] { return clockMs; };
        c.monotonicMs = [this] { return steadyMs; };
        c.random = [this](std::uint32_t n) {
            std::uint32_t v = 0;
            if (!randoms.empty()) {
                v = randoms.front();
                randoms.pop_front();
            }
            return v % n;
        };
        c.timers = &timers;
        window = std::make_unique<HarnessWindow>(std::move(c));
    }

    HarnessWindow& w() { return *window; }
    GameView g() { return {*window}; }

    // Every pause under way runs out, and what follows it.
    void settle() { timers.clock.runAll(); }

    // The effects started, in order, without the stops and pauses.
    std::vector<std::string> playedSounds() const {
        std::vector<std::string> out;
        for (const auto& s : sounds)
            if (s.rfind("play ", 0) == 0) out.push_back(s.substr(5));
        return out;
    }

    // The blink and clock timers keep their enabled state but never fire by
    // themselves; the test ticks them itself (blink, tick).
    void driveTimersByHand() {
        constexpr int kDay = 24 * 3600 * 1000;
        control<QTimer>(*window, "blinkTimer")->setInterval(kDay);
        // The strip reschedules its own timer; blocked, it never ticks.
        control<QTimer>(*window, "tickTimer")->blockSignals(true);
        if (control<QTimer>(*window, "blinkTimer")->isActive())
            control<QTimer>(*window, "blinkTimer")->start();
    }

    // A left click on a button, through its mouse events, and the pauses it
    // starts run out.
    void press(GlyphButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }

    // The settings file as it is on disk now; empty when there is none.
    QByteArray settingsFile() const {
        QFile f(dir + QStringLiteral("/zelvan.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool settingsFileExists() const { return QFile::exists(dir + QStringLiteral("/zelvan.ini")); }

    // A left click in the middle of cell (c, r) of the board picture; with
    // `settled`, the pauses it starts run out.
    void clickCell(int c, int r, Qt::MouseButton button = Qt::LeftButton, bool settled = true) {
        const int p = g().cellPitch();
        QTest::mouseClick(control<BoardPicture>(*window, "board"), button, Qt::NoModifier,
                          QPoint((c - 1) * (p + 1) + 1 + p / 2, (r - 1) * (p + 1) + 1 + p / 2));
        if (settled) settle();
    }
};

// A harness whose timers the test drives by hand, with the window and its
// game named: `DrivenWindow driven; auto& w = driven.w;`. (Plain references,
// not structured bindings: clang 14 cannot capture those in a lambda.)
struct DrivenWindow {
    WindowHarness h;
    HarnessWindow& w = h.w();
    GameView g = h.g();

    template <class... Args>
    explicit DrivenWindow(Args&&... args) : h(std::forward<Args>(args)...) {
        h.driveTimersByHand();
    }
};

}  // namespace zelvan::test
