#pragma once
// For tests of folders that cannot be written: permissions only bind a user
// who is not root.

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zelvan::test {

// Runs a block as an unprivileged user when the tests run as root, so that
// folder permissions mean what they say. The saved user id stays root, which
// lets the destructor switch back.
class Unprivileged {
public:
    Unprivileged() {
        if (geteuid() != 0) return;
        active_ = setresgid(65534, 65534, -1) == 0 && setresuid(65534, 65534, -1) == 0;
    }
    ~Unprivileged() {
        if (!active_) return;
        if (setresuid(0, 0, -1) != 0 || setresgid(0, 0, -1) != 0) std::abort();
    }
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

private:
    bool active_ = false;
};

// A temporary folder every user may enter, holding a read-only folder.
struct Folders {
    QTemporaryDir base;
    QString readOnly;
    Folders() {
        ::chmod(QFile::encodeName(base.path()).constData(), 0777);
        readOnly = base.filePath("ro");
        QDir().mkpath(readOnly);
    }
    void lock() { ::chmod(QFile::encodeName(readOnly).constData(), 0555); }
};

}  // namespace zelvan::test
