#pragma once
// Runs a Qt Test object on Qt's offscreen platform with one screen of a
// chosen size, through the program's own scaled application object, as the
// game would start on that screen.

#include <QFile>
#include <QSize>
#include <QTemporaryDir>
#include <QTest>

#include "app/shell/scaledapplication.h"
#include "app/shell/startup.h"

namespace zelvan::test {

// `device`: the screen's pixels; `ratio`: the device pixel ratio the
// platform itself reports; `requestedScale`: as --scale gives it, 0 to let
// the program pick.
inline int runOnScreen(QObject& tests, int argc, char** argv, QSize device, int ratio,
                       double requestedScale) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    // The platform takes the size in its own logical pixels.
    file.write(
        QStringLiteral(R"({"screens": [{"name": "big", "x": 0, "y": 0, "width": %1, )"
                       R"("height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": %3}]})")
            .arg(device.width() / ratio)
            .arg(device.height() / ratio)
            .arg(ratio)
            .toLatin1());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    qunsetenv("QT_SCALE_FACTOR");

    ScaledApplication scaled(argc, argv, requestedScale);
    installFonts();
    return QTest::qExec(&tests, argc, argv);
}

}  // namespace zelvan::test
