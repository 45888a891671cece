// The blank face, the rank glyphs, the suit symbols and the pip cards.

#include "CardArt.h"
#include "SvgText.h"

#include <array>
#include <utility>
#include <vector>

namespace zarn::art {

namespace {

// Rank glyphs drawn as strokes in a box 10 units high (no fonts, so every machine
// renders them alike). Width is the glyph's box width.
struct Glyph {
    double width;
    const char* path;
};
constexpr std::array<Glyph, 13> Glyphs = {{
    {6.4, "M0,10 L3.2,0 L6.4,10 M1.3,6.6 L5.1,6.6"},
    {5.8, "M0.4,2.6 C0.4,1 1.5,0 2.9,0 C4.4,0 5.5,1 5.5,2.6 C5.5,4.6 3.5,6.2 0.2,10 L5.8,10"},
    {5.8, "M0.5,1.2 C1.1,0.4 2,0 3,0 C4.5,0 5.4,1 5.4,2.4 C5.4,3.9 4.3,4.8 2.5,4.8 C4.6,4.8 "
          "5.8,5.9 5.8,7.4 C5.8,9 4.6,10 2.9,10 C1.8,10 0.8,9.6 0.1,8.8"},
    {6.2, "M4.6,10 L4.6,0 L0,7 L6.2,7"},
    {5.8, "M5.4,0 L1.1,0 L0.6,4.5 C1.3,4 2.1,3.7 3,3.7 C4.7,3.7 5.8,4.9 5.8,6.8 C5.8,8.8 4.5,10 "
          "2.8,10 C1.7,10 0.8,9.6 0.1,8.8"},
    {5.8, "M5.2,1 C4.7,0.4 4,0 3.1,0 C1.2,0 0.2,2.2 0.2,5.6 C0.2,8.6 1.3,10 3,10 C4.7,10 5.8,8.7 "
          "5.8,7 C5.8,5.2 4.7,4 3,4 C1.5,4 0.4,5.1 0.2,6.6"},
    {5.8, "M0,0 L5.8,0 C3.9,2.8 2.7,6 2.4,10"},
    {6.0, "M3,0 A2.35,2.5 0 1,0 3,5 A2.35,2.5 0 1,0 3,0 Z M3,5 A2.8,2.5 0 1,0 3,10 A2.8,2.5 0 1,0 "
          "3,5 Z"},
    {5.8, "M0.6,9 C1.1,9.6 1.8,10 2.7,10 C4.6,10 5.6,7.8 5.6,4.4 C5.6,1.4 4.5,0 2.8,0 C1.1,0 0,1.3 "
          "0,3 C0,4.8 1.1,6 2.8,6 C4.3,6 5.4,4.9 5.6,3.4"},
    // The ten keeps a full-width nought and a clear gap after the one.
    {8.8, "M0,1.5 L1.4,0 L1.4,10 M6.6,0 A2.2,5 0 1,0 6.6,10 A2.2,5 0 1,0 6.6,0 Z"},
    {5.0, "M1.4,0 L5,0 M3.9,0 L3.9,7.2 C3.9,9 3,10 1.9,10 C0.9,10 0.2,9.3 0,8.3"},
    {6.4, "M3.2,0 A3.1,5 0 1,0 3.2,10 A3.1,5 0 1,0 3.2,0 Z M3.6,7.2 L6.4,10.3"},
    {6.2, "M0.4,0 L0.4,10 M5.9,0 L0.4,6.2 M2.3,4.1 L6.1,10"},
}};

constexpr double WidestGlyph() {
    double widest = 0;
    for (const Glyph& g : Glyphs) widest = g.width > widest ? g.width : widest;
    return widest;
}

// The corner index: the rank and the suit symbol side by side, so that both show in
// the strip a column leaves of a covered card (a fifth of the card's height at the
// default size). Each rank is centred in a column as wide as the widest rank; the
// symbol stands after it, centred on the rank's height.
constexpr double IndexLeft = 74, IndexTop = 60, GlyphScale = 20;
constexpr double RankColumn = WidestGlyph() * GlyphScale;
constexpr double IndexPipScale = 1.75, IndexGap = 40;
constexpr double IndexPipX = IndexLeft + RankColumn + IndexGap + 50 * IndexPipScale;
constexpr double IndexPipY = IndexTop + 5 * GlyphScale;

// Pip columns and rows of the classic layouts; the rows begin below the index.
constexpr double PipScale = 1.4;
constexpr double Left = CentreX - 170, Right = CentreX + 170;
constexpr double Top = 400, Bottom = StripHeight - 400;
constexpr double Row2 = Top + (Bottom - Top) / 3, Row3 = Top + 2 * (Bottom - Top) / 3;

using Spots = std::vector<std::pair<double, double>>;

Spots Layout(int rank) {
    const double c = CentreX, m = CentreY;
    const double upper = (Top + m) / 2, lower = (m + Bottom) / 2;
    Spots six = {{Left, Top}, {Right, Top}, {Left, m}, {Right, m}, {Left, Bottom}, {Right, Bottom}};
    Spots eight = {{Left, Top},  {Right, Top},  {Left, Row2},   {Right, Row2},
                   {Left, Row3}, {Right, Row3}, {Left, Bottom}, {Right, Bottom}};
    switch (rank) {
    case 2:
        return {{c, Top}, {c, Bottom}};
    case 3:
        return {{c, Top}, {c, m}, {c, Bottom}};
    case 4:
        return {{Left, Top}, {Right, Top}, {Left, Bottom}, {Right, Bottom}};
    case 5:
        return {{Left, Top}, {Right, Top}, {c, m}, {Left, Bottom}, {Right, Bottom}};
    case 6:
        return six;
    case 7:
        six.push_back({c, upper});
        return six;
    case 8:
        six.push_back({c, upper}), six.push_back({c, lower});
        return six;
    case 9:
        eight.push_back({c, m});
        return eight;
    case 10:
        eight.push_back({c, (Top + Row2) / 2}), eight.push_back({c, (Row3 + Bottom) / 2});
        return eight;
    default:
        return {};
    }
}

std::string AceBody(Suit suit) {
    std::string s;
    if (suit == Suit::Spades) {
        // The ace of spades gets its traditional flourish: a ring of two thin lines.
        s += "<g fill=\"none\" stroke=\"#1a1a1a\"><ellipse cx=\"" + Num(CentreX) + "\" cy=\"" +
             Num(CentreY) + "\" rx=\"300\" ry=\"330\" stroke-width=\"10\"/><ellipse cx=\"" +
             Num(CentreX) + "\" cy=\"" + Num(CentreY) +
             "\" rx=\"276\" ry=\"306\" stroke-width=\"4\"/></g>";
        s += Use("pip", Place(CentreX, CentreY, 4.4));
        return s;
    }
    return Use("pip", Place(CentreX, CentreY, 3.6));
}

} // namespace

SuitStyle StyleOf(Suit suit) {
    switch (suit) {
    case Suit::Clubs:
        return {"club", "#1a1a1a"};
    case Suit::Diamonds:
        return {"diamond", "#c8102e"};
    case Suit::Hearts:
        return {"heart", "#c8102e"};
    case Suit::Spades:
        return {"spade", "#1a1a1a"};
    }
    return {"club", "#1a1a1a"};
}

std::string PipDef(Suit suit) {
    std::string fill = StyleOf(suit).colour;
    switch (suit) {
    case Suit::Clubs:
        return "<g id=\"pip\" fill=\"" + fill +
               "\"><circle cx=\"0\" cy=\"-25\" r=\"22\"/><circle cx=\"-25\" cy=\"12\" "
               "r=\"22\"/><circle cx=\"25\" cy=\"12\" r=\"22\"/><path d=\"M-9,-6 L9,-6 L9,16 "
               "L-9,16 Z M-5,10 C-6,32 -12,44 -24,50 L24,50 C12,44 6,32 5,10 Z\"/></g>";
    case Suit::Diamonds:
        return "<path id=\"pip\" fill=\"" + fill +
               "\" d=\"M0,-50 C12,-30 24,-15 38,0 C24,15 12,30 0,50 C-12,30 -24,15 -38,0 "
               "C-24,-15 -12,-30 0,-50 Z\"/>";
    case Suit::Hearts:
        return "<path id=\"pip\" fill=\"" + fill +
               "\" d=\"M0,-26 C-6,-46 -48,-48 -48,-14 C-48,10 -20,28 0,50 C20,28 48,10 48,-14 "
               "C48,-48 6,-46 0,-26 Z\"/>";
    case Suit::Spades:
        return "<path id=\"pip\" fill=\"" + fill +
               "\" d=\"M0,-50 C-14,-28 -48,-12 -48,14 C-48,34 -26,42 -6,28 C-8,38 -14,46 -24,50 "
               "L24,50 C14,46 8,38 6,28 C26,42 48,34 48,14 C48,-12 14,-28 0,-50 Z\"/>";
    }
    return {};
}

std::string FaceDefs(Suit suit) {
    std::string colour = StyleOf(suit).colour;
    std::string s = "<rect id=\"face\" x=\"30\" y=\"30\" width=\"" + Num(CellWidth - 60) +
                    "\" height=\"" + Num(StripHeight - 60) +
                    "\" rx=\"72\" ry=\"72\" fill=\"#ffffff\" stroke=\"#4a4a4a\" "
                    "stroke-width=\"16\"/>";
    s += PipDef(suit);
    // A <use> inherits from its own place, not from the parent of what it refers to, so
    // every glyph carries its own stroke.
    std::string ink =
        "\" fill=\"none\" stroke=\"" + colour +
        "\" stroke-width=\"1.6\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>";
    for (int r = 1; r <= 13; ++r)
        s += "<path id=\"g" + std::to_string(r) + "\" d=\"" + Glyphs[r - 1].path + ink;
    for (int r = 1; r <= 13; ++r) {
        double x = IndexLeft + (RankColumn - Glyphs[r - 1].width * GlyphScale) / 2;
        s += "<g id=\"ix" + std::to_string(r) + "\">" +
             Use("g" + std::to_string(r), Place(x, IndexTop, GlyphScale)) +
             Use("pip", Place(IndexPipX, IndexPipY, IndexPipScale)) + "</g>";
    }
    return s;
}

std::string PipBody(Suit suit, int rank) {
    if (rank == 1) return AceBody(suit);
    std::string s;
    for (auto [x, y] : Layout(rank)) s += Use("pip", Place(x, y, PipScale, y > CentreY + 1));
    return s;
}

std::string SuitStripSvg(Suit suit) {
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                    "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\" width=\"13836\" "
                    "height=\"1464\" viewBox=\"0 0 13836 1464\">\n<defs>";
    s += FaceDefs(suit) + CourtDefs(suit) + "</defs>\n";
    std::string turn = "rotate(180 " + Num(CentreX) + " " + Num(CentreY) + ")";
    for (int rank = 1; rank <= 13; ++rank) {
        std::string ix = "ix" + std::to_string(rank);
        s += "<g transform=\"translate(" + Num((rank - 1) * CellWidth) + " 0)\">" + Use("face");
        s += rank <= 10 ? PipBody(suit, rank) : CourtBody(suit, rank);
        s += Use(ix) + Use(ix, turn) + "</g>\n";
    }
    return s + "</svg>\n";
}

std::string MarkerStripSvg() {
    // A quiet place for a card: a grey veil that calms any pattern beneath it, inside a
    // dark and a light outline, so that it reads on the light plain table, on white snow
    // and on dark felt alike.
    std::string w = Num(CellWidth - 60), h = Num(StripHeight - 60);
    std::string iw = Num(CellWidth - 116), ih = Num(StripHeight - 116);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"13836\" "
           "height=\"1464\" viewBox=\"0 0 13836 1464\">\n"
           "<rect x=\"30\" y=\"30\" width=\"" +
           w + "\" height=\"" + h +
           "\" rx=\"72\" ry=\"72\" fill=\"#808080\" fill-opacity=\"0.5\" stroke=\"#202020\" "
           "stroke-opacity=\"0.85\" stroke-width=\"22\"/>\n"
           "<rect x=\"58\" y=\"58\" width=\"" +
           iw + "\" height=\"" + ih +
           "\" rx=\"50\" ry=\"50\" fill=\"none\" stroke=\"#ffffff\" stroke-opacity=\"0.85\" "
           "stroke-width=\"14\"/>\n"
           "</svg>\n";
}

} // namespace zarn::art
