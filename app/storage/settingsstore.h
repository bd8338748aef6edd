#pragma once
// Where the settings file and the chat log live, and reading and writing
// them. Both sit in one folder: beside the executable when that folder is
// writable, else in the per-user application data folder (an installed copy).

#include <string>

#include <QString>

#include "core/engine/scores.h"
#include "core/settings/options.h"

namespace zelvan {

class SettingsStore {
public:
    static constexpr const char* kSettingsFileName = "zelvan.ini";
    static constexpr const char* kChatLogFileName = "zelvanchat.txt";
    // The one older log the chat log is turned into once it grows past
    // kChatLogLimit bytes.
    static constexpr const char* kOldChatLogFileName = "zelvanchat.1.txt";
    static constexpr qint64 kChatLogLimit = 1024 * 1024;

    // The executable's folder, or the per-user application data folder when
    // the executable's folder is not writable.
    SettingsStore();
    // Exactly this folder (tests, tools).
    explicit SettingsStore(const QString& folder);

    // preferred when it is a writable folder; otherwise fallback, created if
    // it does not exist yet.
    static QString chooseFolder(const QString& preferred, const QString& fallback);

    const QString& folder() const { return folder_; }
    QString settingsPath() const;
    QString chatLogPath() const;
    QString oldChatLogPath() const;

    // Reads the settings file over the values held (the defaults, at
    // start-up); a missing or unreadable file leaves them standing.
    void load(Options& options, Scores& scores) const;
    // Writes the whole file atomically: a temporary file beside it, then a
    // rename, so a failed or interrupted save leaves the old file whole.
    // Errors are ignored.
    void save(const Options& options, const Scores& scores) const;
    // Appends line + CR LF to the chat log, creating it if needed and never
    // truncating it. A log that this line takes past kChatLogLimit then
    // becomes the older log (replacing the one before), and the next line
    // starts a new one. Errors are ignored.
    void appendChatLog(const std::string& line) const;

private:
    QString folder_;
};

}  // namespace zelvan
