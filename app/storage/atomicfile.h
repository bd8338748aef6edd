#pragma once
// Writing a whole file so that it is either all there or not changed at
// all: the bytes go to a temporary file beside it, which is renamed over the
// old one only once every byte is written.

#include <QByteArray>
#include <QString>

namespace zelvan {

// Whether the file now holds exactly these bytes.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

// At most `limit` bytes of the file, and whether it could be read at all.
// One more byte than the limit is read, so a caller can tell a file that
// is too long from one that just fits.
struct FileBytes {
    bool readable = false;
    QByteArray bytes;
};
FileBytes readFileUpTo(const QString& path, qint64 limit);

}  // namespace zelvan
