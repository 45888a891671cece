#include "game/Cards.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zarn {

std::string FormatField(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d,", n);
    return buf;
}

double NumericValue(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    // Copy the longest prefix that can be a decimal number, so strtod never reads
    // past the view nor accepts hex, infinities or NaN.
    std::string number;
    size_t j = i;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) number += text[j++];
    bool digits = false;
    while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
        number += text[j++];
        digits = true;
    }
    if (j < text.size() && text[j] == '.') {
        number += text[j++];
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
            number += text[j++];
            digits = true;
        }
    }
    if (!digits) return 0;
    if (j < text.size() && (text[j] == 'e' || text[j] == 'E')) {
        size_t k = j + 1;
        std::string exponent = "e";
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) exponent += text[k++];
        bool expDigits = false;
        while (k < text.size() && std::isdigit(static_cast<unsigned char>(text[k]))) {
            exponent += text[k++];
            expDigits = true;
        }
        if (expDigits) number += exponent;
    }
    double v = std::strtod(number.c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

i16 RoundEven(double x) {
    double r = std::nearbyint(x);
    if (r > 32767) return 32767;
    if (r < -32768) return -32768;
    return static_cast<i16>(r);
}

i16 NumericI16(std::string_view text) { return RoundEven(NumericValue(text)); }

void BuildCardRecords(GameState& s) {
    int k = 0;
    for (char suit : {'C', 'D', 'H', 'S'})
        for (int r = 1; r <= 13; ++r) s.CardRec[++k] = FormatField(r) + suit;
    for (int m = MarkerFirst; m <= MarkerLast; ++m) s.CardRec[m] = FormatField(m) + 'X';
}

i16 CardValue(const GameState& s, int card) {
    return NumericI16(std::string_view(s.CardRec[card]).substr(0, 3));
}

char SuitOf(const GameState& s, int card) {
    const std::string& rec = s.CardRec[card];
    return rec.empty() ? 'X' : rec.back();
}

i16 TopCard(const GameState& s, int pile) {
    const std::string& p = s.Piles[pile];
    if (p.empty()) return static_cast<i16>(MarkerOf(pile));
    return NumericI16(std::string_view(p).substr(p.size() - 4, 3));
}

int FieldCount(const std::string& pile) { return static_cast<int>(pile.size() / 4); }

i16 FieldAt(const std::string& pile, int i) {
    return NumericI16(std::string_view(pile).substr(4 * i, 3));
}

void AppendCard(GameState& s, int pile, int card) {
    s.Piles[pile] += FormatField(card);
    s.PileOf[card] = static_cast<i16>(pile);
}

void RemoveTopFields(std::string& pile, int n) {
    int keep = FieldCount(pile) - n;
    pile.resize(keep > 0 ? 4 * keep : 0);
}

void ClearHistory(GameState& s) {
    s.MovesList.clear();
    s.EntryStopovers.clear();
    s.MoveCount = 0;
}

int EmptyCellCount(const GameState& s) {
    int e = 0;
    for (int p = 9; p <= 16; ++p)
        if (s.Piles[p].empty()) ++e;
    return e;
}

} // namespace zarn
