#pragma once
// The main window: a borderless black full-screen window showing the
// 800x600 artwork centred, with every control at its place from the layout
// table. It owns the options, the scores and match control, creates the
// parts (the window's controls, the scoreboard strip, the options panel,
// network play, the play aids), places them and wires each button to match
// control's operation for it.

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/ai/backgroundcomputer.h"
#include "app/ui/artwork.h"
#include "core/engine/matchcontrol.h"
#include "core/engine/scores.h"
#include "core/settings/options.h"

class QCloseEvent;

namespace zelvan {

class ClockSeededRandom;
class GameRecorder;
class GameReview;
class RecordFiles;
class RecordPanels;
class NetLink;
class NetworkPlay;
class OptionsPanel;
class PlayAids;
class ScoreStrip;
class SettingsStore;
class SoundOutput;
class SoundPlayer;
class WindowBoard;
class WindowConsole;
struct WindowControls;

// What a test (or a second copy in one process) needs to control.
struct MainWindowConfig {
    QString settingsFolder;                         // empty: beside the executable, else app data
    std::uint16_t port = 6304;                      // listening and calling
    bool listenOnLoopbackOnly = false;              // tests: never reachable from outside
    SoundOutput* soundOutput = nullptr;             // not owned; null: the machine's audio output
    std::function<std::int64_t()> msSinceMidnight;  // null: the local wall clock
    std::function<std::int64_t()> monotonicMs;      // null: a steady clock
    std::function<std::uint32_t(std::uint32_t)> random;  // null: seeded from the clock
    Timers* timers = nullptr;  // not owned; null: Qt's timers (the pauses)
    QRect screen;              // empty: the primary screen's geometry
    bool windowed = false;     // a framed window the size of `screen`, not a borderless one
};

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowConfig config = {});
    ~MainWindow() override;

    MatchControl& match() { return *match_; }
    const MatchControl& match() const { return *match_; }
    Options& options() { return options_; }
    const Options& options() const { return options_; }
    Scores& scores() { return scores_; }
    const Scores& scores() const { return scores_; }
    QPoint backgroundOrigin() const { return origin_; }
    SoundPlayer& soundPlayer() { return *sound_; }
    BackgroundComputer& computer() { return computer_; }
    SettingsStore& settingsStore() { return *store_; }
    NetworkPlay& network() { return *network_; }
    const NetworkPlay& network() const { return *network_; }
    NetLink& netLink();
    // What match control tells the player goes through here.
    Console& console();

    // Shows a short sentence on the banner over the board.
    void showNotice(const QString& text);
    // Opens a game record for review, or says on the board why not.
    bool openRecord(const QString& path);
    GameRecorder& recorder() { return *recorder_; }

signals:
    void quitRequested();

public slots:
    void onPlayClicked();
    void onExitClicked();
    void onHelpClicked();
    void onHelpKey();  // F1: the help page in every state
    void onInternetClicked();
    void onOptionsClicked();
    void onBoardPressed(Qt::MouseButton button, int x, int y);

protected:
    void closeEvent(QCloseEvent* event) override;  // the system's close request

private:
    class SaveToStore;

    void createParts();
    void createRecordParts();
    void wireButtons();
    void start();
    void onOptionChanged(Setting setting);
    void toggleOverlay(QWidget* panel);
    void quit();

    MainWindowConfig config_;
    Options options_;
    Scores scores_;
    Artwork art_;
    QPoint origin_;
    QRect screen_;
    bool quitting_ = false;

    std::unique_ptr<SoundPlayer> sound_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<Timers> ownTimers_;
    std::unique_ptr<ClockSeededRandom> random_;
    BackgroundComputer computer_;  // before match control, which asks it
    std::unique_ptr<WindowControls> controls_;
    ScoreStrip* strip_ = nullptr;
    OptionsPanel* optionsPanel_ = nullptr;
    NetworkPlay* network_ = nullptr;
    std::unique_ptr<WindowBoard> board_;
    std::unique_ptr<WindowConsole> console_;
    std::unique_ptr<SettingsSink> sink_;
    GameRecorder* recorder_ = nullptr;  // every game's record, kept as it ends
    std::unique_ptr<Console> recordingConsole_;
    std::unique_ptr<MatchControl> match_;
    PlayAids* aids_ = nullptr;              // undo, hint and move numbers on the keyboard
    RecordPanels* recordPanels_ = nullptr;  // the move list, statistics and coordinates
    GameReview* review_ = nullptr;
    RecordFiles* recordFiles_ = nullptr;
};

}  // namespace zelvan
