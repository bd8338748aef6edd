#pragma once
// Game records as files the player names: Ctrl+S saves the game on the
// board (running, ended or under review), Ctrl+O opens a .psq or SGF file
// for review, as `zelvan --open FILE` does at start. The dialogs open
// without blocking the game. A file that is not a game is refused with one
// line on the board, and nothing else changes.

#include <QObject>
#include <QPointer>
#include <functional>

class QFileDialog;
class QWidget;

namespace zelvan {

class GameRecorder;
class GameReview;
class MatchControl;
class PeerLink;

class RecordFiles : public QObject {
    Q_OBJECT
public:
    RecordFiles(QWidget* window, const MatchControl& match, const PeerLink& peer,
                GameRecorder& recorder, GameReview& review, std::function<void(QString)> say);

    // Opens the record in the file for review, or says why not. Returns
    // whether it is now under review.
    bool openFile(const QString& path);
    // Saves the game on the board to the file, or says why not.
    bool saveFile(const QString& path);
    // The dialog open now, if any (tests).
    QFileDialog* dialog() const;

public slots:
    void onSaveKey();
    void onOpenKey();

private:
    // Why no file can be opened now; empty when one can.
    QString openRefusal() const;
    void showDialog(bool saving);

    QWidget* window_;
    const MatchControl& match_;
    const PeerLink& peer_;
    GameRecorder& recorder_;
    GameReview& review_;
    std::function<void(QString)> say_;
    QPointer<QFileDialog> dialog_;
    QString lastFolder_;
};

}  // namespace zelvan
