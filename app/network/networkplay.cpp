#include "app/network/networkplay.h"

#include <string_view>

#include "app/network/chatpanel.h"
#include "app/network/internetpanel.h"
#include "app/network/netlink.h"
#include "app/network/ownaddress.h"
#include "app/storage/settingsstore.h"
#include "app/ui/artwork.h"
#include "core/engine/rules.h"
#include "core/protocol/dispatch.h"
#include "core/protocol/dottedaddress.h"
#include "core/protocol/receive.h"
#include "core/protocol/wire.h"

namespace zelvan {

namespace {

// Chat text travels and is logged as single bytes; a character outside
// Latin-1 becomes "?".
std::string toWire(const QString& text) {
    std::string bytes;
    for (const char32_t c : text.toUcs4())
        bytes += c < 256 ? char(c) : '?';
    return bytes;
}

QString fromWire(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

}  // namespace

NetworkPlay::NetworkPlay(QWidget* window, Game& game, Host& host, SettingsStore& store, Setup setup)
    : QObject(window), game_(game), host_(host), store_(store), setup_(std::move(setup)) {
    link_ = new NetLink(setup_.port, this, setup_.loopbackOnly);
    connect(link_, &NetLink::callConnected, this, &NetworkPlay::onCallConnected);
    connect(link_, &NetLink::callDisconnected, this, &NetworkPlay::onCallClosed);
    connect(link_, &NetLink::callError, this, &NetworkPlay::onCallFailed);
    connect(link_, &NetLink::peerAccepted, this, &NetworkPlay::onCallerAccepted);
    connect(link_, &NetLink::peerDisconnected, this, &NetworkPlay::onCallerClosed);
    connect(link_, &NetLink::peerError, this, &NetworkPlay::onCallerFailed);
    connect(link_, &NetLink::received, this, &NetworkPlay::onBytesReceived);

    const QImage toggle = Artwork::loadStrip(QStringLiteral("glyphs/toggle.png"));
    // The Internet panel's background is a copy of the options panel's.
    internetPanel_ =
        new InternetPanel(window, Artwork::load(QStringLiteral("optionspanel.png")), toggle);
    internetPanel_->hide();
    chatPanel_ = new ChatPanel(window, Artwork::load(QStringLiteral("chatpanel.png")));
    chatPanel_->hide();

    connect(internetPanel_, &InternetPanel::callClicked, this, &NetworkPlay::onCallClicked);
    connect(internetPanel_, &InternetPanel::endClicked, this, &NetworkPlay::onEndClicked);
    connect(internetPanel_, &InternetPanel::listenClicked, this, &NetworkPlay::onListenClicked);
    connect(internetPanel_, &InternetPanel::chatToggleClicked, this,
            &NetworkPlay::onChatToggleClicked);
    connect(internetPanel_, &InternetPanel::addressEdited, this, &NetworkPlay::onAddressEdited);
    connect(chatPanel_, &ChatPanel::closeClicked, this, &NetworkPlay::onChatCloseClicked);
    connect(chatPanel_, &ChatPanel::enterReleased, this, &NetworkPlay::onChatEntered);
}

void NetworkPlay::showLoadedOptions() {
    internetPanel_->setAddress(fromWire(game_.peerAddress));
    internetPanel_->setCallerAddress(ownAddress());
    internetPanel_->setListenCaption(game_.listenOn ? "Stop listen" : "Listen");
    setStatus(game_.listenOn ? "Listening" : "Not connected");
    internetPanel_->setChatCaption(game_.chatBoxOn ? "Hide chat box" : "Show chat box");
}

void NetworkPlay::startListening() {
    listenIfOn();
}

void NetworkPlay::setStatus(const QString& text) {
    internetPanel_->setStatus(text);
}

// Opens the listening socket when Listen is on; false when its port is
// taken, which the status line and the toggle then say. listenOn keeps the
// player's choice, so a later start or connection end tries again.
bool NetworkPlay::listenIfOn() {
    if (!game_.listenOn) return true;
    const bool open = link_->listen();
    if (!open || portBusy_) showListening(open);
    return open;
}

void NetworkPlay::showListening(bool open) {
    portBusy_ = !open;
    internetPanel_->setListenCaption(open ? "Stop listen" : "Listen");
    if (!open) setStatus(QStringLiteral("Port %1 busy").arg(link_->port()));
}

void NetworkPlay::tell(const QString& text) {
    if (setup_.notify) setup_.notify(text);
    noteInChat(text);
}

void NetworkPlay::noteInChat(const QString& text) {
    if (!chatPanel_->isHidden()) chatPanel_->addNotice(text);
}

void NetworkPlay::showChatBox() {
    chatPanel_->show();
    chatPanel_->raise();
}

// ---------------------------------------------------------------------------
// What the game asks of the network

void NetworkPlay::send(const std::string& bytes) {
    if (!game_.connected) return;
    link_->send(QByteArray(bytes.data(), qsizetype(bytes.size())), game_.acceptedPeer != 0);
}

bool NetworkPlay::peerConnected() const {
    return game_.connected && link_->peerUp(game_.acceptedPeer != 0);
}

void NetworkPlay::chatReceived(const std::string& text) {
    const std::string line = "o: " + text;
    chatPanel_->addLine(fromWire(line));
    store_.appendChatLog(line);
    showChatBox();
}

// ---------------------------------------------------------------------------
// The Internet panel

void NetworkPlay::onAddressEdited() {
    // peerAddress mirrors the field; its stored length is taken modulo 256.
    game_.peerAddress = toWire(internetPanel_->address());
}

void NetworkPlay::onListenClicked() {
    if (game_.connected) return;
    // While its port is taken the toggle offers Listen: a press tries again.
    game_.listenOn = game_.listenOn && !portBusy_ ? 0 : 1;
    internetPanel_->setListenCaption(game_.listenOn ? "Stop listen" : "Listen");
    setStatus(game_.listenOn ? "Listening" : "Not connected");
    if (game_.listenOn) {
        showListening(link_->listen());
    } else {
        portBusy_ = false;
        link_->closeListening();
    }
}

void NetworkPlay::onCallClicked() {
    const std::optional<std::string> address = dottedAddress(game_.peerAddress);
    if (!address) {
        host_.playSound(Sound::Error);
        setStatus(QStringLiteral("IP error!"));
        return;
    }
    // One calling connection at most: while connected, or while an attempt
    // is under way, CALL does nothing more.
    auto busy = [this] { return game_.connected || link_->callActive() || link_->callPending(); };
    if (busy()) return;
    setStatus(QStringLiteral("Calling..."));
    host_.playSound(Sound::Calling);
    if (!game_.soundOff) host_.delay(300);  // the dial tone is heard before the call
    if (busy()) return;
    // A side that calls does not listen while it calls.
    if (link_->isListening()) link_->closeListening();
    // The address that was checked, as plain dotted decimal: the raw text
    // ("010.0.0.1", " 1.2.3.4") could be read otherwise by the socket layer.
    calledAddress_ = QString::fromStdString(*address);
    link_->call(calledAddress_);
    host_.delay(200);
}

void NetworkPlay::onEndClicked() {
    if (!game_.connected) return;
    if (game_.acceptedPeer) {
        link_->closeListening();  // drops the peer without a disconnect event
        game_.acceptedPeer = 0;
    } else {
        // Closing the call reports its disconnect at once: that one is ours.
        hangingUp_ = true;
        link_->closeCall();
        hangingUp_ = false;
    }
    host_.processEvents();
    connectionDown(EndReason::HungUp);
}

void NetworkPlay::connectionUp(const QString& notice) {
    game_.connected = 1;
    setStatus(QStringLiteral("Connected"));
    setup_.showConnection(true);
    if (game_.chatBoxOn) showChatBox();
    tell(notice);
    host_.processEvents();
}

void NetworkPlay::connectionDown(EndReason why) {
    const bool wasUp = game_.connected != 0;
    const bool inGame = game_.gameRunning != 0;
    game_.connected = 0;
    setStatus(QStringLiteral("Not connected"));
    setup_.showConnection(false);
    listenIfOn();
    connectionLostGame(game_, host_, why);
    // A game the end of the connection abandoned has said so already; END
    // pressed here needs no words.
    if (wasUp && !inGame && why != EndReason::HungUp)
        tell(why == EndReason::PeerLeft ? QStringLiteral("Red hung up")
                                        : QStringLiteral("Connection lost"));
    host_.processEvents();
}

// ---------------------------------------------------------------------------
// Socket events

// The side of the connection is known before connectionUp lets events run,
// so anything sent meanwhile goes out on the right socket.
void NetworkPlay::onCallConnected() {
    game_.acceptedPeer = 0;
    connectionUp(QStringLiteral("Connected to ") + calledAddress_);
}

void NetworkPlay::onCallClosed() {
    connectionDown(hangingUp_ ? EndReason::HungUp : EndReason::PeerLeft);
    link_->closeCall();
}

void NetworkPlay::onCallFailed(const QString&) {
    // A call that never came up ends no game: only the listening socket
    // opens again. One that was up has lost its connection.
    const bool wasUp = game_.connected != 0;
    if (wasUp) {
        connectionDown(EndReason::ConnectionLost);
    } else {
        setStatus(QStringLiteral("Not connected"));
        listenIfOn();
    }
    if (!portBusy_) {
        const bool refused = link_->callFailure() == QAbstractSocket::ConnectionRefusedError;
        setStatus(wasUp     ? QStringLiteral("Connection lost")
                  : refused ? QStringLiteral("Refused by ") + calledAddress_
                            : QStringLiteral("No answer from ") + calledAddress_);
    }
    link_->closeCall();
    host_.playSound(Sound::Error);
}

void NetworkPlay::onCallerAccepted(const QString& address) {
    internetPanel_->setCallerAddress(address);
    game_.acceptedPeer = 1;
    host_.playSound(Sound::Calling);
    connectionUp(QStringLiteral("Caller ") + address + QStringLiteral(" joined"));
    host_.delay(200);
}

void NetworkPlay::onCallerClosed() {
    connectionDown(EndReason::PeerLeft);
    game_.acceptedPeer = 0;
}

void NetworkPlay::onCallerFailed(const QString&) {
    link_->closeListening();                    // drops every accepted connection, silently
    connectionDown(EndReason::ConnectionLost);  // which listens again when Listen is on
    if (!portBusy_) setStatus(QStringLiteral("Connection lost"));
    game_.acceptedPeer = 0;
    host_.playSound(Sound::Error);
}

void NetworkPlay::onBytesReceived(const QByteArray& bytes) {
    // One read may hold several messages sent back to back; each is handled
    // on its own. The arrival held back behind it tells whether its last
    // PLAY is about to be replaced. Nothing of the read is kept after it.
    receiveRead(game_, host_, std::string_view(bytes.constData(), std::size_t(bytes.size())),
                [this] {
                    const QByteArray next = link_->nextArrival();
                    return std::string(next.constData(), std::size_t(next.size()));
                });
}

// ---------------------------------------------------------------------------
// The chat box

void NetworkPlay::onChatEntered() {
    if (!game_.connected) {
        host_.playSound(Sound::Error);
        return;  // the typed text stays
    }
    const QString text = chatPanel_->input();
    if (text.isEmpty()) return;
    const std::string bytes = toWire(text);
    const std::string line = "x: " + bytes;
    chatPanel_->addLine(fromWire(line));
    store_.appendChatLog(line);
    send(chatMessage(bytes));
    chatPanel_->clearInput();
}

void NetworkPlay::onChatToggleClicked() {
    game_.chatBoxOn = game_.chatBoxOn ? 0 : 1;
    internetPanel_->setChatCaption(game_.chatBoxOn ? "Hide chat box" : "Show chat box");
    chatPanel_->setVisible(game_.chatBoxOn);
    if (game_.chatBoxOn) chatPanel_->raise();
    host_.processEvents();
}

void NetworkPlay::onChatCloseClicked() {
    game_.chatBoxOn = 0;
    internetPanel_->setChatCaption(QStringLiteral("Show chat box"));
    chatPanel_->hide();
}

}  // namespace zelvan
