#pragma once
// A main window for tests: its own empty settings folder, a recording sound
// output, a fixed screen, a controllable clock and random source.

#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "shell/mainwindow.h"
#include "ui/recordingsoundoutput.h"

namespace zelvan::test {

struct WindowHarness {
    QTemporaryDir folder;
    std::vector<std::string> sounds;
    RecordingSoundOutput output{sounds};
    std::int64_t clockMs = 9 * 3600 * 1000;  // 09:00:00.000
    std::int64_t steadyMs = 0;
    std::deque<std::uint32_t> randoms;  // drawn in order; 0 when empty
    std::unique_ptr<MainWindow> window;

    explicit WindowHarness(QRect screen = QRect(0, 0, 1024, 768), QString settingsFolder = {}) {
        MainWindowConfig c;
        c.settingsFolder = settingsFolder.isEmpty() ? folder.path() : settingsFolder;
        c.soundOutput = &output;
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
        window = std::make_unique<MainWindow>(std::move(c));
    }

    MainWindow& w() { return *window; }
    Game& g() { return window->game(); }

    // Plays the sounds of the last calls only.
    std::vector<std::string> playedSounds() const {
        std::vector<std::string> out;
        for (const auto& s : sounds)
            if (s.rfind("play ", 0) == 0) out.push_back(s.substr(5));
        return out;
    }

    // A left click in the middle of cell (c, r) of the board picture.
    void clickCell(int c, int r, Qt::MouseButton button = Qt::LeftButton) {
        const int p = g().cellPitch;
        QTest::mouseClick(window->Image1, button, Qt::NoModifier,
                          QPoint((c - 1) * (p + 1) + 1 + p / 2, (r - 1) * (p + 1) + 1 + p / 2));
    }
};

}  // namespace zelvan::test
