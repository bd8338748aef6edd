#pragma once
// Display preferences that the settings file has no byte for (its bytes are
// fixed): a small text file of their own beside it. A missing or damaged
// file gives the defaults; a line this program does not know is skipped, so
// a later program can add lines.
//
//   zelvan preferences 1
//   coordinates on

#include <QByteArray>
#include <QString>

namespace zelvan {

struct Preferences {
    bool coordinates = false;  // letters and numbers along the board's edges
    friend bool operator==(const Preferences&, const Preferences&) = default;
};

class PreferencesStore {
public:
    static constexpr const char* kFileName = "zelvanprefs.txt";
    static constexpr qint64 kMaxFileBytes = 4096;

    explicit PreferencesStore(const QString& folder);

    QString path() const;
    Preferences load() const;
    // Writes the whole file atomically; errors are absorbed.
    void save(const Preferences& preferences) const;

    static QByteArray encode(const Preferences& preferences);
    static Preferences decode(const QByteArray& bytes);

private:
    QString folder_;
};

}  // namespace zelvan
