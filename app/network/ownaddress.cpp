#include "app/network/ownaddress.h"

#include <QNetworkInterface>

namespace zelvan {

QString firstOwnAddress(const QList<QHostAddress>& addresses) {
    for (const QHostAddress& a : addresses)
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) return a.toString();
    return QStringLiteral("127.0.0.1");
}

QString ownAddress() {
    return firstOwnAddress(QNetworkInterface::allAddresses());
}

}  // namespace zelvan
