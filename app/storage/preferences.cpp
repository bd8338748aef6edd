#include "app/storage/preferences.h"

#include <QDir>
#include <QList>

#include "app/storage/atomicfile.h"

namespace zelvan {

namespace {

constexpr char kHeader[] = "zelvan preferences 1";

const char* onOff(bool on) {
    return on ? "on" : "off";
}

}  // namespace

PreferencesStore::PreferencesStore(const QString& folder) : folder_(folder) {}

QString PreferencesStore::path() const {
    return QDir(folder_).filePath(QString::fromLatin1(kFileName));
}

Preferences PreferencesStore::load() const {
    const FileBytes file = readFileUpTo(path(), kMaxFileBytes);
    if (!file.readable || file.bytes.size() > kMaxFileBytes) return {};
    return decode(file.bytes);
}

void PreferencesStore::save(const Preferences& preferences) const {
    writeFileAtomically(path(), encode(preferences));
}

QByteArray PreferencesStore::encode(const Preferences& preferences) {
    return QByteArray(kHeader) + "\ncoordinates " + onOff(preferences.coordinates) + "\n";
}

Preferences PreferencesStore::decode(const QByteArray& bytes) {
    Preferences p;
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines.front().trimmed() != kHeader) return p;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() != 2) continue;
        if (words[0] == "coordinates" && (words[1] == "on" || words[1] == "off"))
            p.coordinates = words[1] == "on";
    }
    return p;
}

}  // namespace zelvan
