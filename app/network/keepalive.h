#pragma once
// TCP keep-alive on a peer connection. A peer whose machine vanishes (no
// FIN, no RST) would otherwise hold the one connection for ever: the kernel
// probes a quiet connection and ends it when the probes go unanswered, about
// two minutes after the peer was last heard. A live peer answers the probes
// however long its player stays silent, so it is never dropped.

class QAbstractSocket;

namespace zelvan {

inline constexpr int kKeepAliveIdleSeconds = 60;      // quiet time before the first probe
inline constexpr int kKeepAliveIntervalSeconds = 10;  // between unanswered probes
inline constexpr int kKeepAliveProbes = 6;            // unanswered probes that end it
// Bytes sent to a vanished peer are given up after the same time, where the
// platform allows: keep-alive alone waits only while nothing is in flight.
inline constexpr int kUnacknowledgedLimitMs =
    (kKeepAliveIdleSeconds + kKeepAliveIntervalSeconds * kKeepAliveProbes) * 1000;

// Turns keep-alive on for a connected socket; the timings are set where the
// platform offers them, else its own defaults apply.
void keepAlive(QAbstractSocket* socket);

}  // namespace zelvan
