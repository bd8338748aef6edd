#pragma once
// How large the 800x600 scene is drawn. Qt draws every window at a device
// pixel ratio; the program picks that ratio before its windows exist, so
// the layout stays 800x600 logical pixels while pictures, text and lines
// come out k times finer on a big screen.

#include <QSize>

namespace zelvan {

// The ratio to draw at on a screen that Qt reports as `logical`
// device-independent pixels at device pixel ratio `ratio`; `requested` is
// the scale asked for on the command line (1, 2 or 3), 0 to pick it.
//
// A desktop scale that leaves less than 800x600 logical pixels on a screen
// with at least that many device pixels gives way to the largest whole
// scale that fits. On what is left the scene is drawn at the largest whole
// factor up to 3 that fits: 2 from 1600x1200, 3 from 2400x1800. A requested
// factor that does not fit is lowered to one that does.
double sceneDevicePixelRatio(QSize logical, double ratio, int requested);

}  // namespace zelvan
