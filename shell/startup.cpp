#include "shell/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "assets/appicon.h"
#include "assets/embeddedfonts.h"
#include "engine/host.h"
#include "shell/delay.h"
#include "shell/mainwindow.h"
#include "shell/splash.h"
#include "ui/soundplayer.h"
#include "widgets/alprogressbar.h"

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

    MainWindow form1;
    QObject::connect(&form1, &MainWindow::quitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);

    SplashWindow form2(geometry);
    form2.show();
    QCoreApplication::processEvents();

    if (screen) {
        if (const QString refusal = colourDepthRefusal(screen->depth()); !refusal.isEmpty()) {
            // Nothing is saved: the main window was never shown.
            form2.hide();
            refuse(refusal);
            return 0;
        }
    }

    delayMs(100);
    form1.soundPlayer().play(Sound::T1);  // whatever the sound option says
    for (int position : {63, 126, 189, 252}) {
        form2.ALProgressBar1->setPosition(position);
        QCoreApplication::processEvents();
        delayMs(200);
    }
    form2.ALProgressBar1->setPosition(315);
    QCoreApplication::processEvents();
    delayMs(1000);

    form1.show();
    form1.raise();
    form1.activateWindow();
    QCoreApplication::processEvents();
    form2.hide();

    return app.exec();
}

}  // namespace zelvan
