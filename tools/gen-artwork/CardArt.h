#pragma once
// The card artwork: four suit strips of thirteen faces (ace to king) and the strip whose
// leftmost card holds the empty-pile marker. Each strip covers 13836 x 1464 units, one
// unit per twip at card scale 1, so a card cell is 13836 / 13 units wide.

#include <string>

namespace zarn::art {

inline constexpr double StripWidth = 13836.0;
inline constexpr double StripHeight = 1464.0;
inline constexpr double CellWidth = StripWidth / 13.0;
inline constexpr double CentreX = CellWidth / 2.0;
inline constexpr double CentreY = StripHeight / 2.0;

enum class Suit { Clubs, Diamonds, Hearts, Spades };

struct SuitStyle {
    const char* pipId;  // id of the suit symbol in <defs>
    const char* colour; // ink of pips and indices
};
SuitStyle StyleOf(Suit suit);

// <defs> content shared by every suit strip: the blank face and the rank glyphs.
std::string FaceDefs(Suit suit);
// The suit symbol, filled, in a box of -50..50 around the origin.
std::string PipDef(Suit suit);
// The body of one card (rank 1..13) in card coordinates, without the blank face.
std::string PipBody(Suit suit, int rank);
// Definitions used by the courts of a suit (one half figure per rank).
std::string CourtDefs(Suit suit);
// Jack, queen or king (rank 11..13): the framed double-headed picture.
std::string CourtBody(Suit suit, int rank);

// The complete SVG files.
std::string SuitStripSvg(Suit suit);
std::string MarkerStripSvg();

} // namespace zarn::art
