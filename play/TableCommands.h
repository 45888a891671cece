#pragma once
// The Game menu's commands that lay the table out again or change the piles, for the
// window and the script driver alike. Each obeys the game's one rule for commands
// during automatic play (Game::RunTableCommand) and returns whether it ran at once.

#include "game/Game.h"

#include <array>

namespace zarn {

class TableCommands {
public:
    explicit TableCommands(Game& game, GameHost& host) : game_(game), host_(host) {}

    // Lays the deal of Deck out and lets the host show it (the host's layOutDeal).
    void LayOut();

    bool UndoLastMove();
    // "Deal Again": a fresh shuffle; the deal given up counts as lost.
    bool DealAgain();
    // A new deal in a given order, bottom-left first (for scripted sessions).
    bool Deal(const std::array<i16, 52>& order);
    // "Reset Positions": the same deal from its first position.
    bool ResetPositions();
    // "Increase Card Size" (larger) and "Decrease Card Size".
    bool ChangeCardSize(bool larger);

private:
    template <class Shuffle> bool NewDeal(Shuffle shuffle);

    Game& game_;
    GameHost& host_;
};

} // namespace zarn
