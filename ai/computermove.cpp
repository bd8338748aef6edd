#include "ai/computermove.h"

namespace zelvan {

// Filled in with the computer player; until then Red's turn simply waits.
void computerMove(Game&, Host&) {}

}  // namespace zelvan
