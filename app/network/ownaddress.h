#pragma once
// This machine's own IPv4 address, for the Internet panel's lower field
// while nobody has called: what a player tells a friend to call.

#include <QHostAddress>
#include <QList>
#include <QString>

namespace zelvan {

// The first IPv4 address of the list that is not a loopback address, as
// dotted text; "127.0.0.1" when there is none.
QString firstOwnAddress(const QList<QHostAddress>& addresses);

// firstOwnAddress over the addresses of this machine's interfaces.
QString ownAddress();

}  // namespace zelvan
