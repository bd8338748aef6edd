// Start to splash: the application object at the scene's scale (made twice
// where the screen calls for a larger scene), the main window with every
// picture at that scale, and the splash window shown. Each start is timed
// one to one (--scale 1) and at the scale the screen picks, side by side.
// Needs a display; run it on the screen size to measure, for example under
//   xvfb-run -s "-screen 0 1920x1080x24 -noreset" build/bench/zelvan-bench-startup
// (-noreset: a bare Xvfb resets itself, for about 200 ms, whenever its last
// client leaves, as the first application object does on a big screen; a
// desktop always has other clients.) Each iteration makes and tears down
// all of it, so it times a start without the process's own loading; the
// counters give the milliseconds of each step per start.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <chrono>

#include "app/shell/mainwindow.h"
#include "app/shell/scaledapplication.h"
#include "app/shell/splash.h"
#include "app/shell/startup.h"

using namespace zelvan;

namespace {

char arg0[] = "zelvan-bench-startup";
char* args[] = {arg0, nullptr};

double msSince(std::chrono::steady_clock::time_point t) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count();
}

// state.range(0): the scale asked for, in quarters; 0 lets the screen pick.
void startToSplash(benchmark::State& state) {
    const double requested = static_cast<double>(state.range(0)) / 4;
    const QByteArray scaleFactor = qgetenv("QT_SCALE_FACTOR");
    double ratio = 0;
    double appMs = 0, windowMs = 0, splashMs = 0;
    const QTemporaryDir settings;
    for (auto _ : state) {
        // Each start finds the environment as the program would.
        if (scaleFactor.isEmpty())
            qunsetenv("QT_SCALE_FACTOR");
        else
            qputenv("QT_SCALE_FACTOR", scaleFactor);
        auto t = std::chrono::steady_clock::now();
        ScaledApplication scaled(1, args, requested);
        installFonts();
        appMs += msSince(t);

        t = std::chrono::steady_clock::now();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        MainWindowConfig config;
        config.settingsFolder = settings.path();
        config.port = 0;  // any free port, on loopback: the bench never meets a real copy
        config.listenOnLoopbackOnly = true;
        MainWindow window(config);
        windowMs += msSince(t);

        t = std::chrono::steady_clock::now();
        SplashWindow splash(screen);
        splash.show();
        QCoreApplication::processEvents();
        splashMs += msSince(t);
        ratio = qApp->devicePixelRatio();
    }
    // The share of each step, in milliseconds per start.
    const double n = static_cast<double>(state.iterations());
    state.counters["ratio"] = ratio;
    state.counters["app_ms"] = appMs / n;
    state.counters["window_ms"] = windowMs / n;
    state.counters["splash_ms"] = splashMs / n;
}
BENCHMARK(startToSplash)
    ->ArgName("scale_quarters")
    ->Arg(4)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
