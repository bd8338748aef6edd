#include "app/storage/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "core/settings/settingscodec.h"

namespace zelvan {

SettingsStore::SettingsStore()
    : folder_(chooseFolder(QCoreApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))) {}

SettingsStore::SettingsStore(const QString& folder) : folder_(folder) {}

QString SettingsStore::chooseFolder(const QString& executableFolder, const QString& appData) {
    const QFileInfo info(executableFolder);
    const bool builtHere =
        !executableFolder.isEmpty() && info.isDir() &&
        QFileInfo(QDir(executableFolder).filePath(QString::fromLatin1(kBuildFolderMarker)))
            .isFile();
    if (builtHere && info.isWritable()) return executableFolder;
    QDir().mkpath(appData);
    return appData;
}

QString SettingsStore::settingsPath() const {
    return QDir(folder_).filePath(QString::fromLatin1(kSettingsFileName));
}

QString SettingsStore::chatLogPath() const {
    return QDir(folder_).filePath(QString::fromLatin1(kChatLogFileName));
}

QString SettingsStore::oldChatLogPath() const {
    return QDir(folder_).filePath(QString::fromLatin1(kOldChatLogFileName));
}

void SettingsStore::load(Options& options, Scores& scores) const {
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly)) return;
    // The program never writes more than this; anything beyond is not read.
    const QByteArray bytes = file.read(static_cast<qint64>(kSettingsMaxSize));
    decodeSettings(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                   static_cast<std::size_t>(bytes.size()), options, scores);
}

void SettingsStore::save(const Options& options, const Scores& scores) const {
    const std::vector<std::uint8_t> bytes = encodeSettings(options, scores);
    QSaveFile file(settingsPath());
    if (!file.open(QIODevice::WriteOnly)) return;
    const auto size = static_cast<qint64>(bytes.size());
    // QSaveFile does not notice every short write (a file size limit, for
    // one), so the bytes are pushed out and counted before the rename.
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.flush() ||
        file.size() != size) {
        file.cancelWriting();
    }
    file.commit();  // after any error the temporary file is dropped and the old file stays
}

void SettingsStore::appendChatLog(const std::string& line) const {
    QFile file(chatLogPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
    QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append("\r\n");
    file.write(bytes);
    const bool full = file.size() > kChatLogLimit;
    file.close();
    // A peer can chat for hours: the log keeps one older file and no more.
    if (full) {
        QFile::remove(oldChatLogPath());
        QFile::rename(chatLogPath(), oldChatLogPath());
    }
}

}  // namespace zelvan
