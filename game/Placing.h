#pragma once
// Where pictures come to rest: every placement records the picture's home, the place it
// springs back to.

#include "game/GameState.h"
#include "game/PictureSurface.h"

namespace zarn {

// Puts a picture at (left, top) and records that as its home.
void PlacePicture(GameState& s, PictureSurface& surface, int picture, float left, float top);
// Puts card k places above anchor (a pile's top card or marker, k = 0 on the marker)
// and brings it to the front: in a column each card lies FanStep below the one under
// it, on the other piles cards lie on each other.
void StackOnPile(GameState& s, PictureSurface& surface, int card, int pile, int anchor, int k);

} // namespace zarn
