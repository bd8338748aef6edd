#include "app/network/keepalive.h"

#include <QAbstractSocket>
#include <QVariant>

#ifdef Q_OS_UNIX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

namespace zelvan {

void keepAlive(QAbstractSocket* socket) {
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
#ifdef Q_OS_UNIX
    const qintptr fd = socket->socketDescriptor();
    if (fd == -1) return;
    // A failed option leaves the system's default: keep-alive is still on.
    [[maybe_unused]] auto tcpOption = [fd](int name, int value) {
        ::setsockopt(int(fd), IPPROTO_TCP, name, &value, sizeof value);
    };
#ifdef TCP_KEEPIDLE
    tcpOption(TCP_KEEPIDLE, kKeepAliveIdleSeconds);
#endif
#ifdef TCP_KEEPINTVL
    tcpOption(TCP_KEEPINTVL, kKeepAliveIntervalSeconds);
#endif
#ifdef TCP_KEEPCNT
    tcpOption(TCP_KEEPCNT, kKeepAliveProbes);
#endif
#ifdef TCP_USER_TIMEOUT
    tcpOption(TCP_USER_TIMEOUT, kUnacknowledgedLimitMs);
#endif
#endif
}

}  // namespace zelvan
