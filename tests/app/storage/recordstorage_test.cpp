// The files beside the settings file that records bring: the kept games,
// the statistics, the display preferences, and the record files the player
// saves and opens.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/storage/atomicfile.h"
#include "app/storage/gamearchive.h"
#include "app/storage/preferences.h"
#include "app/storage/recordfile.h"
#include "app/storage/statisticsstore.h"
#include "core/records/psq.h"
#include "support/unprivileged.h"

using namespace zelvan;
using namespace zelvan::records;
using zelvan::test::Folders;
using zelvan::test::Unprivileged;

namespace {

GameRecord gameStartedAt(int minute, int second) {
    GameRecord r;
    r.moves = {{8, 8, 0}, {9, 9, 700}};
    r.opponent = Opponent::computer(2);
    r.result = {Outcome::RedWins, Ending::Closed};
    r.started = {2024, 5, 1, 14, minute, second};
    return r;
}

QByteArray contents(const QString& path) {
    return readFileUpTo(path, 1 << 20).bytes;
}

}  // namespace

class RecordStorageTest : public QObject {
    Q_OBJECT

private slots:
    void archiveKeepsEachGameUnderItsStart() {
        QTemporaryDir dir;
        const GameArchive archive(dir.path());
        QCOMPARE(archive.limit(), 1000);
        QCOMPARE(archive.folder(), dir.filePath("games"));

        const GameRecord game = gameStartedAt(3, 22);
        const QString first = archive.keep(game);
        const QString second = archive.keep(game);  // a second game begun in the same second
        QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("2024-05-01_14-03-22.psq"));
        QCOMPARE(QFileInfo(second).fileName(), QStringLiteral("2024-05-01_14-03-22_001.psq"));
        const RecordOrRefusal back = readRecordFile(first);
        QVERIFY(back.record);
        QVERIFY(*back.record == game);
        QCOMPARE(archive.files(),
                 (QStringList{"2024-05-01_14-03-22.psq", "2024-05-01_14-03-22_001.psq"}));
    }

    void archiveDropsTheOldestOfItsOwnPastTheLimit() {
        QTemporaryDir dir;
        const GameArchive archive(dir.path(), 3);
        QDir().mkpath(archive.folder());
        const QStringList strangers{"notes.txt", "my game.psq", "2024-05-01_14-00-00.sgf"};
        for (const QString& name : strangers)
            QVERIFY(writeFileAtomically(QDir(archive.folder()).filePath(name), "mine"));

        for (const int minute : {5, 1, 4, 2, 3})  // kept out of order: the names decide
            QVERIFY(!archive.keep(gameStartedAt(minute, 0)).isEmpty());
        QCOMPARE(archive.files(), (QStringList{"2024-05-01_14-03-00.psq", "2024-05-01_14-04-00.psq",
                                               "2024-05-01_14-05-00.psq"}));
        for (const QString& name : strangers)
            QVERIFY(QFile::exists(QDir(archive.folder()).filePath(name)));
    }

    void anUnwritableFolderLosesTheGameQuietly() {
        Folders dirs;
        dirs.lock();
        Unprivileged nobody;
        QCOMPARE(GameArchive(dirs.readOnly).keep(gameStartedAt(0, 0)), QString());
        QVERIFY(!QFile::exists(QDir(dirs.readOnly).filePath("games")));
    }

    void statisticsSurviveARestart() {
        QTemporaryDir dir;
        StatisticsStore store(dir.path());
        store.load();
        QCOMPARE(store.statistics(), Statistics{});
        QVERIFY(!QFile::exists(store.path()));

        QVERIFY(store.add(Opponent::computer(2), Outcome::BlueWins, 1001, 999));
        QVERIFY(!store.add(Opponent::computer(2), Outcome::Unfinished, 1001, 999));
        StatisticsStore again(dir.path());
        again.load();
        QCOMPARE(again.statistics().total(), (Tally{1, 1, 0, 0}));
        QCOMPARE(again.statistics(), store.statistics());
    }

    void aDamagedStatisticsFileIsSetAsideAndCountingStartsAfresh() {
        QTemporaryDir dir;
        StatisticsStore store(dir.path());
        QVERIFY(writeFileAtomically(store.damagedPath(), "an older damaged file"));
        const QByteArray damaged = "zelvan statistics 1\nlevel-1 3 2 0 0\n";
        QVERIFY(writeFileAtomically(store.path(), damaged));

        store.load();
        QCOMPARE(store.statistics(), Statistics{});
        QVERIFY(!QFile::exists(store.path()));
        QCOMPARE(contents(store.damagedPath()), damaged);

        QVERIFY(store.add(Opponent::personHere(), Outcome::Draw, 1000, 1000));
        StatisticsStore again(dir.path());
        again.load();
        QCOMPARE(again.statistics().total(), (Tally{1, 0, 0, 1}));
    }

    void anOversizedStatisticsFileIsSetAsideToo() {
        QTemporaryDir dir;
        StatisticsStore store(dir.path());
        QVERIFY(
            writeFileAtomically(store.path(), QByteArray(StatisticsStore::kMaxFileBytes + 1, 'x')));
        store.load();
        QCOMPARE(store.statistics(), Statistics{});
        QVERIFY(QFile::exists(store.damagedPath()));
    }

    void preferencesFallBackToDefaultsWhenMissingOrDamaged() {
        QTemporaryDir dir;
        const PreferencesStore store(dir.path());
        QCOMPARE(store.load(), Preferences{});  // no file: coordinates off
        store.save({true});
        QCOMPARE(contents(store.path()), QByteArray("zelvan preferences 1\ncoordinates on\n"));
        QCOMPARE(store.load(), Preferences{true});

        const QByteArray later = "zelvan preferences 1\nsomething new 1\ncoordinates on\n";
        QCOMPARE(PreferencesStore::decode(later), Preferences{true});
        for (const QByteArray& damaged :
             {QByteArray("coordinates on\n"), QByteArray("zelvan preferences 1\ncoordinates 1\n"),
              QByteArray("\x00\xff\x13", 3)}) {
            QCOMPARE(PreferencesStore::decode(damaged), Preferences{});
        }
    }

    void recordFilesTakeTheFormatTheirNameAsks() {
        QTemporaryDir dir;
        const GameRecord game = gameStartedAt(3, 22);
        for (const QString name : {"game.sgf", "game.psq", "game"}) {
            const QString path = dir.filePath(name);
            QCOMPARE(writeRecordFile(path, game), QString());
            QCOMPARE(contents(path).startsWith("(;"), name.endsWith(".sgf"));
            const RecordOrRefusal back = readRecordFile(path);
            QVERIFY(back.record);
            QVERIFY(*back.record == game);
        }
        QCOMPARE(writeRecordFile(dir.filePath("none/game.psq"), game),
                 QStringLiteral("Cannot write game.psq"));
    }

    void recordFilesThatCannotBeReadAreRefused() {
        QTemporaryDir dir;
        QCOMPARE(readRecordFile(dir.filePath("missing.psq")).refusal,
                 std::string("Cannot read missing.psq"));
        QCOMPARE(readRecordFile(dir.path()).refusal,
                 "Cannot read " + QFileInfo(dir.path()).fileName().toStdString());

        const QString big = dir.filePath("big.psq");
        QByteArray bytes = QByteArray::fromStdString(writePsq(gameStartedAt(0, 0)));
        bytes.append(QByteArray(qsizetype(kMaxRecordBytes), ' '));
        QVERIFY(writeFileAtomically(big, bytes));
        const RecordOrRefusal read = readRecordFile(big);
        QVERIFY(!read.record);
        QCOMPARE(read.refusal, refusal::tooLarge());
    }
};

QTEST_GUILESS_MAIN(RecordStorageTest)
#include "recordstorage_test.moc"
