// Moves made without a drag: sends to the foundations, the double-click, the sweep
// after a move, and the end of the game.

#include "game/Cards.h"
#include "game/Game.h"
#include "game/Rules.h"

namespace zarn {

void Game::SendToFoundation(int card) {
    Automatically([&] {
        s_.MoveStatus = No;
        int pile = 0, target = 0;
        for (int p = 17; p <= 20 && pile == 0; ++p) {
            const int t = TopCard(s_, p);
            if (FoundationTakes(s_, t, card)) {
                pile = p;
                target = t;
            }
        }
        if (pile == 0 || card > 52) return;
        s_.MoveStatus = Yes;
        HoldSingle(s_, card);
        GlideCard(card, target);
        if (ended_) return;
        RecordMove(s_.PileOf[card], pile);
        PlaceOnFoundation(card, pile);
        s_.Busy = No;
    });
}

void Game::DoubleClick(int picture) {
    if (AutomaticPlayRunning() || ended_ || picture > 72 || picture < 1) return;
    if (!IsTopCard(picture)) return;
    Automatically([&] {
        HoldSingle(s_, picture);
        const int own = s_.PileOf[picture];
        int destination = 0;
        for (int p = 17; p <= 20 && destination == 0; ++p) {
            TestMove(s_, picture, p);
            if (s_.MoveStatus == Yes) destination = p;
        }
        for (int p = 1; p <= 8 && destination == 0; ++p) {
            if (p == own) continue;
            TestMove(s_, picture, p);
            if (s_.MoveStatus == Yes) destination = p;
        }
        if (destination == 0) {
            SnapBack();
            return;
        }
        GlideCard(picture, TopCard(s_, destination));
        if (ended_) return;
        RecordMove(s_.PileOf[picture], destination);
        MoveCards(picture, destination);
        host_.setSizeCommandsEnabled(false);
        AfterMove();
    });
}

void Game::CheckGameEnd() {
    int home = 0;
    for (int p = 17; p <= 20; ++p) home += s_.PileCount[p];
    if (home == 52) {
        s_.MoveStatus = 99;
        return;
    }
    for (int p = 1; p <= 16; ++p) {
        int top = TopCard(s_, p);
        for (int q = 1; q <= 20; ++q) {
            if (q == p) continue;
            TestMove(s_, top, q);
            if (s_.MoveStatus == Yes) return;
        }
    }
    s_.MoveStatus = No;
}

void Game::AfterMove() {
    Automatically([&] {
        CheckGameEnd();
        if (s_.MoveStatus != Yes) {
            ShowGameOver();
            return;
        }
        if (s_.AutoMove == Yes) AutoSweep();
    });
}

// A table command chosen meanwhile stops the sweep before its next card.
void Game::AutoSweep() {
    while (!ended_ && !StopRequested()) {
        host_.processEvents();
        if (ended_ || StopRequested()) return;
        int moved = 0;
        for (int p = 1; p <= 16; ++p) {
            SendToFoundation(TopCard(s_, p));
            if (ended_) return;
            if (s_.MoveStatus == Yes) ++moved;
            CheckGameEnd();
            if (s_.MoveStatus != Yes) {
                ShowGameOver();
                return;
            }
            if (StopRequested()) return;
        }
        if (moved == 0) return;
    }
}

// The end of the game overrides the table commands chosen during its last move.
void Game::ShowGameOver() {
    const bool another = host_.showGameOver(s_.MoveStatus == 99);
    waitingCommands_.clear();
    if (another)
        NewGame();
    else
        Abandon();
}

void Game::ToggleAutoMove() {
    s_.AutoMove = s_.AutoMove == Yes ? No : Yes;
}

} // namespace zarn
