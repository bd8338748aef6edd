#pragma once
// Where the window puts its controls over the 800x600 background, and the
// painted fields they line up with. The background, the glyph strips and the
// icons are all drawn against these, so a glyph's soft edge blends into the
// very pixels it will sit on.

#include <QtCore/QPoint>
#include <QtCore/QRect>

namespace genart::layout {

inline constexpr int kWidth = 800;
inline constexpr int kHeight = 600;

// Painted fields (both ends inclusive in the comments, QRect keeps size).
inline constexpr QRect kBoardWell{213, 12, 575, 575};   // x 213..787, y 12..586
inline constexpr QRect kLeftPanel{20, 35, 172, 351};    // x 20..191, y 35..385
inline constexpr QRect kRedScoreBox{26, 84, 62, 30};    // x 26..87, y 84..113
inline constexpr QRect kBlueScoreBox{124, 84, 62, 30};  // x 124..185, y 84..113
inline constexpr QPoint kPlayWellCentre{106, 322};
inline constexpr int kPlayWellDiameter = 71;
inline constexpr QRect kClockRow{17, 399, 184, 36};  // x 17..200, y 399..434
inline constexpr int kBlackBelowY = 435;             // left of the well, downwards

// Where each button's glyph frame lands: button position plus the offset the
// button computes for a centred glyph-only face.
inline constexpr QPoint kExitGlyph{180, 9};
inline constexpr QPoint kHumanComputerGlyph{95, 88};
inline constexpr QPoint kHelpGlyph{43, 141};
inline constexpr QPoint kInternetGlyph{92, 141};
inline constexpr QPoint kOptionsGlyph{141, 141};
inline constexpr QPoint kSizeGlyph{21, 304};
inline constexpr QPoint kStopGlyph{152, 304};
inline constexpr QPoint kPlayGlyph{75, 293};

// 18x18 pictures over the panel.
inline constexpr QPoint kRedPlayerIcon{49, 52};
inline constexpr QPoint kBluePlayerIcon{146, 52};
inline constexpr QPoint kConnectionIcon{49, 185};
inline constexpr QPoint kStyleIcon{49, 217};
inline constexpr QPoint kTurnIcon{49, 249};
inline constexpr int kIconSize = 18;

// Labels in the dotted strip: the level digit between the two clocks.
inline constexpr QRect kLevelDigit{105, 408, 13, 22};
inline constexpr QRect kGameClock{119, 408, 87, 22};
// The black cover that hides the strip when the clocks are off.
inline constexpr QRect kClockCover{0, 400, 200, 45};

// Inside the 189x352 options panel: the toggle glyph of the first row.
inline constexpr QPoint kToggleGlyphOnPanel{9, 46};

// Inside the 201x149 chat panel: history and input fields.
inline constexpr QRect kChatHistory{8, 24, 185, 97};
inline constexpr QRect kChatInput{8, 125, 185, 16};
inline constexpr QRect kChatClose{180, 5, 14, 14};

// Splash picture: the progress bar covers this strip.
inline constexpr QRect kSplashBar{2, 186, 315, 16};

}  // namespace genart::layout
