#include "app/network/netlink.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <utility>

#include "app/network/keepalive.h"

namespace zelvan {

namespace {

void tune(QTcpSocket* s) {
    // Messages are tiny and must not wait for each other.
    s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // A peer whose machine vanished is found and dropped, freeing the line.
    keepAlive(s);
    // A peer that floods is read in bounded chunks; TCP holds back the rest.
    s->setReadBufferSize(NetLink::kReadChunk);
}

QString dottedPeer(const QTcpSocket* s) {
    bool ok = false;
    const quint32 v4 = s->peerAddress().toIPv4Address(&ok);
    return ok ? QHostAddress(v4).toString() : s->peerAddress().toString();
}

}  // namespace

NetLink::NetLink(std::uint16_t port, QObject* parent, bool loopbackOnly)
    : QObject(parent), port_(port), loopbackOnly_(loopbackOnly) {
    server_ = new QTcpServer(this);
    connect(server_, &QTcpServer::newConnection, this, &NetLink::acceptPending);

    client_ = new QTcpSocket(this);
    connect(client_, &QTcpSocket::connected, this, [this] {
        tune(client_);
        clientUp_ = true;
        emit callConnected();
    });
    connect(client_, &QTcpSocket::disconnected, this, [this] {
        if (!clientUp_) return;
        if (holding()) {
            clientGone_ = true;  // its last bytes are read before it is reported
            return;
        }
        clientUp_ = false;
        emit callDisconnected();
    });
    connect(client_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        // The peer hanging up is an ordinary disconnect, reported as such.
        if (e == QAbstractSocket::RemoteHostClosedError) return;
        emit callError(client_->errorString());
    });
    connect(client_, &QTcpSocket::readyRead, this, [this] {
        if (clientUp_) arrive(client_);
    });
}

NetLink::~NetLink() {
    // Leave quietly: no events from sockets that go away with the window.
    for (auto& s : accepted_)
        if (s) s->disconnect(this);
    client_->disconnect(this);
    server_->close();
}

bool NetLink::listen(QString* error) {
    if (server_->isListening()) return true;
    if (server_->listen(loopbackOnly_ ? QHostAddress::LocalHost : QHostAddress::AnyIPv4, port_))
        return true;
    if (error) *error = server_->errorString();
    return false;
}

void NetLink::closeListening() {
    server_->close();
    for (auto& s : accepted_) {
        if (!s) continue;
        s->disconnect(this);
        s->abort();
        retire(s);
    }
    // What they sent is dropped with them.
    dropArrivals([this](QTcpSocket* from) { return from != client_; });
    accepted_.clear();
    gone_.clear();
}

bool NetLink::isListening() const {
    return server_->isListening();
}

void NetLink::acceptPending() {
    while (QTcpSocket* s = server_->nextPendingConnection()) {
        const bool busy = clientUp_ || !accepted_.empty();
        if (busy) {
            // One peer at a time: a second caller is turned away at once, so
            // nothing it sends can reach the running game.
            s->abort();
            s->deleteLater();
            continue;
        }
        tune(s);
        accepted_.emplace_back(s);
        connect(s, &QTcpSocket::readyRead, this, [this, s] { arrive(s); });
        connect(s, &QTcpSocket::disconnected, this, [this, s] { peerGone(s); });
        connect(s, &QTcpSocket::errorOccurred, this, [this, s](QAbstractSocket::SocketError e) {
            if (e == QAbstractSocket::RemoteHostClosedError) return;
            emit peerError(s->errorString());
        });
        emit peerAccepted(dottedPeer(s));
    }
}

void NetLink::forget(QTcpSocket* socket) {
    for (auto it = accepted_.begin(); it != accepted_.end(); ++it)
        if (*it == socket) {
            accepted_.erase(it);
            break;
        }
    socket->disconnect(this);
    retire(socket);
}

void NetLink::retire(QTcpSocket* socket) {
    if (reading_)
        retired_.emplace_back(socket);
    else
        socket->deleteLater();
}

void NetLink::peerGone(QTcpSocket* socket) {
    if (holding()) {
        gone_.emplace_back(socket);
        return;
    }
    forget(socket);
    emit peerDisconnected();
}

