#pragma once
// The card size that follows from the card scale: the artwork strips are
// 13836 x 1464 twips at scale 1, thirteen card cells wide.

#include "game/GameState.h"

namespace zarn {

inline constexpr float StripBaseWidth = 13836.0f;
inline constexpr float StripBaseHeight = 1464.0f;
inline constexpr float MinScale = 0.4f;
inline constexpr float MaxScale = 2.0f;
inline constexpr float DefaultScale = 0.92f;

struct StripSize {
    float width, height;
};
StripSize StripSizeFor(float scale);

// Sets SizeScale, CardWidth, CardHeight and FanStep for a scale. At start-up the fan
// step is a fifth of the card height, after a size change a 4.75th.
enum class SizeOccasion { StartUp, SizeChange };
void ApplyCardScale(GameState& s, float scale, SizeOccasion occasion);

// The table origin (the template picture's Left and Top), fixed at start-up.
struct TableOrigin {
    float x, y;
};
TableOrigin OriginFor(const GameState& s);

// One step of the card-size commands, clamped to 0.4 .. 2.0.
float IncreasedScale(float scale);
float DecreasedScale(float scale);

} // namespace zarn
