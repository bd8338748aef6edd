#pragma once
// A game record as a file the player names: read for review, written when
// the game is saved.

#include <QDateTime>
#include <QString>

#include "core/records/record.h"

namespace zelvan {

// The record in the file (PSQ, or SGF by its first character), or the one
// line that says why the file cannot be opened as one. Nothing past the
// largest record is read.
records::RecordOrRefusal readRecordFile(const QString& path);
// Writes the record atomically, as SGF when the name ends in ".sgf" and as
// PSQ otherwise. Returns an empty string, or the line that says why the
// file could not be written.
QString writeRecordFile(const QString& path, const records::GameRecord& record);

// A local date and time as a record keeps it.
records::RecordTime recordTime(const QDateTime& when);

}  // namespace zelvan
