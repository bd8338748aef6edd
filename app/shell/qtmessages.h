#pragma once
// What becomes of Qt's own messages: in a normal run its debug output and
// warnings (a missing sound server, an unset runtime folder) stay quiet,
// while critical and fatal messages always reach standard error. A window
// system that cannot be opened is told in one line, and the program exits 1
// instead of aborting.

#include <functional>

namespace zelvan {

// Routes Qt's messages as above, for the rest of the run.
void installMessageRouting();

// Runs `open` (which creates the application object and so connects to the
// window system). Should Qt find no usable display meanwhile, this writes
// "zelvan: cannot open a display: <reason>" and ends the process with 1.
void openingDisplay(const std::function<void()>& open);

}  // namespace zelvan
