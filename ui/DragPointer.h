#pragma once
// The pointer shown while cards are dragged: our own white hand with the index finger
// raised (assets/cursors/hand.svg, built into the program), its hot spot on the
// fingertip.

#include <QCursor>
#include <QPoint>

namespace zarn {

inline constexpr int DragPointerSize = 32;         // logical pixels
inline constexpr QPoint DragPointerHotSpot{11, 1}; // the fingertip

// Drawn at the device pixel ratio given, so the hand is sharp on a HiDPI screen.
QCursor MakeDragPointer(qreal devicePixelRatio);

} // namespace zarn
