// What the mouse does to cards: press, drag, drop and release, in table twips.

#include "game/Cards.h"
#include "game/Game.h"
#include "game/Rules.h"

namespace zarn {

void Game::Press(int picture, MouseButton button, float x, float y) {
    // A press between two glides of automatic play is ignored as well as one during
    // a glide: a drag begun then would be overtaken by the next send.
    if (AutomaticPlayRunning() || ended_ || picture > 52 || picture < 1) return;
    const int pile = s_.PileOf[picture];
    if (IsFoundation(pile)) return;
    const bool top = IsTopCard(picture);
    if (!top && CardValue(s_, picture) == 1) {
        const int reveal = RevealFirst + (picture - 1) / 13;
        surface_.move(reveal, surface_.left(picture), surface_.top(picture));
        surface_.setVisible(reveal, true);
        surface_.bringToFront(reveal);
        return;
    }
    if (button == MouseButton::Right) {
        if (!top) return;
        Automatically([&] {
            SendToFoundation(picture);
            if (s_.MoveStatus == Yes) host_.setSizeCommandsEnabled(false);
        });
        return;
    }
    s_.GrabX = x;
    s_.GrabY = y;
    PickUpCards(s_, picture);
    if (s_.MovingCards[0] == -1) {
        s_.GrabX = s_.GrabY = 0;
        return;
    }
    s_.DragCard = static_cast<i16>(picture);
    for (int i = 1; i <= s_.MovingCards[0]; ++i) surface_.bringToFront(s_.MovingCards[i]);
}

void Game::ShiftDraggedCards(float x, float y) {
    const float dx = x - s_.GrabX, dy = y - s_.GrabY;
    for (int i = 1; i <= s_.MovingCards[0]; ++i) {
        int c = s_.MovingCards[i];
        surface_.move(c, surface_.left(c) + dx, surface_.top(c) + dy);
    }
}

void Game::DragOverPicture(int picture, float x, float y) {
    if (s_.MovingCards[0] < 1 || AutomaticPlayRunning()) return;
    if (picture == s_.DragCard) {
        ShiftDraggedCards(x, y);
        return;
    }
    const float left = surface_.left(picture) + x - s_.GrabX;
    const float top = surface_.top(picture) + y - s_.GrabY;
    for (int i = 1; i <= s_.MovingCards[0]; ++i)
        surface_.move(s_.MovingCards[i], left, top + static_cast<float>((i - 1) * s_.FanStep));
}

void Game::DragOverTable(float x, float y) {
    if (s_.MovingCards[0] < 1 || AutomaticPlayRunning()) return;
    for (int i = 1; i <= s_.MovingCards[0]; ++i)
        surface_.move(s_.MovingCards[i], x - s_.GrabX,
                      y - s_.GrabY + static_cast<float>((i - 1) * s_.FanStep));
}

bool Game::Contains(int picture, float x, float y) const {
    const float left = surface_.left(picture), top = surface_.top(picture);
    return left < x && x < left + s_.CardWidth && top < y && y < top + s_.CardHeight;
}

// Piles are searched in order; a later pile's card replaces an earlier hit, an empty
// pile's marker ends the search.
Game::DropHit Game::FindDropTarget(float x, float y) const {
    DropHit hit;
    for (int p = 1; p <= PileTotal; ++p) {
        const std::string& pile = s_.Piles[p];
        if (pile.empty()) {
            if (Contains(MarkerOf(p), x, y)) return {p, MarkerOf(p)};
            continue;
        }
        for (int i = 0; i < FieldCount(pile); ++i) {
            int c = FieldAt(pile, i);
            if (Contains(c, x, y)) {
                hit = {p, c};
                break;
            }
        }
    }
    return hit;
}

void Game::DropOnPicture(int picture) {
    (void)picture;
    // The drop is resolved with the pressed card, whichever lifted picture lies under
    // the pointer: its corner is the drop point and it leads the move.
    if (s_.MovingCards[0] < 1 || s_.DragCard == 0 || AutomaticPlayRunning()) return;
    const int card = s_.DragCard;
    const DropHit hit = FindDropTarget(surface_.left(card), surface_.top(card));
    if (hit.pile == 0 || hit.card == card || hit.pile == s_.PileOf[card]) {
        SnapBack();
        return;
    }
    TestMove(s_, card, hit.pile);
    if (s_.MoveStatus == No) {
        SnapBack();
        return;
    }
    RecordMove(s_.PileOf[card], hit.pile);
    MoveCards(card, hit.pile);
    host_.setSizeCommandsEnabled(false);
    AfterMove();
}

// The cards go home; DragCard is cleared by the next move over the table.
void Game::DropOnTable() {
    if (!AutomaticPlayRunning()) ReturnLiftedCards();
}

void Game::Release() {
    for (int r = RevealFirst; r <= 76; ++r) {
        if (surface_.isVisible(r)) {
            surface_.setVisible(r, false);
            return;
        }
    }
}

void Game::PointerOverPicture(int picture) {
    if (picture > 72 && surface_.isVisible(picture)) surface_.setVisible(picture, false);
}

// While cards glide on their own the pointer only watches: a move over the bare table
// must not snap the gliding group back to its homes.
void Game::PointerOverTable() {
    if (s_.DragCard != 0 && !AutomaticPlayRunning()) SnapBack();
}

} // namespace zarn
