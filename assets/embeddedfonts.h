#pragma once
// The Liberation Sans faces every picture and label is drawn in travel inside
// the program (":/fonts/..."), so the pixels never depend on which fonts, or
// which version of them, the machine has installed.

namespace zelvan {

// Adds the embedded regular and bold faces to the application's font
// database under the family "Liberation Sans". Needs a QGuiApplication.
// Returns false when either face cannot be registered.
bool registerEmbeddedFonts();

}  // namespace zelvan
