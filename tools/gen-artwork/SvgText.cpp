#include "SvgText.h"

#include <cmath>
#include <cstdio>

namespace zarn::art {

std::string Num(double v) {
    double r = std::round(v * 100.0) / 100.0;
    if (r == 0) r = 0; // no "-0"
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", r);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

std::string Place(double x, double y, double scale, bool turned) {
    std::string t = "translate(" + Num(x) + " " + Num(y) + ")";
    if (turned) t += " rotate(180)";
    if (scale != 1.0) t += " scale(" + Num(scale) + ")";
    return t;
}

std::string Use(const std::string& id, const std::string& transform) {
    std::string s = "<use xlink:href=\"#" + id + "\"";
    if (!transform.empty()) s += " transform=\"" + transform + "\"";
    return s + "/>";
}

} // namespace zarn::art
