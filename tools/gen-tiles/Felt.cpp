// Felt-like tiles: a base colour with soft mottling and a fine fibre grain.

#include "Felt.h"

#include <cmath>

namespace zarn::tiles {

Tile Felt(Rgb base, double mottle, double grain, std::uint64_t seed) {
    const auto soft = Octaves(4, 3, seed);
    const auto fine = Octaves(64, 2, seed + 100);
    Random speck(seed + 200);
    Tile t;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const double m = (Fractal(soft, x, y) - 0.5) * mottle;
            const double g =
                (Fractal(fine, x, y) - 0.5) * grain + (speck.unit() - 0.5) * grain * 0.5;
            t.at(x, y) = Scale(base, 1.0 + m + g);
        }
    return t;
}

} // namespace zarn::tiles
