#pragma once
// Which cards may be lifted together and where they may go. Neither routine changes a
// pile: PickUpCards fills MovingCards, TestMove leaves its verdict in MoveStatus.

#include "game/GameState.h"

namespace zarn {

// Lifts card and every card lying on it into MovingCards, or refuses the lift
// (MovingCards[0] = -1).
void PickUpCards(GameState& s, int card);
// Judges card (the first of the group in MovingCards, or a single card) on pile.
void TestMove(GameState& s, int card, int pile);
// Whether a foundation whose top card (or marker) is top takes card.
bool FoundationTakes(const GameState& s, int top, int card);
// Sets MovingCards to the single card.
void HoldSingle(GameState& s, int card);

} // namespace zarn
