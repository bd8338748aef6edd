#include "app/ui/soundresource.h"

#include <QtCore/QFile>

namespace zelvan {

namespace {

const char* const kNames[kSoundCount] = {"bluepiece", "redpiece", "bluewins", "redwins", "play",
                                         "click",     "exit",     "calling",  "error",   "startup"};

}  // namespace

QString soundResource(Sound sound) {
    return QStringLiteral(":/sounds/%1.wav")
        .arg(QLatin1String(kNames[static_cast<std::size_t>(sound)]));
}

QByteArray loadSoundResource(Sound sound) {
    QFile file(soundResource(sound));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace zelvan
