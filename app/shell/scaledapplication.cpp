#include "app/shell/scaledapplication.h"

#include <QScreen>
#include <cmath>

#include "app/shell/qtmessages.h"
#include "app/shell/screenscale.h"

namespace zelvan {

ScaledApplication::ScaledApplication(int argc, char** argv, double requestedScale) {
    for (int i = 0; i < argc; ++i)
        given_.emplace_back(argv[i]);
    make();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const double ratio = screen->devicePixelRatio();
    const double wanted = sceneDevicePixelRatio(screen->geometry().size(), ratio, requestedScale);
    if (std::abs(wanted - ratio) < 1e-3) return;

    // Qt multiplies whatever the platform says by this factor.
    bool set = false;
    double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    if (!set || factor <= 0) factor = 1;
    app_.reset();
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor * wanted / ratio, 'g', 8));
    make();
}

ScaledApplication::~ScaledApplication() = default;

void ScaledApplication::make() {
    copies_ = given_;
    argv_.clear();
    for (QByteArray& a : copies_)
        argv_.push_back(a.data());
    argv_.push_back(nullptr);
    argc_ = static_cast<int>(copies_.size());
    openingDisplay([this] { app_ = std::make_unique<QApplication>(argc_, argv_.data()); });
}

}  // namespace zelvan
