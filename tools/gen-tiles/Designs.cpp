#include "Designs.h"

#include "Felt.h"

#include <algorithm>
#include <cmath>

namespace zarn::tiles {

namespace {

constexpr double Pi = 3.14159265358979323846;

double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}
double Smooth(double a, double b, double v) {
    const double t = Clamp01((v - a) / (b - a));
    return t * t * (3 - 2 * t);
}

// Branching coral: ridged noise between two warm pinks, with faint pores.
Tile Coral() {
    const auto n = Octaves(4, 4, 11);
    const Cells pores(40, 12);
    Tile t;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const double ridge = 1 - std::abs(2 * Fractal(n, x, y) - 1);
            Rgb c = Mix(Hex(0xc8705a), Hex(0xeea58a), Smooth(0.55, 0.95, ridge));
            const double pore = 1 - Smooth(0, 2.5, pores.at(x, y).nearest);
            t.at(x, y) = Scale(c, 1 - 0.12 * pore);
        }
    return t;
}

// Crystal: pale facets, each lit from its own angle, with bright edges.
Tile Crystal() {
    const Cells facets(22, 21);
    Random tone(22);
    std::vector<double> light(22);
    for (double& l : light) l = tone.unit();
    Tile t;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const CellSample s = facets.at(x, y);
            // Each facet a little lighter towards its centre, as if it caught the light.
            const double shade = 0.3 + 0.45 * light[s.id] - 0.006 * s.nearest;
            Rgb c = Mix(Hex(0x9fb8cf), Hex(0xdbe8f2), Clamp01(shade));
            const double edge = 1 - Smooth(0, 1.6, s.second - s.nearest);
            t.at(x, y) = Mix(c, Hex(0xf4f9fc), 0.7 * edge);
        }
    return t;
}

// Dunes: long wind ripples across golden sand, gently bent.
Tile Dunes() {
    const auto bend = Octaves(2, 3, 31);
    const auto grain = Octaves(64, 1, 32);
    Tile t;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const double phase =
                2 * Pi * (3.0 * y / Size + 1.0 * x / Size) + 3.0 * Fractal(bend, x, y);
            const double ripple = 0.5 + 0.5 * std::sin(phase + 0.6 * std::sin(phase));
            Rgb c = Mix(Hex(0xc79a5b), Hex(0xe8c98f), ripple);
            t.at(x, y) = Scale(c, 0.97 + 0.06 * Fractal(grain, x, y));
        }
    return t;
}

// Sea foam: light bubbles with soft rims on pale sea green.
Tile Foam() {
    const Cells bubbles(34, 41);
    const auto n = Octaves(4, 3, 42);
    Tile t;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const CellSample s = bubbles.at(x, y);
            const double rim = Smooth(0.0, 3.0, s.second - s.nearest);
            Rgb c = Mix(Hex(0x8fc7bd), Hex(0xe4f4f0), 0.35 + 0.45 * rim);
            t.at(x, y) = Mix(c, Hex(0xf6fbfa), 0.3 * Fractal(n, x, y));
        }
    return t;
}

// Hewn stone: blocks in four courses, joints kept away from the tile's edge.
Tile Hewn() {
    const auto chisel = Octaves(16, 3, 101);
    const auto broad = Octaves(4, 2, 102);
    Random tint(103);
    double tone[4][2];
    for (auto& row : tone) row[0] = tint.unit(), row[1] = tint.unit();
    Tile t;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const int yy = (y + Size - 16) % Size; // courses start at y = 16
            const int course = yy / 32;
            const int xx = (x + Size - 20 - 32 * (course % 2)) % Size;
            const int block = xx / 64;
            const double dy = std::min(yy % 32, 31 - yy % 32), dx = std::min(xx % 64, 63 - xx % 64);
            const double joint = 1 - Smooth(0.5, 2.5, std::min(dx, dy));
            Rgb stone = Mix(Hex(0x8a8177), Hex(0xa89d90), tone[course][block]);
            stone = Scale(stone,
                          0.9 + 0.2 * Fractal(chisel, x, y) + 0.06 * (Fractal(broad, x, y) - 0.5));
            t.at(x, y) = Mix(stone, Hex(0x5a544d), 0.8 * joint);
        }
    return t;
}

// Lines: fine diagonal pinstripes on slate blue.
Tile Lines() {
    const auto n = Octaves(4, 2, 111);
    Tile t;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const double d = std::fmod(double(x + y), 8.0);
            const double line = 1 - Smooth(0.4, 1.4, std::min(d, 8.0 - d));
            Rgb c = Scale(Hex(0x5f7088), 0.96 + 0.08 * Fractal(n, x, y));
            t.at(x, y) = Mix(c, Hex(0x8496ad), 0.7 * line);
        }
    return t;
}

