#pragma once
// The statistics on disk: a file of their own beside the settings file,
// read once and rewritten whole after each game counted. A file that cannot
// be read as statistics is not lost and does not stop the game: it is
// renamed aside (zelvanstats.txt.damaged, replacing an older one) and the
// counting starts afresh.

#include <QString>

#include "core/records/statistics.h"

namespace zelvan {

class StatisticsStore {
public:
    static constexpr const char* kFileName = "zelvanstats.txt";
    static constexpr const char* kDamagedSuffix = ".damaged";
    // Far beyond what the file can hold (about 2 KiB); a larger one is damaged.
    static constexpr qint64 kMaxFileBytes = 64 * 1024;

    explicit StatisticsStore(const QString& folder);

    QString path() const;
    QString damagedPath() const;

    // Reads the file: none gives empty statistics; a damaged or unreadable
    // one is set aside and gives empty statistics too.
    void load();
    const records::Statistics& statistics() const { return statistics_; }
    // Counts one ended game (see Statistics::add) and, when it counted,
    // writes the file. Errors in writing are absorbed.
    bool add(const records::Opponent& opponent, records::Outcome outcome, int blueScore,
             int redScore);

private:
    QString folder_;
    records::Statistics statistics_;
};

}  // namespace zelvan
