#pragma once
// The embedded pictures, sounds and help page live in this library's
// resources; linking it makes them available at ":/art/...", ":/sounds/..."
// and ":/help/...".

namespace zelvan {

// Makes sure the resources are registered (a static library's resource
// initialiser is only kept when something refers to it).
void initAssets();

}  // namespace zelvan
