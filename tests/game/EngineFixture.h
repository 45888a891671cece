#pragma once
// A game on an in-memory table, with a host that records what the engine asks.

#include "game/Cards.h"
#include "game/Game.h"
#include "game/InMemorySurface.h"
#include "game/Rules.h"
#include "table/CardMetrics.h"
#include "table/Layout.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <numeric>
#include <string>
#include <vector>

namespace zarn::test {

class RecordingHost : public GameHost {
public:
    std::function<void()> onProcessEvents;
    std::vector<bool> gameOvers; // true = won
    bool answer = true;          // the answer to "another game ?"
    std::vector<bool> sizeCommandCalls;
    std::vector<std::array<int, 3>> glides; // card, target, steps
    int processEventsCalls = 0;
    PictureSurface* surface = nullptr;
    GameState* state = nullptr;

    void processEvents() override {
        ++processEventsCalls;
        if (onProcessEvents) onProcessEvents();
    }
    bool showGameOver(bool won) override {
        gameOvers.push_back(won);
        return answer;
    }
    void setSizeCommandsEnabled(bool enabled) override { sizeCommandCalls.push_back(enabled); }
    void layOutDeal() override { LayOutDeal(*state, *surface); }
    void glideStarted(int card, int target, int steps) override {
        glides.push_back({card, target, steps});
    }
};

struct EngineTable {
    InMemorySurface surface;
    RecordingHost host;
    Game game;
    GameState& s;

    explicit EngineTable(std::uint64_t seed = 1, float scale = 0.92f)
        : game(surface, host, RandomSource(seed)), s(game.state()) {
        host.surface = &surface;
        host.state = &s;
        ApplyCardScale(s, scale, SizeOccasion::StartUp);
        TableOrigin origin = OriginFor(s);
        surface.move(0, origin.x, origin.y);
        s.Speed = 1; // glides jump unless a test asks for steps
    }

    // Deals the cards in this order (positions 1..52).
    void Deal(const std::array<i16, 52>& order) {
        SetDealOrder(s, order);
        LayOutDeal(s, surface);
    }
    // Deals 1..52 in order: cells 9..12 get the clubs A..4, column 1 gets 5..10 and so on.
    void DealInOrder() {
        std::array<i16, 52> order{};
        std::iota(order.begin(), order.end(), i16(1));
        Deal(order);
    }

    // Puts exactly these cards (bottom first) on a pile, moving their pictures to
    // where a column fan or a cell would hold them. Other piles keep their cards;
    // the cards are taken off wherever they were.
    void SetPile(int pile, std::initializer_list<int> cards) {
        for (int c : cards) TakeOff(c);
        s.Piles[pile].clear();
        int k = 0;
        for (int c : cards) {
            AppendCard(s, pile, c);
            int marker = MarkerOf(pile);
            float top = surface.top(marker) + (IsColumn(pile) ? s.FanStep * k : 0);
            surface.move(c, surface.left(marker), top);
            surface.bringToFront(c);
            s.CardHomeX[c] = RoundEven(surface.left(c));
            s.CardHomeY[c] = RoundEven(surface.top(c));
            ++k;
        }
        RecountFoundations();
    }
    // Empties every pile (cards stay where their pictures are, in no pile).
    void ClearPiles() {
        for (int p = 1; p <= 20; ++p) {
            s.Piles[p].clear();
            s.PileCount[p] = 0;
        }
        for (int c = 1; c <= 52; ++c) s.PileOf[c] = 0;
    }
    void TakeOff(int card) {
        int p = s.PileOf[card];
        if (p < 1) return;
        std::string kept;
        for (int i = 0; i < FieldCount(s.Piles[p]); ++i)
            if (FieldAt(s.Piles[p], i) != card) kept += FormatField(FieldAt(s.Piles[p], i));
        s.Piles[p] = kept;
        s.PileOf[card] = 0;
        RecountFoundations();
    }
    void RecountFoundations() {
        for (int p = 17; p <= 20; ++p) s.PileCount[p] = static_cast<i16>(FieldCount(s.Piles[p]));
    }

    std::vector<int> Cards(int pile) const {
        std::vector<int> out;
        for (int i = 0; i < FieldCount(s.Piles[pile]); ++i)
            out.push_back(FieldAt(s.Piles[pile], i));
        return out;
    }

    // Drags card so that its corner lies a quarter card inside the top card or marker of pile.
    void Drag(int card, int pile) {
        int target = TopCard(s, pile);
        DragCornerTo(card, surface.left(target) + s.CardWidth / 4.0f,
                     surface.top(target) + s.CardHeight / 4.0f);
    }
    // Presses card near its top-left and carries its corner to (x, y), then drops it
    // on the card itself (the pressed card travels under the pointer).
    void DragCornerTo(int card, float x, float y) {
        const float gx = 10, gy = 10;
        game.Press(card, MouseButton::Left, gx, gy);
        if (s.MovingCards[0] < 1) return;
        game.DragOverTable(x + gx, y + gy);
        game.Release();
        game.DropOnPicture(card);
    }
};

// Card numbers by rank and suit letter.
inline int Card(int rank, char suit) {
    int index = suit == 'C' ? 0 : suit == 'D' ? 1 : suit == 'H' ? 2 : 3;
    return index * 13 + rank;
}

// Each card in exactly one pile string, the one PileOf names.
inline void ExpectEachCardOnce(const EngineTable& t) {
    std::array<int, 53> seen{};
    for (int p = 1; p <= 20; ++p)
        for (int c : t.Cards(p)) {
            ++seen[c];
            EXPECT_EQ(t.s.PileOf[c], p) << "card " << c;
        }
    for (int c = 1; c <= 52; ++c) EXPECT_EQ(seen[c], 1) << "card " << c;
}

} // namespace zarn::test
