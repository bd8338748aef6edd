#include "app/network/networkplay.h"

#include <string_view>

#include "app/network/chatpanel.h"
#include "app/network/internetpanel.h"
#include "app/network/netlink.h"
#include "app/network/ownaddress.h"
#include "app/storage/settingsstore.h"
#include "app/ui/artwork.h"
#include "core/engine/matchcontrol.h"
#include "core/protocol/dottedaddress.h"
#include "core/protocol/receive.h"
#include "core/protocol/wire.h"

namespace zelvan {

namespace {

constexpr unsigned kDialToneMs = 300;

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

QString caption(Setting setting, int value) {
    return QString::fromLatin1(settingCaption(setting, value));
}

}  // namespace

NetworkPlay::NetworkPlay(QWidget* window, Options& options, Speaker& speaker, Timers& timers,
                         SettingsStore& store, Setup setup)
    : QObject(window), options_(options), speaker_(speaker), timers_(timers), store_(store),
      setup_(std::move(setup)) {
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

NetworkPlay::~NetworkPlay() = default;

void NetworkPlay::attach(MatchControl& match) {
    match_ = &match;
    receiver_ = std::make_unique<Receiver>(
        match, [this](const std::string& text) { chatReceived(text); },
        [this] {
            const QByteArray next = link_->nextArrival();
            return std::string(next.constData(), std::size_t(next.size()));
        });
    // The messages held back during the peer's pause go on when it ends.
    match.onPeerInputReady([this] {
        receiver_->resume();
        holdWhileMatchWaits();
    });
}

void NetworkPlay::showLoadedOptions() {
    internetPanel_->setAddress(fromWire(options_.peerAddress()));
    internetPanel_->setCallerAddress(ownAddress());
    const bool listen = options_.on(Setting::Listen);
    internetPanel_->setListenCaption(caption(Setting::Listen, listen));
    setStatus(listen ? "Listening" : "Not connected");
    internetPanel_->setChatCaption(caption(Setting::ChatBox, options_.on(Setting::ChatBox)));
}

void NetworkPlay::startListening() {
    listenIfOn();
}

void NetworkPlay::setStatus(const QString& text) {
    internetPanel_->setStatus(text);
}

void NetworkPlay::playSound(Sound sound) {
    if (options_.soundOn()) speaker_.play(sound);
}

// Opens the listening socket when Listen is on; false when its port is
// taken, which the status line and the toggle then say. The option keeps
// the player's choice, so a later start or connection end tries again.
bool NetworkPlay::listenIfOn() {
    if (!options_.on(Setting::Listen)) return true;
    const bool open = link_->listen();
    if (!open || portBusy_) showListening(open);
    return open;
}

void NetworkPlay::showListening(bool open) {
    portBusy_ = !open;
    internetPanel_->setListenCaption(caption(Setting::Listen, open));
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
    if (!connected_) return;
    link_->send(QByteArray(bytes.data(), qsizetype(bytes.size())), accepted_);
}

bool NetworkPlay::reachable() const {
    return connected_ && link_->peerUp(accepted_);
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
    // The option mirrors the field; its stored length is taken modulo 256.
    options_.setPeerAddress(toWire(internetPanel_->address()));
}

void NetworkPlay::onListenClicked() {
    if (connected_) return;
    // While its port is taken the toggle offers Listen: a press tries again.
    options_.set(Setting::Listen, options_.on(Setting::Listen) && !portBusy_ ? 0 : 1);
    const bool listen = options_.on(Setting::Listen);
    internetPanel_->setListenCaption(caption(Setting::Listen, listen));
    setStatus(listen ? "Listening" : "Not connected");
    if (listen) {
        showListening(link_->listen());
    } else {
        portBusy_ = false;
        link_->closeListening();
    }
}

void NetworkPlay::onCallClicked() {
    const std::optional<std::string> address = dottedAddress(options_.peerAddress());
    if (!address) {
        playSound(Sound::Error);
        setStatus(QStringLiteral("IP error!"));
        return;
    }
    // One calling connection at most: while connected, while an attempt is
    // under way or its dial tone sounds, CALL does nothing more.
    if (connected_ || dialling_ || link_->callActive() || link_->callPending()) return;
    setStatus(QStringLiteral("Calling..."));
    // The address that was checked, as plain dotted decimal: the raw text
    // ("010.0.0.1", " 1.2.3.4") could be read otherwise by the socket layer.
    calledAddress_ = QString::fromStdString(*address);
    playSound(Sound::Calling);
    if (!options_.soundOn()) {
        placeCall();
        return;
    }
    // The dial tone is heard before the call goes out.
    dialling_ = true;
    timers_.after(kDialToneMs, [this] {
        dialling_ = false;
        placeCall();
    });
}

void NetworkPlay::placeCall() {
    // A caller may have been accepted during the dial tone.
    if (connected_ || link_->callActive() || link_->callPending()) return;
    // A side that calls does not listen while it calls.
    if (link_->isListening()) link_->closeListening();
    link_->call(calledAddress_);
}

void NetworkPlay::onEndClicked() {
    if (!connected_) return;
    if (accepted_) {
        link_->closeListening();  // drops the peer without a disconnect event
        accepted_ = false;
    } else {
        // Closing the call reports its disconnect at once: that one is ours.
        hangingUp_ = true;
        link_->closeCall();
        hangingUp_ = false;
    }
    connectionDown(EndReason::HungUp);
}

void NetworkPlay::connectionUp(const QString& notice) {
    connected_ = true;
    setStatus(QStringLiteral("Connected"));
    setup_.showConnection(true);
    if (options_.on(Setting::ChatBox)) showChatBox();
    tell(notice);
}

void NetworkPlay::connectionDown(EndReason why) {
    const bool wasUp = connected_;
    const bool inGame = match_ && match_->running();
    connected_ = false;
    setStatus(QStringLiteral("Not connected"));
    setup_.showConnection(false);
    listenIfOn();
    if (match_) match_->connectionLost(why);
    // A game the end of the connection abandoned has said so already; END
    // pressed here needs no words.
    if (wasUp && !inGame && why != EndReason::HungUp)
        tell(why == EndReason::PeerLeft ? QStringLiteral("Red hung up")
                                        : QStringLiteral("Connection lost"));
}

// ---------------------------------------------------------------------------
// Socket events

// The side of the connection is known before the connection is up, so
// anything sent from then on goes out on the right socket.
void NetworkPlay::onCallConnected() {
    accepted_ = false;
    connectionUp(QStringLiteral("Connected to ") + calledAddress_);
}

void NetworkPlay::onCallClosed() {
    connectionDown(hangingUp_ ? EndReason::HungUp : EndReason::PeerLeft);
    link_->closeCall();
}

void NetworkPlay::onCallFailed(const QString&) {
    // A call that never came up ends no game: only the listening socket
    // opens again. One that was up has lost its connection.
    const bool wasUp = connected_;
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
    playSound(Sound::Error);
}

void NetworkPlay::onCallerAccepted(const QString& address) {
    internetPanel_->setCallerAddress(address);
    callerAddress_ = address;
    accepted_ = true;
    playSound(Sound::Calling);
    connectionUp(QStringLiteral("Caller ") + address + QStringLiteral(" joined"));
}

void NetworkPlay::onCallerClosed() {
    connectionDown(EndReason::PeerLeft);
    accepted_ = false;
}

void NetworkPlay::onCallerFailed(const QString&) {
    link_->closeListening();                    // drops every accepted connection, silently
    connectionDown(EndReason::ConnectionLost);  // which listens again when Listen is on
    if (!portBusy_) setStatus(QStringLiteral("Connection lost"));
    accepted_ = false;
    playSound(Sound::Error);
}

void NetworkPlay::onBytesReceived(const QByteArray& bytes) {
    // One read may hold several messages sent back to back; each is handled
    // on its own. Nothing of the read is kept after it but the messages
    // still waiting for match control.
    if (!receiver_) return;
    receiver_->arrive(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    holdWhileMatchWaits();
}

// While match control gives the peer's PLAY its pause, or messages wait for
// it, later arrivals and the report of a lost connection wait in the socket
// layer, so everything from the peer is handled in the order it came.
void NetworkPlay::holdWhileMatchWaits() {
    link_->holdArrivals(receiver_->waiting() || match_->holdsPeerInput());
}

// ---------------------------------------------------------------------------
// The chat box

void NetworkPlay::onChatEntered() {
    if (!connected_) {
        playSound(Sound::Error);
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
    options_.flip(Setting::ChatBox);
    const bool shown = options_.on(Setting::ChatBox);
    internetPanel_->setChatCaption(caption(Setting::ChatBox, shown));
    chatPanel_->setVisible(shown);
    if (shown) chatPanel_->raise();
}

void NetworkPlay::onChatCloseClicked() {
    options_.set(Setting::ChatBox, 0);
    internetPanel_->setChatCaption(caption(Setting::ChatBox, 0));
    chatPanel_->hide();
}

}  // namespace zelvan
