#include "app/storage/gamearchive.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "app/storage/atomicfile.h"
#include "app/storage/recordfile.h"
#include "core/records/psq.h"

namespace zelvan {

namespace {

// More games begun in one second than this cannot happen; the serials only
// keep two that do apart.
constexpr int kMaxSerial = 999;

}  // namespace

GameArchive::GameArchive(const QString& settingsFolder, int limit)
    : folder_(QDir(settingsFolder).filePath(QString::fromLatin1(kFolderName))),
      limit_(std::max(limit, 1)) {}

QString GameArchive::fileName(const records::RecordTime& t, int serial) {
    QString name = QString::fromStdString(t.dateText() + '_' + t.timeText());
    name.replace(QLatin1Char(':'), QLatin1Char('-'));
    if (serial > 0) name += QStringLiteral("_%1").arg(serial, 3, 10, QLatin1Char('0'));
    return name + QStringLiteral(".psq");
}

bool GameArchive::isArchiveFileName(const QString& name) {
    static const QRegularExpression own(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d(_\\d{3})?\\.psq$"));
    return own.match(name).hasMatch();
}

QString GameArchive::keep(const records::GameRecord& record) const {
    if (!QDir().mkpath(folder_)) return {};
    const records::RecordTime started =
        record.started.isSet() ? record.started : recordTime(QDateTime::currentDateTime());
    const QDir dir(folder_);
    for (int serial = 0; serial <= kMaxSerial; ++serial) {
        const QString path = dir.filePath(fileName(started, serial));
        if (QFile::exists(path)) continue;
        if (!writeFileAtomically(path, QByteArray::fromStdString(records::writePsq(record))))
            return {};
        trim();
        return path;
    }
    return {};
}

QStringList GameArchive::files() const {
    QStringList own;
    const QStringList names = QDir(folder_).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        if (isArchiveFileName(name)) own.append(name);
    // Plain character order: the names are written to sort as the games began.
    std::sort(own.begin(), own.end());
    return own;
}

void GameArchive::trim() const {
    const QStringList own = files();
    const QDir dir(folder_);
    for (qsizetype i = 0; i < own.size() - limit_; ++i)
        QFile::remove(dir.filePath(own[i]));
}

}  // namespace zelvan
