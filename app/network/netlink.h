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

    int acceptedCount() const { return int(accepted_.size()); }
    std::int64_t bytesReceived() const { return bytesReceived_; }

    // Reads larger than this come as several chunks.
    static constexpr std::int64_t kReadChunk = 64 * 1024;

signals:
    void callConnected();
    void callDisconnected();
    void callError(const QString& reason);
    void peerAccepted(const QString& address);
    void peerDisconnected();
    void peerError(const QString& reason);
    // Bytes read from a connection, one read at a time. A handler that lets
    // events run is never re-entered: reads that arrive meanwhile follow
    // once it returns.
    void received(const QByteArray& bytes);

private:
    void acceptPending();
    void readFrom(QTcpSocket* socket);
    void drainReads();
    void forget(QTcpSocket* socket);
    void peerGone(QTcpSocket* socket);
    void retire(QTcpSocket* socket);

    std::uint16_t port_;
    bool loopbackOnly_;
    QTcpServer* server_ = nullptr;
    QTcpSocket* client_ = nullptr;
    bool clientUp_ = false;
    bool clientGone_ = false;  // its disconnect came during a read; reported after it
    std::vector<QPointer<QTcpSocket>> accepted_;
    bool reading_ = false;
    // While a read is being handled (its handler lets events run), sockets
    // are neither deleted nor reported gone: the read may belong to one of
    // them, and the bytes they still hold are read first.
    std::vector<QPointer<QTcpSocket>> gone_;
    std::vector<QPointer<QTcpSocket>> retired_;
    std::int64_t bytesReceived_ = 0;
};

}  // namespace zelvan
