#pragma once
// Network play, as the window sees it: the two sockets, the Internet panel's
// buttons, the chat box, and the connection's state, which this class owns.
// Match control reaches the peer through it (PeerLink); what a received
// message does to the game is the dispatcher's business, and each read is
// handed over to be cut into messages (receive.h).

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/engine/gameend.h"
#include "core/engine/seams.h"
#include "core/engine/sound.h"
#include "core/settings/options.h"

class QWidget;

namespace zelvan {

class ChatPanel;
class InternetPanel;
class MatchControl;
class NetLink;
class Receiver;
class SettingsStore;

class NetworkPlay : public QObject, public PeerLink {
    Q_OBJECT
public:
    struct Setup {
        std::uint16_t port = 6304;
        bool loopbackOnly = false;  // tests: never reachable from outside
        // Shows the connection indicator up or down.
        std::function<void(bool up)> showConnection;
        // Tells the player what the peer or the connection did, on the
        // banner over the board.
        std::function<void(const QString& text)> notify;
    };

    NetworkPlay(QWidget* window, Options& options, Speaker& speaker, Timers& timers,
                SettingsStore& store, Setup setup);
    ~NetworkPlay() override;

    // Match control, once it is made: the connection's end and the peer's
    // messages go to it.
    void attach(MatchControl& match);

    InternetPanel* internetPanel() const { return internetPanel_; }
    ChatPanel* chatPanel() const { return chatPanel_; }
    NetLink& link() { return *link_; }

    // The Internet panel's captions and address from the loaded settings.
    void showLoadedOptions();
    // Opens the listening socket when Listen is on. A port that cannot be
    // opened (another copy listens on it) says so on the status line, the
    // toggle offers Listen again, and the rest of the start-up runs.
    void startListening();
    // A dim line in the chat history while the chat box is open.
    void noteInChat(const QString& text);

    // PeerLink
    bool connected() const override { return connected_; }
    // The other copy's address: the one called, or the caller's.
    QString peerAddress() const { return accepted_ ? callerAddress_ : calledAddress_; }
    bool accepted() const override { return accepted_; }
    bool reachable() const override;
    void send(const std::string& bytes) override;
    void hangUp() override { onEndClicked(); }

public slots:
    void onCallClicked();
    void onEndClicked();
    void onListenClicked();
    void onChatToggleClicked();
    void onChatCloseClicked();
    void onAddressEdited();
    void onChatEntered();

private slots:
    void onCallConnected();
    void onCallClosed();
    void onCallFailed(const QString& reason);
    void onCallerAccepted(const QString& address);
    void onCallerClosed();
    void onCallerFailed(const QString& reason);
    void onBytesReceived(const QByteArray& bytes);

private:
    void placeCall();
    void connectionUp(const QString& notice);
    void connectionDown(EndReason why);
    void chatReceived(const std::string& text);
    void holdWhileMatchWaits();
    void setStatus(const QString& text);
    bool listenIfOn();
    void showListening(bool open);
    void tell(const QString& text);
    void showChatBox();
    void playSound(Sound sound);

    Options& options_;
    Speaker& speaker_;
    Timers& timers_;
    SettingsStore& store_;
    Setup setup_;
    MatchControl* match_ = nullptr;
    std::unique_ptr<Receiver> receiver_;
    NetLink* link_ = nullptr;
    InternetPanel* internetPanel_ = nullptr;
    ChatPanel* chatPanel_ = nullptr;
    bool connected_ = false;
    bool accepted_ = false;  // this side accepted the call rather than made it
    // Listen is on but its port was taken: the toggle offers Listen again.
    bool portBusy_ = false;
    bool dialling_ = false;   // CALL's dial tone is heard before the call goes out
    QString calledAddress_;   // the address of the last CALL, as checked
    QString callerAddress_;   // the address of the caller accepted last
    bool hangingUp_ = false;  // END is closing the call
};

}  // namespace zelvan
