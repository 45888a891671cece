#pragma once
// Small helpers for writing SVG text with numbers that come out the same on every run.

#include <string>

namespace zarn::art {

// A number with at most two decimals and no trailing zeros: 12.5, 532.15, 40.
std::string Num(double v);
// "translate(x y)" followed by an optional rotation of 180 degrees and a scale.
std::string Place(double x, double y, double scale, bool turned = false);
// <use> of a definition, with an optional transform.
std::string Use(const std::string& id, const std::string& transform = "");

} // namespace zarn::art
