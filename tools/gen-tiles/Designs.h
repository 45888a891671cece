#pragma once
// The seventeen table backgrounds, in the order of the background names.

#include "Texture.h"

#include <array>

namespace zarn::tiles {

inline constexpr std::array<const char*, 17> TileNames = {
    "coral", "cryst",  "dunes", "foam", "green", "green2", "green4", "green6", "grey2",
    "hewn",  "lines2", "red2",  "sand", "sky",   "snails", "snow",   "violet"};

// Tile number 1..17.
Tile MakeTile(int number);

// The tile as a 24-bit Windows bitmap file.
std::vector<unsigned char> BmpFile(const Tile& tile);

} // namespace zarn::tiles
