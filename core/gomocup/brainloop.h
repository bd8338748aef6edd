#pragma once
// Reads protocol lines from a stream, hands each to the session and writes
// its answers at once (a manager waits for them). Stops at END or at the end
// of the input, which counts as END.

#include <iosfwd>

#include "core/gomocup/session.h"

namespace zelvan::gomocup {

// Longest line taken whole; the rest of a longer line is dropped.
inline constexpr std::size_t kLongestLine = 64 * 1024;

void runBrain(BrainSession& session, std::istream& in, std::ostream& out);

}  // namespace zelvan::gomocup
