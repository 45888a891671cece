#pragma once
// Card records, pile strings and their 4-character fields.

#include "game/GameState.h"

#include <optional>
#include <string>
#include <string_view>

namespace zarn {

// n right-aligned in three places followed by ",": 7 -> "  7,", 52 -> " 52,".
std::string FormatField(int n);
// Length of the decimal number (sign, digits, fraction, exponent) a text starts with;
// 0 when it starts with none.
size_t DecimalLength(std::string_view text);
// The value of the decimal number a text starts with, read the same way whatever the
// process's locale ("." is the decimal point); none when it starts with none. A number too
// large for a double gives plus or minus infinity, one too small zero.
std::optional<double> LeadingDecimal(std::string_view text);
// The value of the decimal number a text starts with after leading blanks; 0 if none.
double NumericValue(std::string_view text);
// NumericValue rounded half to even, as a 16-bit number.
i16 NumericI16(std::string_view text);
// N(x): nearest integer, ties to the even one.
i16 RoundEven(double x);

// Builds CardRec: "  1,C" .. " 13,S" for the cards and " 53,X" .. " 72,X" for the markers.
void BuildCardRecords(GameState& s);
// Rank 1..13 of a card, or the number of a marker.
i16 CardValue(const GameState& s, int card);
// Suit letter of a card ("C", "D", "H", "S"), 'X' for a marker.
char SuitOf(const GameState& s, int card);
// The top card of a pile, or its marker when it is empty.
i16 TopCard(const GameState& s, int pile);

int FieldCount(const std::string& pile);
// Card number of field i (0-based) of a pile string.
i16 FieldAt(const std::string& pile, int i);
// Appends card to pile and records the pile in PileOf.
void AppendCard(GameState& s, int pile, int card);
// Removes the top n cards of a pile string.
void RemoveTopFields(std::string& pile, int n);

// Empties the move history and sets MoveCount to 0.
void ClearHistory(GameState& s);
// Number of empty free cells.
int EmptyCellCount(const GameState& s);

} // namespace zarn
