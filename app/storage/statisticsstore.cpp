#include "app/storage/statisticsstore.h"

#include <QDir>
#include <QFile>

#include "app/storage/atomicfile.h"

namespace zelvan {

StatisticsStore::StatisticsStore(const QString& folder) : folder_(folder) {}

QString StatisticsStore::path() const {
    return QDir(folder_).filePath(QString::fromLatin1(kFileName));
}

QString StatisticsStore::damagedPath() const {
    return path() + QString::fromLatin1(kDamagedSuffix);
}

void StatisticsStore::load() {
    statistics_ = {};
    if (!QFile::exists(path())) return;
    const FileBytes file = readFileUpTo(path(), kMaxFileBytes);
    if (file.readable && file.bytes.size() <= kMaxFileBytes) {
        const auto decoded = records::decodeStatistics(
            std::string_view(file.bytes.constData(), static_cast<std::size_t>(file.bytes.size())));
        if (decoded) {
            statistics_ = *decoded;
            return;
        }
    }
    QFile::remove(damagedPath());
    QFile::rename(path(), damagedPath());
}

bool StatisticsStore::add(const records::Opponent& opponent, records::Outcome outcome,
                          int blueScore, int redScore) {
    if (!statistics_.add(opponent, outcome, blueScore, redScore)) return false;
    writeFileAtomically(path(), QByteArray::fromStdString(records::encodeStatistics(statistics_)));
    return true;
}

}  // namespace zelvan
