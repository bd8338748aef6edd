// The main window's side of network play: the Internet panel's buttons, the
// socket events, the chat box, and what they do to the connection flags.

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>

#include "engine/rules.h"
#include "net/chatpanel.h"
#include "net/dispatch.h"
#include "net/internetpanel.h"
#include "net/isip.h"
#include "net/netlink.h"
#include "net/wire.h"
#include "settings/settingsstore.h"
#include "shell/mainwindow.h"
#include "ui/helpviewer.h"
#include "widgets/alignedit.h"
#include "widgets/antialiaslabel.h"
#include "widgets/lbspeedbutton.h"

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

// Swallows Enter in the address field and reports every key release.
class AddressKeys : public QObject {
public:
    AddressKeys(QObject* parent, std::function<void()> released)
        : QObject(parent), released_(std::move(released)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
        }
        if (e->type() == QEvent::KeyRelease) released_();
        return false;
    }

private:
    std::function<void()> released_;
};

}  // namespace

void MainWindow::createNetwork() {
    net_ = new NetLink(config_.port, this, config_.listenOnLoopbackOnly);
    connect(net_, &NetLink::callConnected, this, &MainWindow::ClientSocket1Connect);
    connect(net_, &NetLink::callDisconnected, this, &MainWindow::ClientSocket1Disconnect);
    connect(net_, &NetLink::callError, this, &MainWindow::ClientSocket1Error);
    connect(net_, &NetLink::peerAccepted, this, &MainWindow::ServerSocket1ClientConnect);
    connect(net_, &NetLink::peerDisconnected, this, &MainWindow::ServerSocket1ClientDisconnect);
    connect(net_, &NetLink::peerError, this, &MainWindow::ServerSocket1ClientError);
    connect(net_, &NetLink::received, this, &MainWindow::SocketRead);

    const QImage toggle = Artwork::load(QStringLiteral("glyphs/toggle.png"));
    // The Internet panel's background is a copy of the options panel's.
    Panel2 = new InternetPanel(this, Artwork::load(QStringLiteral("optionspanel.png")), toggle);
    Panel2->hide();
    Panel3 = new ChatPanel(this, Artwork::load(QStringLiteral("chatpanel.png")));
    Panel3->hide();

    connect(Panel2->LbSpeedButton17, &LbSpeedButton::clicked, this,
            &MainWindow::LbSpeedButton17Click);
    connect(Panel2->LbSpeedButton18, &LbSpeedButton::clicked, this,
            &MainWindow::LbSpeedButton18Click);
    connect(Panel2->LbSpeedButton21, &LbSpeedButton::clicked, this,
            &MainWindow::LbSpeedButton21Click);
    connect(Panel2->LbSpeedButton24, &LbSpeedButton::clicked, this,
            &MainWindow::LbSpeedButton24Click);
    connect(Panel3->LbSpeedButton19, &LbSpeedButton::clicked, this,
            &MainWindow::LbSpeedButton19Click);
    connect(Panel3, &ChatPanel::enterReleased, this, &MainWindow::Edit3KeyUp);
    Panel2->AlignEdit1->installEventFilter(new AddressKeys(this, [this] { AlignEdit1KeyUp(); }));
    // A paste with the mouse is an edit too.
    connect(Panel2->AlignEdit1, &QLineEdit::textEdited, this, &MainWindow::AlignEdit1KeyUp);
}

// The Internet panel's captions from the loaded settings.
void MainWindow::applyNetworkOptions() {
    Panel2->AlignEdit1->setText(fromWire(game_.peerAddress));
    Panel2->AntiAliasLabel26->setText(game_.listenOn ? "Stop listen" : "Listen");
    setStatus(game_.listenOn ? "Listening" : "Not connected");
    Panel2->AntiAliasLabel30->setText(game_.chatBoxOn ? "Hide chat box" : "Show chat box");
}

// At start-up: a port that cannot be opened (another copy listens on it)
// leaves the rest of the start-up running and says so on the status line.
void MainWindow::startListening() {
    if (game_.listenOn && !net_->listen()) setStatus(QStringLiteral("Error!"));
}

void MainWindow::setStatus(const QString& text) {
    Panel2->AntiAliasLabel23->setText(text);
}

