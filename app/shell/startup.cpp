#include "app/shell/startup.h"

#include <QApplication>
#include <QByteArray>
#include <QMessageBox>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "app/shell/commandline.h"
#include "app/shell/delay.h"
#include "app/shell/mainwindow.h"
#include "app/shell/qtmessages.h"
#include "app/shell/screenscale.h"
#include "app/shell/splash.h"
#include "app/ui/layout.h"
#include "app/ui/soundplayer.h"
#include "assets/appicon.h"
#include "assets/embeddedfonts.h"
#include "core/engine/host.h"

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

void refuse(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ZELVAN"), text, QMessageBox::Ok);
    box.exec();
}

// The arguments as given: the application object takes Qt's own options out
// of what it is handed, and a second one must see them too.
class Arguments {
public:
    Arguments(int argc, char** argv) {
        for (int i = 0; i < argc; ++i)
            kept_.emplace_back(argv[i]);
    }
    // A fresh copy for the next application object, which keeps both.
    std::unique_ptr<QApplication> makeApplication() {
        refresh();
        return std::make_unique<QApplication>(argc_, argv_.data());
    }

private:
    void refresh() {
        copies_ = kept_;
        argv_.clear();
        for (QByteArray& a : copies_)
            argv_.push_back(a.data());
        argv_.push_back(nullptr);
        argc_ = static_cast<int>(copies_.size());
    }
    std::vector<QByteArray> kept_;
    std::vector<QByteArray> copies_;
    std::vector<char*> argv_;
    int argc_ = 0;
};

// The application object, made at the device pixel ratio the scene wants.
// Qt reads its scale factor once, as the object is made, and the screen is
// known only after that: where the screen asks for another ratio, the first
// object goes and a second one is made with the factor set.
std::unique_ptr<QApplication> openApplication(Arguments& args, int requestedScale) {
    std::unique_ptr<QApplication> app;
    openingDisplay([&] { app = args.makeApplication(); });
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return app;
    const double ratio = screen->devicePixelRatio();
    const double wanted = sceneDevicePixelRatio(screen->geometry().size(), ratio, requestedScale);
    if (std::abs(wanted - ratio) < 1e-3) return app;

    bool set = false;
    double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    if (!set || factor <= 0) factor = 1;
    app.reset();
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor * wanted / ratio, 'g', 8));
    openingDisplay([&] { app = args.makeApplication(); });
    return app;
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

    Arguments args(argc, argv);
    const std::unique_ptr<QApplication> app = openApplication(args, options.scale);
    QApplication::setApplicationName(QStringLiteral("ZELVAN"));
    QApplication::setWindowIcon(appIcon());  // both windows carry it
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zelvan.Zelvan"));
    installFonts();

    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect geometry = screen ? screen->geometry() : QRect();
    if (const QString refusal = screenSizeRefusal(geometry.size()); !refusal.isEmpty()) {
        refuse(refusal);
        return 0;
    }

    MainWindowConfig config;
    config.port = options.port;
    config.windowed = options.windowed;
    if (options.windowed) config.screen = QRect(0, 0, layout::kWidth, layout::kHeight);
    MainWindow mainWindow(config);
    QObject::connect(&mainWindow, &MainWindow::quitRequested, app.get(), &QApplication::quit,
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
    QCoreApplication::processEvents();

    if (screen) {
        if (const QString refusal = colourDepthRefusal(screen->depth()); !refusal.isEmpty()) {
            // Nothing is saved: the main window was never shown.
            splash.hide();
            refuse(refusal);
            return 0;
        }
    }

    delayMs(100);
    mainWindow.soundPlayer().play(Sound::Startup);  // whatever the sound option says
    for (int position : {63, 126, 189, 252}) {
        splash.setProgress(position);
        QCoreApplication::processEvents();
        delayMs(200);
    }
    splash.setProgress(315);
    QCoreApplication::processEvents();
    delayMs(1000);

    if (options.windowed)
        mainWindow.move(screen->availableGeometry().center() -
                        QPoint(layout::kWidth / 2, layout::kHeight / 2));
    mainWindow.show();
    mainWindow.raise();
    mainWindow.activateWindow();
    QCoreApplication::processEvents();
    splash.hide();

    return app->exec();
}

}  // namespace zelvan
