// Jack, queen and king: a framed, double-headed bust, one half drawn and turned for the other.
// Coordinates of a half figure are relative to the card's centre; the upper half is y < 0.

#include "CardArt.h"
#include "SvgText.h"

namespace zarn::art {

namespace {

constexpr double FrameHalfWidth = 282, FrameHalfHeight = 542;
// The framed picture is drawn at this size about the card's centre, so that it keeps
// clear of the corner indices.
constexpr double CourtScale = 0.84;

const char* const Outline = "#2b2118";
const char* const Skin = "#f3d3ae";
const char* const Gold = "#e2b33c";
const char* const Red = "#b3202a";
const char* const Blue = "#2a4d9b";

std::string Shape(const std::string& d, const std::string& fill, double stroke = 4) {
    return "<path d=\"" + d + "\" fill=\"" + fill + "\" stroke=\"" + Outline +
           "\" stroke-width=\"" + Num(stroke) + "\" stroke-linejoin=\"round\"/>";
}

std::string Line(const std::string& d, const std::string& colour, double width) {
    return "<path d=\"" + d + "\" fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" +
           Num(width) + "\" stroke-linecap=\"round\"/>";
}

std::string Circle(double x, double y, double r, const std::string& fill, bool outlined = false) {
    std::string s = "<circle cx=\"" + Num(x) + "\" cy=\"" + Num(y) + "\" r=\"" + Num(r) +
                    "\" fill=\"" + fill + "\"";
    if (outlined) s += " stroke=\"" + std::string(Outline) + "\" stroke-width=\"3\"";
    return s + "/>";
}

// Shoulders in a robe, the tunic front and its trim.
std::string Robe(const std::string& robe, const std::string& tunic, const std::string& trim) {
    std::string s = Shape("M-272,0 L-272,-118 C-240,-168 -140,-196 -70,-202 L70,-202 C140,-196 "
                          "240,-168 272,-118 L272,0 Z",
                          robe, 5);
    s += Shape("M-60,-202 L60,-202 L90,0 L-90,0 Z", tunic, 4);
    s += Line("M-60,-196 L-88,-4 M60,-196 L88,-4", trim, 12);
    for (int i = 0; i < 4; ++i) {
        double y = -160 + 44 * i;
        s += Circle(0, y, 9, trim, true);
    }
    return s;
}

std::string Face() {
    std::string s = "<rect x=\"-26\" y=\"-240\" width=\"52\" height=\"46\" fill=\"" +
                    std::string(Skin) + "\" stroke=\"" + Outline + "\" stroke-width=\"4\"/>";
    s += "<ellipse cx=\"0\" cy=\"-300\" rx=\"66\" ry=\"80\" fill=\"" + std::string(Skin) +
         "\" stroke=\"" + Outline + "\" stroke-width=\"5\"/>";
    s += Circle(-24, -308, 7, "#2b1d12") + Circle(24, -308, 7, "#2b1d12");
    s += Line("M-38,-328 Q-24,-336 -10,-328 M10,-328 Q24,-336 38,-328", Outline, 5);
    s += Line("M0,-302 L-8,-274 L4,-272", "#8a5a3a", 4);
    s += Line("M-16,-252 Q0,-244 16,-252", "#9a2a2a", 5);
    return s;
}

std::string Emblem(double x, double y, double scale) {
    return Use("pip", Place(x, y, scale));
}

std::string KingHalf() {
    std::string s = Robe(Red, Blue, Gold);
    // Ermine trim along the shoulders.
    s += Line("M-262,-122 C-232,-164 -140,-188 -74,-194 M262,-122 C232,-164 140,-188 74,-194",
              "#f7f3ea", 22);
    for (double x : {-230.0, -180.0, -125.0, 125.0, 180.0, 230.0})
        s += Circle(x, x < 0 ? -150 - (x + 230) * 0.36 : -150 - (230 - x) * 0.36, 5, "#1a1a1a");
    s += Face();
    s += Shape("M-62,-290 C-60,-215 -30,-186 0,-182 C30,-186 60,-215 62,-290 C50,-252 30,-240 "
               "0,-240 C-30,-240 -50,-252 -62,-290 Z",
               "#eee8da", 4);
    s += Shape("M-32,-258 Q-15,-272 0,-263 Q15,-272 32,-258 Q15,-254 0,-256 Q-15,-254 -32,-258 Z",
               "#eee8da", 3);
    s += Shape("M-62,-371 L62,-371 L62,-397 L-62,-397 Z", Gold);
    s += Shape("M-62,-397 L-72,-462 L-36,-422 L0,-476 L36,-422 L72,-462 L62,-397 Z", Gold);
    s += Circle(-72, -462, 10, Gold, true) + Circle(0, -476, 10, Gold, true) +
         Circle(72, -462, 10, Gold, true);
    s += Circle(-34, -384, 8, Red, true) + Circle(0, -384, 8, Blue, true) +
         Circle(34, -384, 8, Red, true);
    // The sword.
    s += Shape("M194,-486 L214,-486 L214,-150 L194,-150 Z", "#d5dbe2", 4);
    s += Line("M204,-476 L204,-160", "#9aa4ae", 4);
    s += Shape("M164,-150 L244,-150 L244,-134 L164,-134 Z", Gold);
    s += Shape("M197,-134 L211,-134 L211,-92 L197,-92 Z", "#6b3f1d");
    s += Circle(204, -82, 12, Gold, true);
    s += Emblem(-196, -440, 0.95);
    return s;
}

std::string QueenHalf() {
    std::string s = Robe(Blue, Red, Gold);
    s += Shape("M-72,-318 C-96,-250 -100,-196 -118,-172 L118,-172 C100,-196 96,-250 72,-318 "
               "C62,-376 -62,-376 -72,-318 Z",
               "#8b4a1f", 4);
    s += Face();
    for (int i = -2; i <= 2; ++i) s += Circle(20 * i, -184 + 3.0 * i * i, 7, "#fffaf0", true);
    s += Shape("M-56,-370 L56,-370 L56,-388 L-56,-388 Z", Gold);
    s += Shape("M-56,-388 Q-42,-430 -28,-390 Q-14,-448 0,-392 Q14,-448 28,-390 Q42,-430 56,-388 Z",
               Gold);
    s += Circle(-36, -379, 6, "#fffaf0", true) + Circle(0, -379, 6, Red, true) +
         Circle(36, -379, 6, "#fffaf0", true);
    // The flower she holds.
    s += Line("M-196,-110 C-186,-190 -176,-250 -166,-316", "#3c7a3c", 9);
    s += Shape("M-184,-200 C-220,-214 -236,-236 -240,-262 C-212,-250 -194,-232 -184,-200 Z",
               "#4f9a4f", 3);
    for (int i = 0; i < 5; ++i) {
        static const double dx[] = {0, 21, 13, -13, -21}, dy[] = {-22, -7, 18, 18, -7};
        s += Circle(-166 + dx[i], -336 + dy[i], 17, "#e0607e", true);
    }
    s += Circle(-166, -336, 10, Gold, true);
    s += Emblem(196, -440, 0.95);
    return s;
}

std::string JackHalf() {
    std::string s = Robe(Gold, Red, Blue);
    // The halberd.
    s += Shape("M-204,-500 L-190,-500 L-190,-110 L-204,-110 Z", "#7a4b22", 3);
    s += Shape("M-190,-474 C-148,-474 -124,-444 -122,-404 C-144,-418 -168,-420 -190,-420 Z",
               "#d5dbe2", 4);
    s += Shape("M-204,-500 L-197,-534 L-190,-500 Z", "#d5dbe2", 3);
    s += Face();
    s += Shape("M-64,-328 C-84,-286 -80,-252 -66,-236 L-54,-292 Z", "#4a2c14", 3);
    s += Shape("M64,-328 C84,-286 80,-252 66,-236 L54,-292 Z", "#4a2c14", 3);
    // Cap with a feather.
    s += Shape("M42,-394 C92,-466 150,-500 206,-504 C166,-472 116,-430 64,-386 Z", "#f4f3ee", 4);
    s += Line("M56,-392 C100,-440 150,-478 196,-498", "#8c8c8c", 3);
    s += Shape("M-80,-348 C-84,-424 82,-436 86,-352 C40,-372 -40,-372 -80,-348 Z", Red, 5);
    s += Shape("M-74,-350 Q0,-384 76,-354 L74,-338 Q0,-368 -72,-334 Z", Gold, 3);
    s += Emblem(200, -274, 0.8);
    return s;
}

} // namespace

std::string CourtDefs(Suit) {
    std::string at = " transform=\"translate(" + Num(CentreX) + " " + Num(CentreY) + ")\">";
    return "<g id=\"jack\"" + at + JackHalf() + "</g><g id=\"queen\"" + at + QueenHalf() +
           "</g><g id=\"king\"" + at + KingHalf() + "</g>";
}

std::string CourtBody(Suit suit, int rank) {
    const char* id = rank == 11 ? "jack" : rank == 12 ? "queen" : "king";
    std::string x = Num(CentreX - FrameHalfWidth), y = Num(CentreY - FrameHalfHeight);
    std::string w = Num(2 * FrameHalfWidth), h = Num(2 * FrameHalfHeight);
    std::string s = "<g transform=\"translate(" + Num(CentreX) + " " + Num(CentreY) + ") scale(" +
                    Num(CourtScale) + ") translate(" + Num(-CentreX) + " " + Num(-CentreY) + ")\">";
    s += "<rect x=\"" + x + "\" y=\"" + y + "\" width=\"" + w + "\" height=\"" + h +
         "\" fill=\"#fdf6e3\"/>";
    s += Use(id) + Use(id, "rotate(180 " + Num(CentreX) + " " + Num(CentreY) + ")");
    s += Line("M" + x + "," + Num(CentreY) + " L" + Num(CentreX + FrameHalfWidth) + "," +
                  Num(CentreY),
              Outline, 6);
    s += "<rect x=\"" + x + "\" y=\"" + y + "\" width=\"" + w + "\" height=\"" + h +
         "\" fill=\"none\" stroke=\"" + StyleOf(suit).colour + "\" stroke-width=\"10\"/>";
    s += "<rect x=\"" + Num(CentreX - FrameHalfWidth + 14) + "\" y=\"" +
         Num(CentreY - FrameHalfHeight + 14) + "\" width=\"" + Num(2 * FrameHalfWidth - 28) +
         "\" height=\"" + Num(2 * FrameHalfHeight - 28) + "\" fill=\"none\" stroke=\"" + Gold +
         "\" stroke-width=\"5\"/>";
    return s + "</g>";
}

} // namespace zarn::art
