// zelvan-genart: draws every picture of the game, and each but the
// application icons again two and three times finer ("<name>@2x.png",
// "<name>@3x.png") for big screens.
//
//   zelvan-genart <dir>           writes the pictures under <dir>
//   zelvan-genart --check <dir>   compares them with the pictures in <dir>
//
// Needs a GUI platform for the fonts; QT_QPA_PLATFORM=offscreen will do.

#include "paintkit.h"
#include "pictures.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QTextStream>
#include <QtGui/QGuiApplication>

namespace genart {

Pictures paintAll(int scale) {
    setPaintScale(scale);
    Pictures all;
    const QImage background = paintBackground();
    const QImage optionsPanel = paintOptionsPanel();
    all.push_back({QStringLiteral("background.png"), background});
    all.push_back({QStringLiteral("splash.png"), paintSplash()});
    all.push_back({QStringLiteral("progressbar.png"), paintProgressBar()});
    all.push_back({QStringLiteral("optionspanel.png"), optionsPanel});
    all.push_back({QStringLiteral("chatpanel.png"), paintChatPanel()});
    for (Pictures part :
         {paintPieces(), paintGlyphs(background, optionsPanel), paintIcons(background)}) {
        for (Picture& picture : part)
            all.push_back(std::move(picture));
    }
    if (scale == 1) {
        for (Picture& picture : paintAppIcons())
            all.push_back(std::move(picture));
    } else {
        for (Picture& picture : all)
            picture.path.insert(picture.path.lastIndexOf(QLatin1Char('.')),
                                QStringLiteral("@%1x").arg(scale));
    }
    setPaintScale(1);
    return all;
}

}  // namespace genart

namespace {

QImage::Format storedFormat(const genart::Picture& picture) {
    return picture.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

int write(const genart::Pictures& pictures, const QDir& dir, QTextStream& err) {
    for (const genart::Picture& picture : pictures) {
        const QString file = dir.filePath(picture.path);
        QDir().mkpath(QFileInfo(file).path());
        if (!picture.image.convertToFormat(storedFormat(picture)).save(file, "PNG", 9)) {
            err << "cannot write " << file << "\n";
            return 1;
        }
    }
    return 0;
}

int check(const genart::Pictures& pictures, const QDir& dir, QTextStream& err) {
    int stale = 0;
    for (const genart::Picture& picture : pictures) {
        const QString file = dir.filePath(picture.path);
        const QImage committed(file);
        QImage fresh = picture.image.convertToFormat(storedFormat(picture));
        fresh.setDevicePixelRatio(1);  // a file keeps pixels, not the scale
        if (committed.isNull() || committed.convertToFormat(storedFormat(picture)) != fresh) {
            err << "differs from the generator's output: " << file << "\n";
            ++stale;
        }
    }
    return stale == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const bool checking = !args.isEmpty() && args.front() == QLatin1String("--check");
    if (args.size() != (checking ? 2 : 1)) {
        err << "usage: zelvan-genart [--check] <art folder>\n";
        return 2;
    }
    if (!genart::loadFonts()) {
        err << "cannot load the embedded Liberation Sans\n";
        return 2;
    }
    genart::Pictures pictures;
    for (int scale : {1, 2, 3})
        for (genart::Picture& picture : genart::paintAll(scale))
            pictures.push_back(std::move(picture));
    const QDir dir(args.back());
    return checking ? check(pictures, dir, err) : write(pictures, dir, err);
}
