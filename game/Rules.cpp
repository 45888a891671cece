#include "game/Rules.h"

#include "game/Cards.h"

namespace zarn {

namespace {

bool DescendsByOne(const GameState& s) {
    int n = s.MovingCards[0];
    for (int i = 2; i <= n; ++i)
        if (CardValue(s, s.MovingCards[i]) != CardValue(s, s.MovingCards[i - 1]) - 1) return false;
    return true;
}

// Column top T takes a card (or a run led by it): same suit and one rank higher, or an
// empty column and a king.
bool ColumnTakes(const GameState& s, int top, int card) {
    if (SuitOf(s, top) == 'X') return CardValue(s, card) == 13;
    return SuitOf(s, top) == SuitOf(s, card) && CardValue(s, top) == CardValue(s, card) + 1;
}

bool SingleCardFits(const GameState& s, int card, int pile, int top) {
    if (IsColumn(pile)) return ColumnTakes(s, top, card);
    if (IsCell(pile)) return SuitOf(s, top) == 'X';
    return FoundationTakes(s, top, card);
}

bool GroupFits(const GameState& s, int card, int pile, int top) {
    int n = s.MovingCards[0];
    if (IsCell(pile)) return s.Piles[pile].empty() && EmptyCellCount(s) >= n;
    if (IsFoundation(pile)) return false;
    return DescendsByOne(s) && ColumnTakes(s, top, card);
}

} // namespace

bool FoundationTakes(const GameState& s, int top, int card) {
    if (SuitOf(s, top) == 'X') return CardValue(s, card) == 1;
    return SuitOf(s, top) == SuitOf(s, card) && CardValue(s, top) == CardValue(s, card) - 1;
}

void TestMove(GameState& s, int card, int pile) {
    s.MoveStatus = No;
    if (card > 52 || card < 1) return;
    int top = TopCard(s, pile);
    bool legal =
        s.MovingCards[0] <= 1 ? SingleCardFits(s, card, pile, top) : GroupFits(s, card, pile, top);
    if (legal) s.MoveStatus = Yes;
}

void HoldSingle(GameState& s, int card) {
    s.MovingCards[0] = 1;
    s.MovingCards[1] = static_cast<i16>(card);
}

void PickUpCards(GameState& s, int card) {
    const std::string& pile = s.Piles[s.PileOf[card]];
    int n = 0;
    bool found = false;
    for (int i = 0; i < FieldCount(pile) && n < 52; ++i) {
        int c = FieldAt(pile, i);
        if (c == card) found = true;
        if (found) s.MovingCards[++n] = static_cast<i16>(c);
    }
    s.MovingCards[0] = static_cast<i16>(n);
    if (n == 1) return;

    int e = EmptyCellCount(s);
    bool accepted = false;
    if (n >= 1 && e >= n) {
        accepted = true;
    } else if (n >= 2 && DescendsByOne(s) && e >= n - 1) {
        for (int q = 1; q <= 8 && !accepted; ++q)
            accepted = ColumnTakes(s, TopCard(s, q), s.MovingCards[1]);
    }
    if (!accepted) s.MovingCards[0] = -1;
}

} // namespace zarn
