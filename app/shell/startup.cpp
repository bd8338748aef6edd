#include "app/shell/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/shell/commandline.h"
#include "app/shell/mainwindow.h"
#include "app/shell/qtmessages.h"
#include "app/shell/scaledapplication.h"
#include "app/shell/splash.h"
#include "app/ui/layout.h"
#include "app/ui/soundplayer.h"
#include "assets/appicon.h"
#include "assets/embeddedfonts.h"
#include "core/engine/sound.h"

namespace zelvan {

QString screenSizeRefusal(const QSize& screen) {
    if (screen.width() < 800 || screen.height() < 600)
        return QStringLiteral("Minimum video mode required is 800x600!");
    return {};
}

QString colourDepthRefusal(int bitsPerPixel) {
    if (bitsPerPixel < 16) return QStringLiteral("Minimum color quality is 16 bits per pixel!");
    return {};
}

void installFonts() {
    registerEmbeddedFonts();
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

namespace {

// The refusal in a message box; the program ends when it is closed.
int refuse(QApplication& app, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ZELVAN"), text, QMessageBox::Ok);
    QObject::connect(&box, &QMessageBox::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    box.open();
    app.exec();
    return 0;
}

// Runs each step once its pause after the one before has passed, from the
// event loop: the window stays alive and nothing waits inside a handler.
struct TimedStep {
    int afterMs;
    std::function<void()> action;
};

void runSteps(QObject* owner, std::shared_ptr<std::vector<TimedStep>> steps, std::size_t next = 0) {
    if (next >= steps->size()) return;
    QTimer::singleShot((*steps)[next].afterMs, Qt::PreciseTimer, owner, [owner, steps, next] {
        (*steps)[next].action();
        runSteps(owner, steps, next + 1);
    });
}

// Reads the command line with no window system in reach; what it prints
// it prints here.
std::optional<int> readCommandLine(int argc, char** argv, LaunchOptions& options) {
    int count = argc;
    QCoreApplication reader(count, argv);
    const CommandLine line = parseCommandLine(QCoreApplication::arguments());
    if (line.outcome == CommandLine::Outcome::Run) {
        options = line.options;
        return std::nullopt;
    }
    std::fputs(line.text.toLocal8Bit().constData(), line.toStderr ? stderr : stdout);
    return line.exitCode;
}

}  // namespace

int runZelvan(int argc, char** argv) {
    installMessageRouting();
    LaunchOptions options;
    if (const auto exitCode = readCommandLine(argc, argv, options)) return *exitCode;

    ScaledApplication scaled(argc, argv, options.scale);
    QApplication* app = &scaled.app();
    QApplication::setApplicationName(QStringLiteral("ZELVAN"));
    QApplication::setWindowIcon(appIcon());  // both windows carry it
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zelvan.Zelvan"));
    installFonts();

    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect geometry = screen ? screen->geometry() : QRect();
    if (const QString refusal = screenSizeRefusal(geometry.size()); !refusal.isEmpty())
        return refuse(*app, refusal);

    MainWindowConfig config;
    config.port = options.port;
    config.windowed = options.windowed;
    if (options.windowed) config.screen = QRect(0, 0, layout::kWidth, layout::kHeight);
    MainWindow mainWindow(config);
    QObject::connect(&mainWindow, &MainWindow::quitRequested, app, &QApplication::quit,
                     Qt::QueuedConnection);

    // In a window the splash is just its picture, in the middle of the screen.
    const QRect splashArea =
        options.windowed
            ? QRect(QPoint(0, 0), layout::kSplashSize)
                  .translated(geometry.center() - QPoint(layout::kSplashSize.width() / 2,
                                                         layout::kSplashSize.height() / 2))
            : geometry;
    SplashWindow splash(splashArea);
    splash.show();

    if (screen) {
        if (const QString refusal = colourDepthRefusal(screen->depth()); !refusal.isEmpty()) {
            // Nothing is saved: the main window was never shown.
            splash.hide();
            return refuse(*app, refusal);
        }
    }

    // About two seconds of splash: the start-up sound after 100 ms (whatever
    // the sound option says), the bar a fifth further every 200 ms, a second
    // at full length; then the main window, and the splash goes once the
    // window has been drawn.
    auto steps = std::make_shared<std::vector<TimedStep>>();
    steps->push_back({100, [&] {
                          mainWindow.soundPlayer().play(Sound::Startup);
                          splash.setProgress(63);
                      }});
    for (int position : {126, 189, 252, 315})
        steps->push_back({200, [&splash, position] { splash.setProgress(position); }});
    steps->push_back({1000, [&] {
                          if (options.windowed)
                              mainWindow.move(screen->availableGeometry().center() -
                                              QPoint(layout::kWidth / 2, layout::kHeight / 2));
                          mainWindow.show();
                          mainWindow.raise();
                          mainWindow.activateWindow();
                      }});
    steps->push_back({0, [&] {
                          splash.hide();
                          if (!options.openFile.isEmpty()) mainWindow.openRecord(options.openFile);
                      }});
    runSteps(&mainWindow, steps);

    return app->exec();
}

}  // namespace zelvan
