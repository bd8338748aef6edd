#pragma once
// The board pieces, as soft figures on a transparent canvas, so the splash
// picture can use the same drawing as the piece pictures.

#include <QtGui/QImage>

namespace genart {

enum class PieceKind { Cross, Ring, Ball };

// A piece of `kind` for Blue (`blue`) or Red, normal or highlighted, filling
// a pitch x pitch square but leaving `margin` pixels clear on each side.
QImage pieceFigure(PieceKind kind, bool blue, bool highlighted, int pitch, double margin);

}  // namespace genart
