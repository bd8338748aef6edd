#pragma once
// Where everything sits over the 800x600 background: the window places its
// controls by these rectangles and the art generator paints the fields they
// line up with, so a glyph's soft edge blends into the very pixels it will
// sit on. Every rectangle is relative to the background's top-left corner
// (or to its panel's, where the name says so). Both ends of a range are
// inclusive in the comments; QRect keeps the size.

#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtCore/QSize>

namespace zelvan::layout {

inline constexpr int kWidth = 800;
inline constexpr int kHeight = 600;

// The background's top-left on a screen of the given size: centred, one
// pixel right of true centre, divisions truncating toward zero.
inline constexpr QPoint backgroundOrigin(int screenWidth, int screenHeight) {
    return {(screenWidth - kWidth) / 2 + 1, (screenHeight - kHeight) / 2};
}

// Painted fields.
inline constexpr QRect kBoardWell{213, 12, 575, 575};   // x 213..787, y 12..586
inline constexpr QRect kLeftPanel{20, 35, 172, 351};    // x 20..191, y 35..385
inline constexpr QRect kRedScoreBox{26, 84, 62, 30};    // x 26..87, y 84..113
inline constexpr QRect kBlueScoreBox{124, 84, 62, 30};  // x 124..185, y 84..113
inline constexpr QPoint kPlayWellCentre{106, 322};
inline constexpr int kPlayWellDiameter = 71;
inline constexpr QRect kClockRow{17, 399, 184, 36};  // x 17..200, y 399..434
inline constexpr int kBlackBelowY = 435;             // left of the well, downwards

// The buttons.
inline constexpr QRect kExitButton{179, 7, 22, 22};
inline constexpr QRect kOpponentButton{92, 85, 27, 25};
inline constexpr QRect kHelpButton{44, 141, 25, 25};
inline constexpr QRect kInternetButton{93, 141, 25, 25};
inline constexpr QRect kOptionsButton{142, 141, 25, 25};
inline constexpr QRect kSizeButton{20, 302, 40, 40};
inline constexpr QRect kPlayButton{75, 293, 62, 60};
inline constexpr QRect kStopButton{151, 302, 40, 40};

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

// 18x18 pictures over the panel, and the captions beside the indicators.
inline constexpr int kIconSize = 18;
inline constexpr QPoint kRedPlayerIcon{49, 52};
inline constexpr QPoint kBluePlayerIcon{146, 52};
inline constexpr QPoint kConnectionIcon{49, 185};
inline constexpr QPoint kStyleIcon{49, 217};
inline constexpr QPoint kTurnIcon{49, 249};
inline constexpr QRect iconAt(QPoint p) {
    return {p, QSize(kIconSize, kIconSize)};
}
inline constexpr QRect kConnectionCaption{80, 184, 109, 22};
inline constexpr QRect kStyleCaption{80, 216, 109, 22};
inline constexpr QRect kTurnCaption{80, 248, 101, 22};

// The scores: each bright label has a dark twin two pixels right and down.
inline constexpr QRect kRedScore{31, 87, 51, 21};
inline constexpr QRect kBlueScore{129, 87, 51, 21};
inline constexpr QPoint kScoreShadowOffset{2, 2};

// Below the game buttons, inside the panel: how the last game ended, shown
// from its end until the next game starts.
inline constexpr QRect kResultLine{24, 355, 164, 28};

// Labels in the dotted strip: the time of day, the level digit, the game clock.
inline constexpr QRect kTimeOfDay{15, 408, 87, 22};
inline constexpr QRect kLevelDigit{105, 408, 13, 22};
inline constexpr QRect kGameClock{119, 408, 87, 22};
// The black cover that hides the strip when the clocks are off.
inline constexpr QRect kClockCover{0, 400, 200, 45};

// What opens over the board.
inline constexpr QRect kHelpViewer{215, 14, 571, 570};
inline constexpr QRect kOptionsPanel{225, 35, 189, 352};
inline constexpr QRect kInternetPanel = kOptionsPanel;
inline constexpr QRect kChatPanel{0, 435, 201, 149};

// Inside the options and Internet panels (189x352): the title, and rows of
// a 22x22 toggle with its caption beside it.
inline constexpr QPoint kPanelTitle{60, 14};
inline constexpr QSize kToggleSize{22, 22};
inline constexpr int kOptionRowX = 8;
inline constexpr int kOptionFirstRowY = 44;
inline constexpr int kOptionRowPitch = 36;
inline constexpr QPoint kOptionCaptionOffset{28, 2};  // from the toggle's top-left
inline constexpr QPoint kLevelLine{36, 316};
// The toggle glyph of the first options row, as the generator cuts it.
inline constexpr QPoint kToggleGlyphOnPanel{9, 46};

// Inside the Internet panel.
inline constexpr QSize kAddressFieldSize{121, 16};
inline constexpr QSize kPanelButtonSize{61, 29};
inline constexpr QPoint kCallLabel{16, 47};
inline constexpr QPoint kAddressEdit{44, 48};
inline constexpr QPoint kCallButton{68, 80};
inline constexpr QPoint kCallerLabel{16, 134};
inline constexpr QPoint kCallerAddress{44, 134};
inline constexpr QPoint kListenToggle{60, 161};
inline constexpr QPoint kListenCaption{84, 162};
inline constexpr QPoint kEndButton{68, 196};
inline constexpr QPoint kStatusLabel{12, 266};
inline constexpr QPoint kStatus{72, 266};
inline constexpr QPoint kChatToggle{28, 308};
inline constexpr QPoint kChatCaption{56, 310};

// The move list and the statistics open in the options panel's place, on
// its picture; the move list scrolls inside this rectangle of it, fifteen
// rows of 19 pixels and a margin of 2 above and below.
inline constexpr QRect kMoveListPanel = kOptionsPanel;
inline constexpr QRect kStatisticsPanel = kOptionsPanel;
inline constexpr QRect kMoveListArea{10, 48, 171, 289};
// The coordinates stand in a band this wide above the board and left of it,
// over the well's margin and the frame around it: the 30x30 board leaves
// just this much below the background's top edge.
inline constexpr int kCoordinateBand = 13;

// Inside the 201x149 chat panel: history and input fields.
inline constexpr QRect kChatHistory{8, 24, 185, 97};
inline constexpr QRect kChatInput{8, 125, 185, 16};
inline constexpr QRect kChatClose{180, 5, 14, 14};

// The 320x240 splash picture, centred on the screen; the progress bar covers
// this strip of it.
inline constexpr QSize kSplashSize{320, 240};
inline constexpr QRect kSplashBar{2, 186, 315, 16};

}  // namespace zelvan::layout
