#pragma once
// The two sockets of network play: the listener, which listens on all
// local addresses, and the calling socket. Every event arrives on the
// user-interface thread as a signal; what an event does to the game is the
// main window's business.

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

class QTcpServer;
class QTcpSocket;

namespace zelvan {

class NetLink : public QObject {
    Q_OBJECT
public:
    // Listens on every local IPv4 address, or on loopback only (tests).
    explicit NetLink(std::uint16_t port, QObject* parent = nullptr, bool loopbackOnly = false);
    ~NetLink() override;

    std::uint16_t port() const { return port_; }

    // The listening socket. listen() returns true when it is open (also when
    // it already was); on failure *error holds the system's reason.
    bool listen(QString* error = nullptr);
    // Closes it and drops every accepted connection without reporting their
    // disconnects (the peers see their connections end).
    void closeListening();
    bool isListening() const;

    // The calling socket: a connection attempt to a dotted address; the
    // outcome comes later as callConnected or callError.
    void call(const QString& address);
    // Closes the calling connection; reports callDisconnected if it was up.
    void closeCall();
    bool callActive() const;   // connected, from its connect to its disconnect event
    bool callPending() const;  // an attempt is under way
    // What the calling socket last failed with (refused, timed out, ...).
    QAbstractSocket::SocketError callFailure() const;

    // Sends on the oldest accepted connection, or on the calling socket.
    // Bytes are queued by the socket, never dropped for being busy.
    void send(const QByteArray& bytes, bool toAccepted);

    // Whether the connection messages go out on (the oldest accepted one, or
    // the calling one) is still up as far as this layer knows. A disconnect
    // that came while a read was handled counts as down, although it is
    // reported only once the reads before it have been handed over.
    bool peerUp(bool accepted) const;
    // The next arrival still held back behind the read being handled, or
    // nothing.
    QByteArray nextArrival() const;
    // While held, arrivals are kept (each as a chunk of its own) and the
    // disconnects that come after them are not reported; letting go hands
    // them over in order, from the event loop. The game holds them while
    // what came before still waits to be handled.
    void holdArrivals(bool held);

    int acceptedCount() const { return int(accepted_.size()); }
    std::int64_t bytesReceived() const { return bytesReceived_; }

    // Reads larger than this come as several chunks. At most about this
    // much is held back while a read is handled; the rest waits in the
    // socket and in TCP, and only then may two arrivals come as one chunk.
    static constexpr std::int64_t kReadChunk = 64 * 1024;

signals:
    void callConnected();
    void callDisconnected();
    void callError(const QString& reason);
    void peerAccepted(const QString& address);
    void peerDisconnected();
    void peerError(const QString& reason);
    // Bytes as they arrived on a connection, one arrival at a time, never
    // while another is being handled or arrivals are held.
    void received(const QByteArray& bytes);

private:
    struct Arrival {
        QPointer<QTcpSocket> from;
        QByteArray bytes;
    };

    void acceptPending();
    void arrive(QTcpSocket* socket);
    void take(QTcpSocket* socket);
    bool takeLeftovers();
    void deliver();
    void dropArrivals(const std::function<bool(QTcpSocket*)>& from);
    bool holding() const { return reading_ || deliveryQueued_ || held_; }
    void queueDelivery();
    void forget(QTcpSocket* socket);
    void peerGone(QTcpSocket* socket);
    void retire(QTcpSocket* socket);

    std::uint16_t port_;
    bool loopbackOnly_;
    QTcpServer* server_ = nullptr;
    QTcpSocket* client_ = nullptr;
    bool clientUp_ = false;
    bool clientGone_ = false;  // its disconnect came while holding reads; reported after them
    std::vector<QPointer<QTcpSocket>> accepted_;
    // Arrivals not yet handed over, oldest first, and their size.
    std::deque<Arrival> arrivals_;
    std::int64_t heldBytes_ = 0;
    bool deliveryQueued_ = false;  // arrivals wait for the handover the event loop will run
    bool reading_ = false;         // a read is being handled
    bool held_ = false;            // the game holds arrivals back (holdArrivals)
    // While arrivals wait, are held or a read is being handled, sockets are
    // neither deleted nor reported gone: the read may belong to one of them,
    // and what they sent before going is handed over first.
    std::vector<QPointer<QTcpSocket>> gone_;
    std::vector<QPointer<QTcpSocket>> retired_;
    std::int64_t bytesReceived_ = 0;
};

}  // namespace zelvan
