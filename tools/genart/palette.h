#pragma once
// The colours the program relies on, and the few our artwork shares between
// pictures.

#include <QtGui/QColor>

namespace genart::palette {

// Fields the controls sit on.
inline const QColor kBoardWell{0, 32, 36};
inline const QColor kBoard{0, 8, 12};
inline const QColor kPanel{155, 204, 204};
inline const QColor kWell{46, 110, 113};
inline const QColor kBlack{0, 0, 0};

// Light caption text of the panels, and the chat fields' background.
inline const QColor kPanelText{141, 197, 197};
inline const QColor kChatField{38, 49, 57};

// The frame around everything: a dark teal console.
inline const QColor kMetalTop{28, 72, 77};
inline const QColor kMetalBottom{10, 36, 40};
inline const QColor kMetalLight{96, 160, 164};
inline const QColor kMetalShade{3, 14, 16};

// Keys and toggles.
inline const QColor kToggleFace{150, 202, 202};
inline const QColor kToggleLight{203, 228, 228};
inline const QColor kToggleShade{79, 157, 157};

// Piece colours.
inline const QColor kCross{68, 68, 252};
inline const QColor kCrossRidge{89, 89, 255};
inline const QColor kCrossHl{158, 158, 253};
inline const QColor kCrossHlRidge{169, 169, 255};
inline const QColor kRing{255, 0, 0};
inline const QColor kRingHl{248, 156, 0};
inline const QColor kBallBlue{59, 59, 175};
inline const QColor kBallRed{163, 25, 23};
inline const QColor kBallBlueHl{86, 86, 218};
inline const QColor kBallRedHl{213, 55, 53};

// Transparent keys of the 18x18 pictures.
inline const QColor kGearKey{142, 190, 190};
inline const QColor kPersonKey{153, 153, 153};
inline const QColor kCheckKey{255, 255, 255};
inline const QColor kIndicatorKey{157, 205, 205};
// Glyph strips: a colour none of them uses.
inline const QColor kGlyphKey{255, 0, 255};

}  // namespace genart::palette
