#pragma once
// Building blocks for seamless 128 x 128 textures: every function here repeats with a
// period that divides 128 in both directions, so a tile meets its copies without a seam.

#include <array>
#include <cstdint>
#include <vector>

namespace zarn::tiles {

inline constexpr int Size = 128;

struct Rgb {
    double r, g, b;
};
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Scale(Rgb c, double f);
Rgb Hex(std::uint32_t rgb);

// A 128 x 128 picture, row 0 at the top.
struct Tile {
    std::vector<Rgb> px = std::vector<Rgb>(Size * Size);
    Rgb& at(int x, int y) { return px[y * Size + x]; }
    const Rgb& at(int x, int y) const { return px[y * Size + x]; }
};

// A small generator that gives the same numbers everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double unit(); // [0, 1)

private:
    std::uint64_t state_;
};

// Value noise on a lattice of `cells` x `cells` (cells divides 128), wrapping around,
// smoothly interpolated; values in [0, 1].
class Noise {
public:
    Noise(int cells, std::uint64_t seed);
    double at(double x, double y) const;

private:
    int cells_;
    std::vector<double> lattice_;
};

// Sum of octaves of noise, coarsest lattice `cells`, each octave twice as fine and half as
// strong; values in [0, 1].
double Fractal(const std::vector<Noise>& octaves, double x, double y);
std::vector<Noise> Octaves(int cells, int count, std::uint64_t seed);

// Cellular pattern with `count` feature points scattered over the wrapping square.
struct CellSample {
    double nearest, second; // distances to the nearest and second-nearest point, pixels
    int id;                 // which point is nearest
};
class Cells {
public:
    Cells(int count, std::uint64_t seed);
    CellSample at(double x, double y) const;

private:
    std::vector<std::array<double, 2>> points_;
};

// Shortest difference between two coordinates on the 128-pixel circle.
double Wrapped(double d);

} // namespace zarn::tiles
