#pragma once
// What must hold of the piles in every position of a game: every card 1..52 in exactly
// one pile string, the one PileOf names; well-formed strings; a cell holds one card at
// the most; a foundation runs ace upwards in one suit and its counter agrees; each
// marker belongs to its pile. Written from the rules, apart from the engine's code.

#include "game/Cards.h"
#include "game/GameState.h"

#include <array>
#include <string>

namespace zarn::test {

// The first thing that does not hold, or "" when all does.
inline std::string PilesProblem(const GameState& s) {
    const auto str = [](int n) { return std::to_string(n); };
    std::array<int, 53> seen{};
    if (!s.Piles[0].empty()) return "pile 0 holds cards";
    for (int p = 1; p <= 20; ++p) {
        const std::string& pile = s.Piles[p];
        if (pile.size() % 4 != 0) return "pile " + str(p) + " is \"" + pile + "\"";
        const int n = FieldCount(pile);
        for (int i = 0; i < n; ++i) {
            const int c = FieldAt(pile, i);
            if (c < 1 || c > 52) return "pile " + str(p) + " has a bad field: \"" + pile + "\"";
            ++seen[c];
            if (s.PileOf[c] != p)
                return "card " + str(c) + " lies on pile " + str(p) + ", PileOf says " +
                       str(s.PileOf[c]);
            const int first = FieldAt(pile, 0);
            if (IsFoundation(p) && ((c - 1) / 13 != (first - 1) / 13 || (c - 1) % 13 != i))
                return "foundation " + str(p) + " is \"" + pile + "\"";
        }
        if (IsCell(p) && n > 1) return "cell " + str(p) + " is \"" + pile + "\"";
        if (IsFoundation(p) && s.PileCount[p] != n)
            return "PileCount(" + str(p) + ") is " + str(s.PileCount[p]) + " for " + str(n) +
                   " cards";
        if (s.PileOf[MarkerOf(p)] != p) return "PileOf of marker " + str(MarkerOf(p));
    }
    for (int c = 1; c <= 52; ++c)
        if (seen[c] != 1) return "card " + str(c) + " stands in " + str(seen[c]) + " piles";
    return {};
}

} // namespace zarn::test
