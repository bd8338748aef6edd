#pragma once
// The entry sequence: screen checks, main window, splash with its progress
// bar and start-up sound, then the main window and the event loop.

#include <QSize>
#include <QString>

namespace zelvan {

// The refusal for a screen of this size, or an empty text when it will do.
QString screenSizeRefusal(const QSize& screen);
// The refusal for this colour depth, or an empty text when it will do.
QString colourDepthRefusal(int bitsPerPixel);

// Maps the family names the artwork was designed with onto the bundled
// metric-compatible font, so every machine shows the same pixels.
void installFonts();

int runZelvan(int argc, char** argv);

}  // namespace zelvan
