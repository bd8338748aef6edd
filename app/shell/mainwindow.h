#pragma once
// The main window: a borderless black full-screen window showing the
// 800x600 artwork centred, with every control at its place from the layout
// table. It owns the one game record of the run, creates the scoreboard
// strip, the options panel and network play, places them, and is the Host
// through which the game's rules reach the screen, the sound, the files and
// the network, mostly by handing each request to the part that owns it.

#include <QElapsedTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>

#include "app/ui/artwork.h"
#include "core/engine/game.h"
#include "core/engine/host.h"

class QLabel;
class QTimer;
class QCloseEvent;
class GlyphButton;
class HintWindow;

namespace zelvan {

class BoardPicture;
class HelpViewer;
class NetLink;
class NetworkPlay;
class OptionsPanel;
class ResultBanner;
class ResultLine;
class StatusTips;
class PlayAids;
class ScoreStrip;
class SettingsStore;
class SoundOutput;
class SoundPlayer;

// What a test (or a second copy in one process) needs to control.
struct MainWindowConfig {
    QString settingsFolder;                         // empty: beside the executable, else app data
    std::uint16_t port = 6304;                      // listening and calling
    bool listenOnLoopbackOnly = false;              // tests: never reachable from outside
    SoundOutput* soundOutput = nullptr;             // not owned; null: the machine's audio output
    std::function<std::int64_t()> msSinceMidnight;  // null: the local wall clock
    std::function<std::int64_t()> monotonicMs;      // null: a steady clock
    std::function<std::uint32_t(std::uint32_t)> random;  // null: seeded from the clock
    QRect screen;                                        // empty: the primary screen's geometry
    bool windowed = false;  // a framed window the size of `screen`, not a borderless one
};

class MainWindow : public QWidget, public Host {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowConfig config = {});
    ~MainWindow() override;

    Game& game() { return game_; }
    const Game& game() const { return game_; }
    QPoint backgroundOrigin() const { return origin_; }
    SoundPlayer& soundPlayer() { return *sound_; }
    SettingsStore& settingsStore() { return *store_; }
    NetworkPlay& network() { return *network_; }
    NetLink& netLink();

    // Host
    void drawGrid() override;
    void drawPiece(Side side, int col, int row, bool highlighted) override;
    void markMove(Side side, int col, int row) override;
    void forgetMarks() override;
    void hidePanels() override;
    void showTurn() override;
    void showOpponentKind() override;
    void setBlinkTimer(bool enabled) override;
    void startGameClock() override;
    void playSound(Sound sound) override;
    void delay(unsigned ms) override;
    void processEvents() override;
    void setCursor(Cursor cursor) override;
    void sendMessage(const std::string& bytes) override;
    void hangUp() override;
    void chatReceived(const std::string& text) override;
    void saveSettings() override;
    void quit() override;
    void reseedRandom() override;
    std::uint32_t randomBelow(std::uint32_t n) override;
    void gameEnded(const GameEnd& end) override;

    // Shows a short sentence on the banner over the board.
    void showNotice(const QString& text);
    bool peerConnected() override;
    void holdSaves(bool held) override;

signals:
    void quitRequested();

public slots:
    void onPlayClicked();
    void onExitClicked();
    void onSizeClicked();
    void onOpponentClicked();
    void onStopClicked();
    void onHelpClicked();
    void onHelpKey();  // F1: the help page in every state
    void onInternetClicked();
    void onOptionsClicked();
    void onBoardPressed(Qt::MouseButton button, int x, int y);
    void onBlinkTick();
    void onTick();

protected:
    void closeEvent(QCloseEvent* event) override;  // the system's close request

private:
    void createControls();
    void connectOptions();
    void start();
    void placeControls();
    void applyHints();
    void showStyleChoice();
    void showConnection(bool up);
    void raiseOverlays();
    void toggleOverlay(QWidget* panel);
    std::int64_t msSinceMidnight() const;
    std::int64_t monotonicMs() const;

    MainWindowConfig config_;
    Game game_;
    Artwork art_;
    QPoint origin_;
    QRect screen_;
    std::unique_ptr<SoundPlayer> sound_;
    std::unique_ptr<SettingsStore> store_;
    std::mt19937 rng_;
    QElapsedTimer steady_;
    bool waitCursor_ = false;
    bool quitting_ = false;
    bool savesHeld_ = false;
    bool saveOwed_ = false;

    QLabel* background_ = nullptr;
    BoardPicture* board_ = nullptr;
    ScoreStrip* scores_ = nullptr;
    QLabel* blueIcon_ = nullptr;
    QLabel* redIcon_ = nullptr;
    GlyphButton* opponentButton_ = nullptr;
    GlyphButton* exitButton_ = nullptr;
    GlyphButton* helpButton_ = nullptr;
    GlyphButton* internetButton_ = nullptr;
    GlyphButton* optionsButton_ = nullptr;
    GlyphButton* sizeButton_ = nullptr;
    GlyphButton* playButton_ = nullptr;
    GlyphButton* stopButton_ = nullptr;
    QLabel* connectionIcon_ = nullptr;
    QLabel* styleIcon_ = nullptr;
    QLabel* turnIcon_ = nullptr;
    QWidget* connectionCaption_ = nullptr;
    QWidget* styleCaption_ = nullptr;
    QWidget* turnCaption_ = nullptr;
    HelpViewer* helpViewer_ = nullptr;
    OptionsPanel* options_ = nullptr;
    NetworkPlay* network_ = nullptr;
    QTimer* blinkTimer_ = nullptr;
    HintWindow* hints_ = nullptr;
    ResultBanner* banner_ = nullptr;
    ResultLine* result_ = nullptr;  // the last game's ending, below the game buttons
    StatusTips* tips_ = nullptr;    // hints of the lamps, scores and level digit
    PlayAids* aids_ = nullptr;      // undo, hint and move numbers on the keyboard
};

}  // namespace zelvan
