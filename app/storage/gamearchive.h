#pragma once
// Every game that ends is kept: one .psq file per game in a "games" folder
// beside the settings file, named by the game's start, so the names sort
// as the games were played ("2024-05-01_14-03-22.psq", and
// "2024-05-01_14-03-22_001.psq" for a second game begun in the same
// second). The folder never holds more than a limit of them: past it the
// oldest go first. Files of other names in the folder are left alone.

#include <QString>
#include <QStringList>

#include "core/records/record.h"

namespace zelvan {

class GameArchive {
public:
    static constexpr const char* kFolderName = "games";
    static constexpr int kDefaultLimit = 1000;

    // The archive inside `settingsFolder` (SettingsStore::folder()).
    explicit GameArchive(const QString& settingsFolder, int limit = kDefaultLimit);

    const QString& folder() const { return folder_; }
    int limit() const { return limit_; }

    // Writes the record atomically under its start's name (now, when it has
    // none), then removes the oldest files beyond the limit. Returns the
    // path written, or an empty string when the folder or the file could
    // not be written: the game goes on either way.
    QString keep(const records::GameRecord& record) const;
    // The archive's own files, oldest first.
    QStringList files() const;

    // "2024-05-01_14-03-22.psq" for serial 0, "..._001.psq" for 1 and on.
    static QString fileName(const records::RecordTime& started, int serial);
    static bool isArchiveFileName(const QString& name);

private:
    void trim() const;

    QString folder_;
    int limit_;
};

}  // namespace zelvan
