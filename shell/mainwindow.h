#pragma once
// The main window (Form1): a borderless black full-screen window showing the
// 800x600 artwork centred, with every control at a fixed offset from it. It
// owns the one game record of the run and is the Host through which the
// game's rules reach the screen, the sound, the files and the network.

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>

#include "engine/game.h"
#include "engine/host.h"
#include "ui/artwork.h"

class QLabel;
class QTextBrowser;
class QCloseEvent;
class LbSpeedButton;
class AntiAliasLabel;
class DcHintEx;

namespace zelvan {

class BoardPicture;
class SoundOutput;
class SoundPlayer;
class SettingsStore;
class HelpViewer;
class NetLink;
class InternetPanel;
class ChatPanel;

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
    NetLink& netLink() { return *net_; }

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

    void showStyleChoice();
    void showConnection(bool up);
    void showLevel();

    // The controls, under the names the handlers use.
    QLabel* Image2 = nullptr;                   // background
    BoardPicture* Image1 = nullptr;             // board
    AntiAliasLabel* AntiAliasLabel1 = nullptr;  // Blue's score
    AntiAliasLabel* AntiAliasLabel2 = nullptr;  // Red's score
    AntiAliasLabel* AntiAliasLabel4 = nullptr;  // Red's score, shadow
    AntiAliasLabel* AntiAliasLabel5 = nullptr;  // Blue's score, shadow
    QLabel* Image7 = nullptr;                   // Blue's icon
    QLabel* Image8 = nullptr;                   // Red's icon: computer or person
    LbSpeedButton* LbSpeedButton1 = nullptr;    // Play
    LbSpeedButton* LbSpeedButton3 = nullptr;    // Exit
    LbSpeedButton* LbSpeedButton4 = nullptr;    // board size
    LbSpeedButton* LbSpeedButton5 = nullptr;    // Human / Computer
    LbSpeedButton* LbSpeedButton6 = nullptr;    // Stop
    LbSpeedButton* LbSpeedButton7 = nullptr;    // Help
    LbSpeedButton* LbSpeedButton8 = nullptr;    // Internet
    LbSpeedButton* LbSpeedButton9 = nullptr;    // Options
    QLabel* Image29 = nullptr;                  // connection indicator
    QLabel* Image25 = nullptr;                  // piece style indicator
    QLabel* Image23 = nullptr;                  // turn indicator
    AntiAliasLabel* AntiAliasLabel7 = nullptr;
    AntiAliasLabel* AntiAliasLabel8 = nullptr;
    AntiAliasLabel* AntiAliasLabel9 = nullptr;
    QLabel* Label2 = nullptr;                    // clock cover
    AntiAliasLabel* AntiAliasLabel6 = nullptr;   // time of day
    AntiAliasLabel* AntiAliasLabel18 = nullptr;  // level digit
    AntiAliasLabel* AntiAliasLabel3 = nullptr;   // game clock
    HelpViewer* htmlLite1 = nullptr;

    // Options panel.
    QWidget* Panel1 = nullptr;
    QLabel* Image33 = nullptr;
    LbSpeedButton* LbSpeedButton10 = nullptr;  // pieces style
    LbSpeedButton* LbSpeedButton2 = nullptr;   // reset scores
    LbSpeedButton* LbSpeedButton11 = nullptr;  // clocks
    LbSpeedButton* LbSpeedButton12 = nullptr;  // hints
    LbSpeedButton* LbSpeedButton13 = nullptr;  // Blue move
    LbSpeedButton* LbSpeedButton14 = nullptr;  // Red move
    LbSpeedButton* LbSpeedButton16 = nullptr;  // sound
    LbSpeedButton* LbSpeedButton15 = nullptr;  // level
    AntiAliasLabel* AntiAliasLabel10 = nullptr;
    AntiAliasLabel* AntiAliasLabel11 = nullptr;
    AntiAliasLabel* AntiAliasLabel12 = nullptr;
    AntiAliasLabel* AntiAliasLabel13 = nullptr;
    AntiAliasLabel* AntiAliasLabel15 = nullptr;
    AntiAliasLabel* AntiAliasLabel16 = nullptr;
    AntiAliasLabel* AntiAliasLabel20 = nullptr;
    AntiAliasLabel* AntiAliasLabel17 = nullptr;
    AntiAliasLabel* AntiAliasLabel19 = nullptr;  // level line

    InternetPanel* Panel2 = nullptr;
    ChatPanel* Panel3 = nullptr;

    QTimer* Timer1 = nullptr;  // winning-line blink, 1000 ms
    QTimer* Timer2 = nullptr;  // scores and clocks, 100 ms
    DcHintEx* dcHintEx1 = nullptr;

signals:
    void quitRequested();

public slots:
    void LbSpeedButton1Click();   // Play
    void LbSpeedButton3Click();   // Exit
    void LbSpeedButton4Click();   // size
    void LbSpeedButton5Click();   // Human / Computer
    void LbSpeedButton6Click();   // Stop
    void LbSpeedButton7Click();   // Help
    void LbSpeedButton8Click();   // Internet
    void LbSpeedButton9Click();   // Options
    void LbSpeedButton10Click();  // toggle pieces style
    void LbSpeedButton2Click();   // reset scores
    void LbSpeedButton11Click();  // clocks
    void LbSpeedButton12Click();  // hints
    void LbSpeedButton13Click();  // Blue move
    void LbSpeedButton14Click();  // Red move
    void LbSpeedButton16Click();  // sound
    void LbSpeedButton15Click();  // level
    void LbSpeedButton17Click();  // CALL
    void LbSpeedButton18Click();  // END
    void LbSpeedButton21Click();  // Listen
    void LbSpeedButton24Click();  // chat box
    void LbSpeedButton19Click();  // close the chat box
    void AlignEdit1KeyUp();
    void Edit3KeyUp();
    void ClientSocket1Connect();
    void ClientSocket1Disconnect();
    void ClientSocket1Error(const QString& reason);
    void ServerSocket1ClientConnect(const QString& address);
    void ServerSocket1ClientDisconnect();
    void ServerSocket1ClientError(const QString& reason);
    void SocketRead(const QByteArray& bytes);  // ClientSocket1Read, ServerSocket1ClientRead
    void Image1MouseDown(Qt::MouseButton button, int x, int y);
    void Timer1Timer();
    void Timer2Timer();

protected:
    void closeEvent(QCloseEvent* event) override;  // the system's close request

private:
    void createControls();
    void createNetwork();
    void applyNetworkOptions();
    void startListening();
    void connectionUp();
    void connectionDown();
    void setStatus(const QString& text);
    void showSocketError(const QString& reason);
    void createOptionsPanel();
    void placeControls();
    void applyLoadedOptions();
    void applyHints();
    void writeScore(Side side, std::int32_t value);
    std::int64_t msSinceMidnight() const;
    std::int64_t monotonicMs() const;

    MainWindowConfig config_;
    Game game_;
    Artwork art_;
    QPoint origin_;
    QRect screen_;
    std::unique_ptr<SoundPlayer> sound_;
    std::unique_ptr<SettingsStore> store_;
    NetLink* net_ = nullptr;
    std::mt19937 rng_;
    QElapsedTimer steady_;
    std::int64_t gameStartMs_ = 0;
    bool waitCursor_ = false;
    bool quitting_ = false;
};

}  // namespace zelvan
