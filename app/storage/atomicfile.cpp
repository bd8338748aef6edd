#include "app/storage/atomicfile.h"

#include <QFile>
#include <QSaveFile>

namespace zelvan {

bool writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // QSaveFile does not notice every short write (a file size limit, for
    // one), so the bytes are pushed out and counted before the rename.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        file.cancelWriting();
    }
    return file.commit();  // after any error the old file stays as it was
}

FileBytes readFileUpTo(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    FileBytes read{true, file.read(limit + 1)};
    if (file.error() != QFileDevice::NoError) return {};
    return read;
}

}  // namespace zelvan
