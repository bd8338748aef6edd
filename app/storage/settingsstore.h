#pragma once
// Where the settings file and the chat log live, and reading and writing
// them. Both sit in one folder: beside the executable when it runs from its
// build folder, else (an installed copy, whatever it may write) in the
// per-user application data folder, ~/.local/share/ZELVAN/.

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

    // The build writes this file beside the game it builds and never
    // installs it: its presence tells a copy run from its build folder.
    static constexpr const char* kBuildFolderMarker = "zelvan-build-folder";

    // The folder chooseFolder picks for the running executable.
    SettingsStore();
    // Exactly this folder (tests, tools).
    explicit SettingsStore(const QString& folder);

    // executableFolder when the game was built there (it holds the marker)
    // and it is writable; otherwise appData, created if it does not exist
    // yet. An installed copy thus never writes beside itself, even run by a
    // user who may write there.
    static QString chooseFolder(const QString& executableFolder, const QString& appData);

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
