#include "app/shell/recordfiles.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QShortcut>

#include "app/ui/controlkit.h"

#include "app/shell/gamerecorder.h"
#include "app/shell/gamereview.h"
#include "app/storage/recordfile.h"
#include "core/engine/matchcontrol.h"

namespace zelvan {

namespace {

const QString kFilters = QStringLiteral(
    "Gomoku games (*.psq *.sgf);;Tournament records (*.psq);;SGF files (*.sgf);;All files (*)");

}  // namespace

RecordFiles::RecordFiles(QWidget* window, const MatchControl& match, const PeerLink& peer,
                         GameRecorder& recorder, GameReview& review,
                         std::function<void(QString)> say)
    : QObject(window), window_(window), match_(match), peer_(peer), recorder_(recorder),
      review_(review), say_(std::move(say)), lastFolder_(QDir::homePath()) {
    setObjectName(QStringLiteral("recordFiles"));
    connect(controls::windowKey(window, "saveShortcut", QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QShortcut::activated, this, &RecordFiles::onSaveKey);
    connect(controls::windowKey(window, "openShortcut", QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QShortcut::activated, this, &RecordFiles::onOpenKey);
}

QFileDialog* RecordFiles::dialog() const {
    return dialog_;
}

QString RecordFiles::openRefusal() const {
    if (peer_.connected()) return QStringLiteral("No opening a game during a network game");
    if (match_.running() || (match_.step() != MatchControl::Step::Ready && !match_.reviewing()))
        return QStringLiteral("Stop the game to open another");
    return {};
}

bool RecordFiles::openFile(const QString& path) {
    if (const QString refused = openRefusal(); !refused.isEmpty()) {
        say_(refused);
        return false;
    }
    const records::RecordOrRefusal read = readRecordFile(path);
    if (!read.record) {
        say_(QString::fromStdString(read.refusal));
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    return review_.open(*read.record);
}

bool RecordFiles::saveFile(const QString& path) {
    const records::GameRecord* game = review_.reviewed();
    if (!game && recorder_.record()) game = &*recorder_.record();
    if (!game) {
        say_(QStringLiteral("No game to save yet"));
        return false;
    }
    const QString error = writeRecordFile(path, *game);
    if (!error.isEmpty()) {
        say_(error);
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    say_(QStringLiteral("Saved as %1").arg(QFileInfo(path).fileName()));
    return true;
}

void RecordFiles::onSaveKey() {
    if (!review_.reviewed() && !recorder_.record()) {
        say_(QStringLiteral("No game to save yet"));
        return;
    }
    showDialog(true);
}

void RecordFiles::onOpenKey() {
    if (const QString refused = openRefusal(); !refused.isEmpty()) {
        say_(refused);
        return;
    }
    showDialog(false);
}

// One dialog at a time, opened without blocking: the game goes on behind it
// and the file is read or written once the player has chosen it.
void RecordFiles::showDialog(bool saving) {
    if (dialog_) dialog_->close();
    auto* d = new QFileDialog(
        window_, saving ? QStringLiteral("Save the game") : QStringLiteral("Open a game"),
        lastFolder_, kFilters);
    d->setObjectName(saving ? QStringLiteral("saveDialog") : QStringLiteral("openDialog"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setOption(QFileDialog::DontUseNativeDialog);
    d->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving) d->setDefaultSuffix(QStringLiteral("psq"));
    connect(d, &QFileDialog::fileSelected, this, [this, saving](const QString& path) {
        if (saving)
            saveFile(path);
        else
            openFile(path);
    });
    dialog_ = d;
    d->open();
}

}  // namespace zelvan
