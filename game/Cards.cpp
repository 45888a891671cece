#include "game/Cards.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace zarn {

std::string FormatField(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d,", n);
    return buf;
}

namespace {
bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
} // namespace

size_t DecimalLength(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    while (i < text.size() && IsDigit(text[i])) ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, digits = true;
    }
    if (!digits) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t k = i + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
        if (k < text.size() && IsDigit(text[k])) {
            while (k < text.size() && IsDigit(text[k])) ++k;
            i = k;
        }
    }
    return i;
}

namespace {
// Whether a decimal number (no sign) too far from 1 for a double lies above 1: the place
// of its first significant digit plus its written exponent is positive.
bool AboveOne(std::string_view number) {
    const size_t e = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, e);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return false;
    const long long place = first < point ? static_cast<long long>(point - first)
                                          : -static_cast<long long>(first - point - 1);
    long long exponent = 0;
    if (e < number.size()) {
        std::string_view written = number.substr(e + 1);
        const bool negative = written.front() == '-';
        if (written.front() == '+' || negative) written.remove_prefix(1);
        constexpr long long Far = std::numeric_limits<long long>::max() / 4;
        if (std::from_chars(written.data(), written.data() + written.size(), exponent).ec !=
                std::errc() ||
            exponent > Far)
            exponent = Far;
        if (negative) exponent = -exponent;
    }
    return place + exponent > 0;
}
} // namespace

std::optional<double> LeadingDecimal(std::string_view text) {
    std::string_view number = text.substr(0, DecimalLength(text));
    if (number.empty()) return std::nullopt;
    const bool negative = number.front() == '-';
    if (number.front() == '+' || negative) number.remove_prefix(1);
    double value = 0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec == std::errc::result_out_of_range)
        value = AboveOne(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

double NumericValue(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return LeadingDecimal(text).value_or(0);
}

i16 RoundEven(double x) {
    double r = std::nearbyint(x);
    if (r > 32767) return 32767;
    if (r < -32768) return -32768;
    return static_cast<i16>(r);
}

i16 NumericI16(std::string_view text) {
    return RoundEven(NumericValue(text));
}

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

int FieldCount(const std::string& pile) {
    return static_cast<int>(pile.size() / 4);
}

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
