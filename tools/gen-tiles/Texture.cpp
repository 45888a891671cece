#include "Texture.h"

#include <algorithm>
#include <cmath>

namespace zarn::tiles {

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Scale(Rgb c, double f) {
    return {c.r * f, c.g * f, c.b * f};
}
Rgb Hex(std::uint32_t rgb) {
    return {double((rgb >> 16) & 255), double((rgb >> 8) & 255), double(rgb & 255)};
}

std::uint64_t Random::next() {
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
double Random::unit() {
    return double(next() >> 11) / double(1ull << 53);
}

Noise::Noise(int cells, std::uint64_t seed) : cells_(cells), lattice_(cells * cells) {
    Random random(seed);
    for (double& v : lattice_) v = random.unit();
}

double Noise::at(double x, double y) const {
    const double fx = x * cells_ / Size, fy = y * cells_ / Size;
    const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
    const double tx = fx - x0, ty = fy - y0;
    const auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const auto v = [this](int i, int j) {
        i = ((i % cells_) + cells_) % cells_;
        j = ((j % cells_) + cells_) % cells_;
        return lattice_[j * cells_ + i];
    };
    const double sx = smooth(tx), sy = smooth(ty);
    const double top = v(x0, y0) + (v(x0 + 1, y0) - v(x0, y0)) * sx;
    const double bottom = v(x0, y0 + 1) + (v(x0 + 1, y0 + 1) - v(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

std::vector<Noise> Octaves(int cells, int count, std::uint64_t seed) {
    std::vector<Noise> octaves;
    for (int i = 0; i < count; ++i) octaves.emplace_back(std::min(cells << i, Size), seed + i);
    return octaves;
}

double Fractal(const std::vector<Noise>& octaves, double x, double y) {
    double sum = 0, weight = 1, total = 0;
    for (const Noise& n : octaves) {
        sum += n.at(x, y) * weight;
        total += weight;
        weight *= 0.5;
    }
    return sum / total;
}

double Wrapped(double d) {
    d = std::fmod(d, double(Size));
    if (d > Size / 2.0) d -= Size;
    if (d < -Size / 2.0) d += Size;
    return d;
}

Cells::Cells(int count, std::uint64_t seed) {
    Random random(seed);
    for (int i = 0; i < count; ++i) points_.push_back({random.unit() * Size, random.unit() * Size});
}

CellSample Cells::at(double x, double y) const {
    CellSample s{1e9, 1e9, 0};
    for (int i = 0; i < int(points_.size()); ++i) {
        const double dx = Wrapped(points_[i][0] - x), dy = Wrapped(points_[i][1] - y);
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < s.nearest) {
            s.second = s.nearest;
            s.nearest = d;
            s.id = i;
        } else if (d < s.second) {
            s.second = d;
        }
    }
    return s;
}

} // namespace zarn::tiles
