#include "app/storage/recordfile.h"

#include <QFileInfo>

#include "app/storage/atomicfile.h"
#include "core/records/recordformat.h"

namespace zelvan {

records::RecordOrRefusal readRecordFile(const QString& path) {
    const std::string cannot = "Cannot read " + QFileInfo(path).fileName().toStdString();
    if (QFileInfo(path).isDir()) return {{}, cannot};
    const FileBytes file = readFileUpTo(path, static_cast<qint64>(records::kMaxRecordBytes));
    if (!file.readable) return {{}, cannot};
    return records::readRecord(
        std::string_view(file.bytes.constData(), static_cast<std::size_t>(file.bytes.size())));
}

QString writeRecordFile(const QString& path, const records::GameRecord& record) {
    const std::string text =
        records::writeRecord(record, records::formatForName(path.toStdString()));
    if (writeFileAtomically(path, QByteArray::fromStdString(text))) return {};
    return QStringLiteral("Cannot write %1").arg(QFileInfo(path).fileName());
}

records::RecordTime recordTime(const QDateTime& when) {
    const QDate d = when.date();
    const QTime t = when.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

}  // namespace zelvan