// The socket layer's own report of an error, which does not hold up play.
void MainWindow::showSocketError(const QString& reason) {
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("ZELVAN"), reason,
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

// ---------------------------------------------------------------------------
// Host: the network

void MainWindow::sendMessage(const std::string& bytes) {
    if (!game_.connected) return;
    net_->send(QByteArray(bytes.data(), qsizetype(bytes.size())), game_.acceptedPeer != 0);
}

void MainWindow::hangUp() {
    LbSpeedButton18Click();
}

void MainWindow::chatReceived(const std::string& text) {
    const std::string line = "o: " + text;
    Panel3->addLine(fromWire(line));
    store_->appendChatLog(line);
    Panel3->show();
    Panel3->raise();
    processEvents();
}

// ---------------------------------------------------------------------------
// The Internet panel

void MainWindow::LbSpeedButton8Click() {
    if (!game_.soundOff) playSound(Sound::Bmic);
    htmlLite1->hide();
    Panel1->hide();
    Panel2->setVisible(Panel2->isHidden());
    if (!Panel2->isHidden()) Panel2->raise();
    processEvents();
}

void MainWindow::AlignEdit1KeyUp() {
    // peerAddress mirrors the field; its stored length is taken modulo 256.
    game_.peerAddress = toWire(Panel2->AlignEdit1->text());
}

void MainWindow::LbSpeedButton21Click() {
    if (game_.connected) return;
    game_.listenOn = game_.listenOn ? 0 : 1;
    Panel2->AntiAliasLabel26->setText(game_.listenOn ? "Stop listen" : "Listen");
    setStatus(game_.listenOn ? "Listening" : "Not connected");
    if (game_.listenOn) {
        QString reason;
        if (!net_->listen(&reason)) showSocketError(reason);
    } else {
        net_->closeListening();
    }
}

void MainWindow::LbSpeedButton17Click() {
    const std::optional<std::string> address = dottedAddress(game_.peerAddress);
    if (!address) {
        if (!game_.soundOff) playSound(Sound::Eroare);
        setStatus(QStringLiteral("IP error!"));
        return;
    }
    // One calling connection at most: while connected, or while an attempt
    // is under way, CALL does nothing more.
    if (game_.connected || net_->callActive() || net_->callPending()) return;
    setStatus(QStringLiteral("Calling..."));
    if (!game_.soundOff) {
        playSound(Sound::Scall);
        delay(300);
    }
    if (game_.connected || net_->callActive() || net_->callPending()) return;
    // A side that calls does not listen while it calls.
    if (net_->isListening()) net_->closeListening();
    // The address that was checked, as plain dotted decimal: the raw text
    // ("010.0.0.1", " 1.2.3.4") could be read otherwise by the socket layer.
    net_->call(QString::fromStdString(*address));
    delay(200);
}

void MainWindow::LbSpeedButton18Click() {
    if (!game_.connected) return;
    if (game_.acceptedPeer) {
        net_->closeListening();  // drops the peer without a disconnect event
        game_.acceptedPeer = 0;
    } else {
        net_->closeCall();
    }
    processEvents();
    connectionDown();
}

void MainWindow::connectionUp() {
    game_.connected = 1;
    setStatus(QStringLiteral("Connected"));
    showConnection(true);
    if (game_.chatBoxOn) {
        Panel3->show();
        Panel3->raise();
    }
    processEvents();
}

void MainWindow::connectionDown() {
    game_.connected = 0;
    setStatus(QStringLiteral("Not connected"));
    showConnection(false);
    if (game_.listenOn) net_->listen();
    connectionLostGame(game_, *this);
    processEvents();
}

// ---------------------------------------------------------------------------
// Socket events

// The side of the connection is known before connectionUp lets events run,
// so anything sent meanwhile goes out on the right socket.
void MainWindow::ClientSocket1Connect() {
    game_.acceptedPeer = 0;
    connectionUp();
}

void MainWindow::ClientSocket1Disconnect() {
    connectionDown();
    net_->closeCall();
}

void MainWindow::ClientSocket1Error(const QString&) {
    connectionDown();
    setStatus(QStringLiteral("Error!"));
    net_->closeCall();
    if (!game_.soundOff) playSound(Sound::Eroare);
}

void MainWindow::ServerSocket1ClientConnect(const QString& address) {
    Panel2->AlignEdit2->setText(address);
    game_.acceptedPeer = 1;
    connectionUp();
    delay(200);
}

void MainWindow::ServerSocket1ClientDisconnect() {
    connectionDown();
    game_.acceptedPeer = 0;
}

void MainWindow::ServerSocket1ClientError(const QString& reason) {
    net_->closeListening();  // drops every accepted connection, silently
    connectionDown();        // which listens again when Listen is on
    setStatus(QStringLiteral("Error!"));
    game_.acceptedPeer = 0;
    if (!game_.soundOff) playSound(Sound::Eroare);
    showSocketError(reason);
}

void MainWindow::SocketRead(const QByteArray& bytes) {
    // One read may hold several messages sent back to back; each is handled
    // on its own. Nothing of the read is kept after it.
    std::string_view rest(bytes.constData(), std::size_t(bytes.size()));
    while (!rest.empty()) {
        const std::size_t n = firstMessageLength(rest);
        dispatchMessage(game_, *this, std::string(rest.substr(0, n)));
        rest.remove_prefix(n);
    }
}

// ---------------------------------------------------------------------------
// The chat box

void MainWindow::Edit3KeyUp() {
    if (!game_.connected) {
        if (!game_.soundOff) playSound(Sound::Eroare);
        return;  // the typed text stays
    }
    const QString text = Panel3->Edit3->text();
    if (text.isEmpty()) return;
    const std::string bytes = toWire(text);
    const std::string line = "x: " + bytes;
    Panel3->addLine(fromWire(line));
    store_->appendChatLog(line);
    sendMessage(chatMessage(bytes));
    Panel3->Edit3->clear();
}

void MainWindow::LbSpeedButton24Click() {
    game_.chatBoxOn = game_.chatBoxOn ? 0 : 1;
    Panel2->AntiAliasLabel30->setText(game_.chatBoxOn ? "Hide chat box" : "Show chat box");
    Panel3->setVisible(game_.chatBoxOn);
    if (game_.chatBoxOn) Panel3->raise();
    processEvents();
}

void MainWindow::LbSpeedButton19Click() {
    game_.chatBoxOn = 0;
    Panel2->AntiAliasLabel30->setText(QStringLiteral("Show chat box"));
    Panel3->hide();
}

}  // namespace zelvan
