#pragma once
#include "Texture.h"

namespace zarn::tiles {

// base scaled by 1 + soft mottling (amplitude `mottle`) + fine grain (amplitude `grain`).
Tile Felt(Rgb base, double mottle, double grain, std::uint64_t seed);

} // namespace zarn::tiles