void NetLink::call(const QString& address) {
    if (client_->state() != QAbstractSocket::UnconnectedState) client_->abort();
    dropArrivals([this](QTcpSocket* from) { return from == client_; });
    clientUp_ = false;
    clientGone_ = false;
    client_->connectToHost(address, port_);
}

void NetLink::closeCall() {
    switch (client_->state()) {
    case QAbstractSocket::UnconnectedState:
        return;
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState:
        client_->abort();
        return;
    default:
        client_->disconnectFromHost();  // queued bytes still go out first
    }
}

bool NetLink::callActive() const {
    return clientUp_;
}

bool NetLink::peerUp(bool accepted) const {
    if (!accepted) return clientUp_ && !clientGone_;
    for (const auto& s : accepted_)
        if (s) return std::find(gone_.begin(), gone_.end(), s) == gone_.end();
    return false;
}

QByteArray NetLink::nextArrival() const {
    return arrivals_.empty() ? QByteArray() : arrivals_.front().bytes;
}

bool NetLink::callPending() const {
    const auto st = client_->state();
    return st == QAbstractSocket::HostLookupState || st == QAbstractSocket::ConnectingState;
}

QAbstractSocket::SocketError NetLink::callFailure() const {
    return client_->error();
}

void NetLink::send(const QByteArray& bytes, bool toAccepted) {
    if (toAccepted) {
        for (auto& s : accepted_)
            if (s) {
                s->write(bytes);
                return;
            }
        return;
    }
    if (clientUp_) client_->write(bytes);
}

void NetLink::arrive(QTcpSocket* socket) {
    take(socket);
    if (holding()) return;
    queueDelivery();
}

// The handover runs from the event loop, not inside a socket's signal: a
// socket emits no further readyRead while a handler of its readyRead runs,
// so whatever came meanwhile would pile up unseen in its buffer and run
// together into one read.
void NetLink::queueDelivery() {
    deliveryQueued_ = true;
    QMetaObject::invokeMethod(this, &NetLink::deliver, Qt::QueuedConnection);
}

void NetLink::holdArrivals(bool held) {
    if (held_ == held) return;
    held_ = held;
    if (!held && !reading_ && !deliveryQueued_) queueDelivery();
}

void NetLink::take(QTcpSocket* socket) {
    // A flood held back during a pause stays small: past the limit the
    // bytes wait in the socket, whose buffer is bounded, and TCP slows the
    // peer down.
    if (heldBytes_ >= kReadChunk) return;
    QByteArray bytes = socket->read(kReadChunk);
    if (bytes.isEmpty()) return;
    heldBytes_ += bytes.size();
    arrivals_.push_back({socket, std::move(bytes)});
}

// Bytes left in the sockets while too much was held back.
bool NetLink::takeLeftovers() {
    const std::size_t before = arrivals_.size();
    if (clientUp_ && client_->bytesAvailable() > 0) take(client_);
    for (std::size_t i = 0; i < accepted_.size(); ++i) {
        QPointer<QTcpSocket> s = accepted_[i];
        if (s && s->bytesAvailable() > 0) take(s);
    }
    return arrivals_.size() != before;
}

void NetLink::dropArrivals(const std::function<bool(QTcpSocket*)>& from) {
    for (auto it = arrivals_.begin(); it != arrivals_.end();) {
        if (from(it->from)) {
            heldBytes_ -= it->bytes.size();
            it = arrivals_.erase(it);
        } else {
            ++it;
        }
    }
}

void NetLink::deliver() {
    deliveryQueued_ = false;
    if (reading_ || held_) return;
    // What arrives while a read is handled or arrivals are held is taken by
    // arrive() and handed over here, in order.
    reading_ = true;
    while (!held_ && (!arrivals_.empty() || takeLeftovers())) {
        const Arrival next = std::move(arrivals_.front());
        arrivals_.pop_front();
        heldBytes_ -= next.bytes.size();
        bytesReceived_ += next.bytes.size();
        emit received(next.bytes);
    }
    reading_ = false;
    // Held: the sockets that went stay unreported until the release.
    if (held_) return;
    for (auto& s : std::exchange(retired_, {}))
        if (s) s->deleteLater();
    for (auto& s : std::exchange(gone_, {}))
        if (s) peerGone(s);
    if (std::exchange(clientGone_, false) && clientUp_) {
        clientUp_ = false;
        emit callDisconnected();
    }
}

}  // namespace zelvan