// Sand: fine light grains over a faint drift.
Tile Sand() {
    const auto drift = Octaves(4, 3, 131);
    Random grain(132);
    Tile t;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            Rgb c = Mix(Hex(0xd6bd8a), Hex(0xe9d6ab), Fractal(drift, x, y));
            const double g = grain.unit();
            if (g > 0.93)
                c = Mix(c, Hex(0x9c8458), 0.35);
            else if (g < 0.05)
                c = Mix(c, Hex(0xfbf3de), 0.5);
            t.at(x, y) = Scale(c, 0.97 + 0.06 * grain.unit());
        }
    return t;
}

// Sky: soft clouds drifting over a mid blue.
Tile Sky() {
    const auto clouds = Octaves(2, 5, 141);
    Tile t;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const double c = Smooth(0.45, 0.8, Fractal(clouds, x, y));
            t.at(x, y) = Mix(Hex(0x5f9bd6), Hex(0xe9f1f8), 0.85 * c);
        }
    return t;
}

// Snails: four small spiral shells on a pale leaf green, the second row shifted.
Tile Snails() {
    const auto n = Octaves(4, 2, 151);
    Tile t;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            Rgb c = Scale(Hex(0xb9c79a), 0.95 + 0.1 * Fractal(n, x, y));
            for (int k = 0; k < 4; ++k) {
                const double cx = 32 + 64 * (k % 2) + 32 * (k / 2), cy = 32 + 64 * (k / 2);
                const double dx = Wrapped(x + 0.5 - cx), dy = Wrapped(y + 0.5 - cy);
                const double r = std::sqrt(dx * dx + dy * dy);
                if (r > 21) continue;
                const double turn = std::atan2(dy, dx) / (2 * Pi) + 0.5;
                const double band = std::fmod(r / 6.0 - turn + 10.0, 1.0);
                const double stripe = Smooth(0.0, 0.18, band) * (1 - Smooth(0.72, 0.95, band));
                Rgb shell = Mix(Hex(0x7a5634), Hex(0xd9b98a), stripe);
                const double edge = Smooth(19.5, 21, r);
                c = Mix(shell, c, edge);
            }
            t.at(x, y) = c;
        }
    return t;
}

// Snow: white with blue-grey hollows and a few glints.
Tile Snow() {
    const auto drift = Octaves(4, 4, 161);
    Random glint(162);
    Tile t;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            Rgb c = Mix(Hex(0xc9d6e3), Hex(0xf7fafc), Smooth(0.3, 0.7, Fractal(drift, x, y)));
            if (glint.unit() > 0.985) c = Hex(0xffffff);
            t.at(x, y) = c;
        }
    return t;
}

Rgb Clamped(Rgb c) {
    return {std::clamp(c.r, 0.0, 255.0), std::clamp(c.g, 0.0, 255.0), std::clamp(c.b, 0.0, 255.0)};
}

} // namespace

Tile MakeTile(int number) {
    Tile t;
    switch (number) {
    case 1:
        t = Coral();
        break;
    case 2:
        t = Crystal();
        break;
    case 3:
        t = Dunes();
        break;
    case 4:
        t = Foam();
        break;
    case 5:
        t = Felt(Hex(0x1f6e37), 0.10, 0.08, 51);
        break;
    case 6:
        t = Felt(Hex(0x3a8c4a), 0.10, 0.07, 61);
        break;
    case 7:
        t = Felt(Hex(0x15502b), 0.12, 0.09, 71);
        break;
    case 8:
        t = Felt(Hex(0x1f6b5c), 0.10, 0.08, 81);
        break;
    case 9:
        t = Felt(Hex(0x8a8d90), 0.08, 0.06, 91);
        break;
    case 10:
        t = Hewn();
        break;
    case 11:
        t = Lines();
        break;
    case 12:
        t = Felt(Hex(0x7e1f26), 0.10, 0.08, 121);
        break;
    case 13:
        t = Sand();
        break;
    case 14:
        t = Sky();
        break;
    case 15:
        t = Snails();
        break;
    case 16:
        t = Snow();
        break;
    case 17:
        t = Felt(Hex(0x5d3f80), 0.10, 0.08, 171);
        break;
    }
    for (Rgb& c : t.px) c = Clamped(c);
    return t;
}

std::vector<unsigned char> BmpFile(const Tile& tile) {
    const int rowBytes = Size * 3; // already a multiple of four
    const int pixelBytes = rowBytes * Size;
    std::vector<unsigned char> f(54 + pixelBytes, 0);
    const auto put = [&f](int at, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) f[at + i] = (v >> (8 * i)) & 255;
    };
    f[0] = 'B', f[1] = 'M';
    put(2, f.size(), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, Size, 4);
    put(22, Size, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, pixelBytes, 4);
    put(38, 3780, 4); // 96 dots per inch
    put(42, 3780, 4);
    for (int y = 0; y < Size; ++y) // bottom row first
        for (int x = 0; x < Size; ++x) {
            const Rgb& c = tile.at(x, Size - 1 - y);
            unsigned char* p = &f[54 + y * rowBytes + x * 3];
            p[0] = (unsigned char)std::lround(c.b);
            p[1] = (unsigned char)std::lround(c.g);
            p[2] = (unsigned char)std::lround(c.r);
        }
    return f;
}

} // namespace zarn::tiles
