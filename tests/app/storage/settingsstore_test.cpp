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
using zelvan::test::defaultSettings;
using zelvan::test::Folders;
using zelvan::test::Stored;
using zelvan::test::Unprivileged;
using zelvan::test::unusualSettings;

namespace {

void save(const SettingsStore& store, const Stored& s) {
    store.save(s.options, s.scores);
}

Stored load(const SettingsStore& store) {
    Stored s;
    store.load(s.options, s.scores);
    return s;
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
        const Stored saved = unusualSettings();
        save(store, saved);
        const QByteArray bytes = readAll(store.settingsPath());
        QCOMPARE(bytes.size(), 30 + 15);

        // Every stored value is back.
        QVERIFY(load(store) == saved);
        QCOMPARE(load(store).options.peerAddress(), std::string("192.168.100.200"));
        // Nothing but the file itself is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"zelvan.ini"});
    }

    void missingFileLeavesTheDefaults() {
        QTemporaryDir dir;
        const SettingsStore store(dir.path());
        QVERIFY(load(store) == defaultSettings());
        save(store, defaultSettings());  // the first save writes the default file
        QCOMPARE(readAll(store.settingsPath()).size(), 37);
    }

    void failedSaveKeepsTheOldFile_fullDisk() {
        QTemporaryDir dir;
        const SettingsStore store(dir.path());
        save(store, unusualSettings());
        const QByteArray old = readAll(store.settingsPath());

        // No file may grow past 8 bytes: the temporary file fills up mid-write.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &small);
        Stored next = unusualSettings();
        next.scores.restore(5000, next.scores.red(), next.scores.results());
        save(store, next);
        setrlimit(RLIMIT_FSIZE, &before);

        QCOMPARE(readAll(store.settingsPath()), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"zelvan.ini"});

        save(store, next);  // with room again, the new file replaces it whole
        QCOMPARE(load(store).scores.blue(), 5000);
    }

    void failedSaveKeepsTheOldFile_readOnlyFolder() {
        Folders dirs;
        const SettingsStore store(dirs.readOnly);
        save(store, unusualSettings());
        const QByteArray old = readAll(store.settingsPath());
        QVERIFY(!old.isEmpty());
        // The file itself stays writable: only a write in place could change it.
        ::chmod(QFile::encodeName(store.settingsPath()).constData(), 0666);
        dirs.lock();
        {
            Unprivileged nobody;
            save(store, defaultSettings());
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
        save(store, unusualSettings());
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
