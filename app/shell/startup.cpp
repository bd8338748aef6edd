#include "app/shell/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "app/shell/delay.h"
#include "app/shell/mainwindow.h"
#include "app/shell/splash.h"
#include "app/ui/soundplayer.h"
#include "app/widgets/bitmapprogressbar.h"
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

}  // namespace

int runZelvan(int argc, char** argv) {
    // The program prints nothing: Qt's own warnings (a missing sound server,
    // an unset runtime folder) are not for the player.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
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

    MainWindow mainWindow;
    QObject::connect(&mainWindow, &MainWindow::quitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);

    SplashWindow splash(geometry);
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

    mainWindow.show();
    mainWindow.raise();
    mainWindow.activateWindow();
    QCoreApplication::processEvents();
    splash.hide();

    return app.exec();
}

}  // namespace zelvan
