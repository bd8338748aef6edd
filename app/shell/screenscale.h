#pragma once
// How large the 800x600 scene is drawn. Qt draws every window at a device
// pixel ratio; the program picks that ratio before its windows exist, so
// the layout stays 800x600 logical pixels while pictures, text and lines
// come out finer and larger on a big screen.

#include <QSize>
#include <QString>
#include <optional>

namespace zelvan {

// The factors the scene is drawn at: one to one, or 1.5 up to 3 in steps of
// 0.25. Below 1.5 a larger scene would gain too little to be worth the
// softer pictures, so the scene stays one to one there.
inline constexpr double kSmallestEnlargedScale = 1.5;
inline constexpr double kLargestScale = 3.0;  // the pictures come in 1x, 2x and 3x
inline constexpr double kScaleStep = 0.25;

// The largest factor of those steps that is at most `fit` (1 when even 1.5
// is too large).
double largestStepWithin(double fit);

// Reads a factor as the command line gives it ("1", "1.75", "3"); nothing
// when the text is not one of the steps.
std::optional<double> parseScale(const QString& text);

// The ratio to draw at on a screen that Qt reports as `logical`
// device-independent pixels at device pixel ratio `ratio`; `requested` is
// the scale asked for on the command line (one of the steps), 0 to pick it.
//
// A desktop scale that leaves less than 800x600 logical pixels on a screen
// with at least that many device pixels gives way to the largest whole
// scale that fits. On what is left the scene is drawn at the largest step
// that fits: 1.5 at 1600x900, 1.75 at 1920x1080, 2 at 1600x1200, 2.25 at
// 2560x1440, 3 from 2400x1800. A requested factor that does not fit is
// lowered to one that does.
double sceneDevicePixelRatio(QSize logical, double ratio, double requested);

}  // namespace zelvan
