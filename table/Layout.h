#pragma once
// Where every pile lies and the deal onto the table.

#include "game/GameState.h"
#include "game/PictureSurface.h"

namespace zarn {

// Deals Deck onto the table, places every marker and card picture, records the homes,
// and fits the window, the speed panel and the foundation frame (fields of GameState).
// The table origin is the Left/Top of picture 0.
void LayOutDeal(GameState& s, PictureSurface& surface);
// "Reset Positions": the same deal from its first position.
void RestartDeal(GameState& s, PictureSurface& surface);

struct WindowSize {
    int width, height;
};
// The smallest outer window size the table allows now (twips).
WindowSize MinimumWindowSize(const GameState& s, const PictureSurface& surface);

} // namespace zarn
