// Carrying out moves: the piles, the pictures and their homes.

#include "game/Cards.h"
#include "game/Game.h"
#include "game/Placing.h"

namespace zarn {

namespace {

int LowestEmptyCell(const GameState& s) {
    for (int p = 9; p <= 16; ++p)
        if (s.Piles[p].empty()) return p;
    return 0;
}

// Keeps the fields of the pile below card; card and everything on it are gone.
void CutPileAt(std::string& pile, int card) {
    std::string kept;
    for (int i = 0; i < FieldCount(pile); ++i) {
        if (FieldAt(pile, i) == card) break;
        kept += pile.substr(4 * i, 4);
    }
    pile = kept;
}

} // namespace

void PlacePicture(GameState& s, PictureSurface& surface, int picture, float left, float top) {
    surface.move(picture, left, top);
    s.CardHomeX[picture] = RoundEven(surface.left(picture));
    s.CardHomeY[picture] = RoundEven(surface.top(picture));
}

void StackOnPile(GameState& s, PictureSurface& surface, int card, int pile, int anchor, int k) {
    const int fan = IsColumn(pile) ? s.FanStep * k : 0;
    PlacePicture(s, surface, card, surface.left(anchor),
                 surface.top(anchor) + static_cast<float>(fan));
    surface.bringToFront(card);
}

void Game::MoveCards(int card, int pile) {
    const int source = s_.PileOf[card];
    const int n = s_.MovingCards[0];
    s_.StopoverCells.clear();
    if (source == pile) {
        SnapBack();
        return;
    }
    int target = TopCard(s_, pile);

    if (n >= 2 && s_.Piles[pile].empty() && pile >= 9) {
        // Spread the group over the empty free cells, one card each.
        for (int i = 1; i <= n; ++i) {
            int c = s_.MovingCards[i];
            PlacePicture(s_, surface_, c, surface_.left(target), surface_.top(target));
            s_.Piles[pile] = FormatField(c);
            s_.PileOf[c] = static_cast<i16>(pile);
            s_.StopoverCells += FormatField(pile);
            if (int next = LowestEmptyCell(s_)) {
                pile = next;
                target = MarkerOf(pile);
            }
        }
        // The history entry recorded just before this move keeps its cells, so that
        // it can be taken back even after later moves.
        if (!s_.EntryStopovers.empty()) s_.EntryStopovers.front() = s_.StopoverCells;
    } else {
        const int first = s_.Piles[pile].empty() ? 0 : 1;
        for (int i = 1; i <= n; ++i) {
            const int c = s_.MovingCards[i];
            StackOnPile(s_, surface_, c, pile, target, first + i - 1);
            AppendCard(s_, pile, c);
        }
        s_.PileCount[pile] = static_cast<i16>(s_.PileCount[pile] + n);
        s_.PileCount[source] = static_cast<i16>(s_.PileCount[source] - n);
    }
    CutPileAt(s_.Piles[source], card);
    s_.GrabX = s_.GrabY = 0;
    s_.MovingCards[0] = -1;
}

void Game::PlaceOnFoundation(int card, int pile) {
    const int source = s_.PileOf[card];
    const int target = TopCard(s_, pile);
    const int c = s_.MovingCards[1];
    StackOnPile(s_, surface_, c, pile, target, 0);
    AppendCard(s_, pile, c);
    ++s_.PileCount[pile];
    --s_.PileCount[source];
    RemoveTopFields(s_.Piles[source], 1);
    s_.GrabX = s_.GrabY = 0;
    s_.MovingCards[0] = -1;
}

void Game::ReturnLiftedCards() {
    for (int i = 1; i <= s_.MovingCards[0]; ++i) {
        int c = s_.MovingCards[i];
        surface_.move(c, s_.CardHomeX[c], s_.CardHomeY[c]);
    }
    s_.MovingCards[0] = -1;
    s_.GrabX = s_.GrabY = 0;
}

void Game::SnapBack() {
    ReturnLiftedCards();
    s_.DragCard = 0;
}

// A table command chosen during the glide ends it at once: the caller then places the
// card where the glide would have taken it.
void Game::GlideCard(int card, int target) {
    Automatically([&] {
        s_.Busy = Yes;
        const double x0 = s_.CardHomeX[card], y0 = s_.CardHomeY[card];
        const double x1 = s_.CardHomeX[target], y1 = s_.CardHomeY[target];
        const int steps = s_.Speed;
        surface_.bringToFront(card);
        host_.glideStarted(card, target, steps > 2 ? steps - 2 : 0);
        if (steps > 2) {
            const double dx = (x1 - x0) / steps, dy = (y1 - y0) / steps;
            for (int i = 2; i <= steps - 1; ++i) {
                host_.processEvents();
                if (ended_ || StopRequested()) break;
                surface_.move(card, static_cast<float>(x0 + i * dx),
                              static_cast<float>(y0 + i * dy));
            }
        }
        s_.Busy = No;
    });
}

} // namespace zarn
