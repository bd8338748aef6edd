#pragma once
// Network play, as the window sees it: the two sockets, the Internet panel's
// buttons, the chat box, and what each socket event does to the connection
// flags in the game record. What a received message does to the game itself
// is the dispatcher's business; this class cuts reads into messages and
// hands them over.

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "core/engine/game.h"
#include "core/engine/host.h"

class QWidget;

namespace zelvan {

class ChatPanel;
class InternetPanel;
class NetLink;
class SettingsStore;

class NetworkPlay : public QObject {
    Q_OBJECT
public:
    struct Setup {
        std::uint16_t port = 6304;
        bool loopbackOnly = false;  // tests: never reachable from outside
        // Shows the connection indicator up or down.
        std::function<void(bool up)> showConnection;
    };

    NetworkPlay(QWidget* window, Game& game, Host& host, SettingsStore& store, Setup setup);

    InternetPanel* internetPanel() const { return internetPanel_; }
    ChatPanel* chatPanel() const { return chatPanel_; }
    NetLink& link() { return *link_; }

    // The Internet panel's captions and address from the loaded settings.
    void showLoadedOptions();
    // Opens the listening socket when Listen is on. A port that cannot be
    // opened (another copy listens on it) says so on the status line and
    // lets the rest of the start-up run.
    void startListening();

    // What the game asks of the network.
    void send(const std::string& bytes);
    void chatReceived(const std::string& text);

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
    void connectionUp();
    void connectionDown();
    void setStatus(const QString& text);
    void showSocketError(const QString& reason);
    void showChatBox();

    QWidget* window_;
    Game& game_;
    Host& host_;
    SettingsStore& store_;
    Setup setup_;
    NetLink* link_ = nullptr;
    InternetPanel* internetPanel_ = nullptr;
    ChatPanel* chatPanel_ = nullptr;
};

}  // namespace zelvan
