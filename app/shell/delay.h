#pragma once
// The program's pause: waits the given time while the window stays alive.

namespace zelvan {

// Runs a nested event loop that a single-shot timer quits after ms
// milliseconds, measured on a monotonic clock. It sleeps in the event loop
// between events and never spins a CPU; every handler can run inside it.
void delayMs(unsigned ms);

}  // namespace zelvan
