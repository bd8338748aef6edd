#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/storage/settingsstore.h"
#include "core/settings/settingscodec.h"
#include "support/settingsgames.h"
#include "support/unprivileged.h"

using namespace zelvan;
using zelvan::test::defaultGame;
using zelvan::test::Folders;
using zelvan::test::Unprivileged;
using zelvan::test::unusualGame;

namespace {

// Stored values all in range, so a load brings back every one as saved.
Game unusualInRange() {
    Game g = unusualGame();
    g.scoreBlue = 17;
    return g;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

}  // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void fileNamesSitInTheFolder() {
        const SettingsStore store("/some/folder");
        QCOMPARE(store.settingsPath(), QString("/some/folder/zelvan.ini"));
        QCOMPARE(store.chatLogPath(), QString("/some/folder/zelvanchat.txt"));
    }

    // A copy run from its build folder keeps its files beside it while it
    // may write there; any other copy (an installed one, even run by a user
    // who may write beside it, as root may in /usr/bin) keeps them in the
    // per-user data folder, made on the way. So does a path that is no
    // folder at all.
    void filesBesideABuildElseInTheDataFolder() {
        Folders dirs;
        const QString appData = dirs.base.filePath("user/data/ZELVAN");
        const QString installed = dirs.base.filePath("usr/bin");
        QDir().mkpath(installed);
        QCOMPARE(SettingsStore::chooseFolder(installed, appData), appData);
        QVERIFY(QFileInfo(appData).isDir());

        writeAll(QDir(dirs.readOnly).filePath(SettingsStore::kBuildFolderMarker), "built here");
        QCOMPARE(SettingsStore::chooseFolder(dirs.readOnly, appData), dirs.readOnly);
        dirs.lock();
        {
            Unprivileged nobody;
            QCOMPARE(SettingsStore::chooseFolder(dirs.readOnly, appData), appData);
        }
        writeAll(dirs.base.filePath("plain"), "x");
        QCOMPARE(SettingsStore::chooseFolder(dirs.base.filePath("plain"), appData), appData);
        QCOMPARE(SettingsStore::chooseFolder(QString(), appData), appData);
    }

    void saveThenLoadRestoresEveryValue() {
        QTemporaryDir dir;
        const SettingsStore store(dir.path());
        const Game saved = unusualInRange();
        store.save(saved);
        const QByteArray bytes = readAll(store.settingsPath());
        QCOMPARE(bytes.size(), 30 + 15);

        Game g = defaultGame();
        store.load(g);
        // Every stored value is back (the bytes cover them all), and the
        // stored style is both the current and the chosen one.
        QVERIFY(encodeSettings(g) == encodeSettings(saved));
        QCOMPARE(g.scoreBlue, 17);
        QCOMPARE(g.peerAddress, std::string("192.168.100.200"));
        QCOMPARE(g.pieceStyle, std::uint8_t{0});
        QCOMPARE(g.pieceStyleChoice, std::uint8_t{0});
        // Nothing but the file itself is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"zelvan.ini"});
    }

    void missingFileLeavesTheDefaults() {
        QTemporaryDir dir;
        const SettingsStore store(dir.path());
        Game g = defaultGame();
        const std::vector<std::uint8_t> before = encodeSettings(g);
        store.load(g);
        QVERIFY(encodeSettings(g) == before);

        store.save(g);  // the first save writes the default file
        QCOMPARE(readAll(store.settingsPath()).size(), 37);
    }

    void failedSaveKeepsTheOldFile_fullDisk() {
        QTemporaryDir dir;
        const SettingsStore store(dir.path());
        store.save(unusualInRange());
        const QByteArray old = readAll(store.settingsPath());

        // No file may grow past 8 bytes: the temporary file fills up mid-write.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &small);
        Game next = unusualInRange();
        next.scoreBlue = 5000;
        store.save(next);
        setrlimit(RLIMIT_FSIZE, &before);

        QCOMPARE(readAll(store.settingsPath()), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"zelvan.ini"});

        store.save(next);  // with room again, the new file replaces it whole
        Game g;
        store.load(g);
        QCOMPARE(g.scoreBlue, 5000);
    }

    void failedSaveKeepsTheOldFile_readOnlyFolder() {
        Folders dirs;
        const SettingsStore store(dirs.readOnly);
        store.save(unusualGame());
        const QByteArray old = readAll(store.settingsPath());
        QVERIFY(!old.isEmpty());
        // The file itself stays writable: only a write in place could change it.
        ::chmod(QFile::encodeName(store.settingsPath()).constData(), 0666);
        dirs.lock();
        {
            Unprivileged nobody;
            store.save(defaultGame());
        }
        QCOMPARE(readAll(store.settingsPath()), old);
    }

    void chatLogAppendsAndNeverTruncates() {
        QTemporaryDir dir;
        const SettingsStore store(dir.path());
        store.appendChatLog("x: hello");
        store.appendChatLog("o: caf\xe9");
        QCOMPARE(readAll(store.chatLogPath()), QByteArray("x: hello\r\no: caf\xe9\r\n"));

        // Another run (another store) goes on at the end.
        SettingsStore(dir.path()).appendChatLog("x: again");
        QCOMPARE(readAll(store.chatLogPath()),
                 QByteArray("x: hello\r\no: caf\xe9\r\nx: again\r\n"));

        // Saving settings does not touch the log.
        store.save(unusualGame());
        QCOMPARE(readAll(store.chatLogPath()),
                 QByteArray("x: hello\r\no: caf\xe9\r\nx: again\r\n"));
    }

    // The line that takes the log past its limit is the last of it: the log
    // becomes the older log, replacing the one there, and a new log begins.
    void chatLogTurnsOverPastItsLimit() {
        QTemporaryDir dir;
        const SettingsStore store(dir.path());
        writeAll(store.oldChatLogPath(), "o: from long ago\r\n");
        const QByteArray full(SettingsStore::kChatLogLimit - 7, 'a');
        writeAll(store.chatLogPath(), full);
        store.appendChatLog("o: hi");  // exactly at the limit: stays
        QCOMPARE(readAll(store.chatLogPath()), full + "o: hi\r\n");
        QCOMPARE(readAll(store.oldChatLogPath()), QByteArray("o: from long ago\r\n"));

        store.appendChatLog("x: so");  // one line past it: turns over
        QCOMPARE(readAll(store.oldChatLogPath()), full + "o: hi\r\nx: so\r\n");
        QVERIFY(!QFile::exists(store.chatLogPath()));
        store.appendChatLog("x: next");
        QCOMPARE(readAll(store.chatLogPath()), QByteArray("x: next\r\n"));
    }

    void chatLogErrorsAreIgnored() {
        const SettingsStore store(QDir::tempPath() + "/zelvan-no-such-folder/deeper");
        store.appendChatLog("x: lost");
        QVERIFY(!QFile::exists(store.chatLogPath()));
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settingsstore_test.moc"
