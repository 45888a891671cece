#pragma once
// The game of ZARN: the state, and everything that moves cards on it. It knows the
// table only through a PictureSurface and the application only through a GameHost.

#include "game/GameHost.h"
#include "game/GameState.h"
#include "game/PictureSurface.h"
#include "game/Shuffle.h"

#include <functional>
#include <vector>

namespace zarn {

enum class MouseButton { Left, Right, Middle };

class Game {
public:
    Game(PictureSurface& surface, GameHost& host);
    Game(PictureSurface& surface, GameHost& host, RandomSource random);

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }
    PictureSurface& surface() { return surface_; }
    const PictureSurface& surface() const { return surface_; }
    RandomSource& random() { return random_; }

    // A new game: a fresh shuffle laid out by the host.
    void NewGame();
    void ShuffleDeck();

    // Moves (Moves.cpp).
    void MoveCards(int card, int pile);
    void PlaceOnFoundation(int card, int pile);
    void SnapBack();
    void GlideCard(int card, int target);

    // Automatic play and the end of the game (Autoplay.cpp).
    void SendToFoundation(int card);
    void DoubleClick(int picture);
    void CheckGameEnd();
    void AfterMove();
    void ToggleAutoMove();

    // History (History.cpp).
    void RecordMove(int source, int destination);
    void UndoLastMove();

    // The pointer, in table twips (Pointer.cpp). x and y of the picture events are
    // relative to that picture, those of the table events to the table.
    void Press(int picture, MouseButton button, float x, float y);
    void DragOverPicture(int picture, float x, float y);
    void DragOverTable(float x, float y);
    void DropOnPicture(int picture);
    void DropOnTable();
    void Release();
    void PointerOverPicture(int picture);
    void PointerOverTable();
    void ShiftDraggedCards(float x, float y);
    // During automatic play MovingCards holds the gliding card and DragCard may still
    // name the card of the last drop: that is no drag.
    bool Dragging() const {
        return s_.MovingCards[0] > 0 && s_.DragCard != 0 && !AutomaticPlayRunning();
    }

    // Commands that lay the table out again or change the piles ("Deal Again",
    // "Reset Positions", the card-size commands, "Undo Last Move"). One chosen while
    // cards glide on their own ends the automatic play first: the gliding card finishes
    // its move at once (placed, recorded and counted as if its glide had run out), the
    // sweep stops before its next card, and the command runs as soon as the automatic
    // play has returned. When that last move wins or blocks the game, the game-over
    // question comes instead and the command is dropped. Returns whether it ran at once.
    bool RunTableCommand(std::function<void()> command);
    bool AutomaticPlayRunning() const { return automaticPlay_ > 0 || s_.Busy == Yes; }

    // The player answered No to "another game ?", or the application is closing:
    // automatic play stops at its next step and nothing moves any more.
    void Abandon() { ended_ = true; }
    bool Ended() const { return ended_; }

private:
    // Runs a stretch of automatic play; the table commands chosen meanwhile run when
    // the outermost stretch has returned.
    void Automatically(const std::function<void()>& play);
    // A table command waits: the glide and the sweep stop at their next step.
    bool StopRequested() const { return !waitingCommands_.empty(); }
    void AutoSweep();
    void ShowGameOver();
    bool IsTopCard(int card) const;
    // The lifted group back at its homes, nothing lifted; DragCard is left as it is.
    void ReturnLiftedCards();
    struct DropHit {
        int pile = 0;  // 0: none
        int card = -1; // the card or marker hit
    };
    bool Contains(int picture, float x, float y) const;
    DropHit FindDropTarget(float x, float y) const;

    // Counts a stretch of automatic play (a double-click, a send, the sweep).
    class AutomaticPlay {
    public:
        explicit AutomaticPlay(Game& g) : g_(g) { ++g_.automaticPlay_; }
        ~AutomaticPlay() { --g_.automaticPlay_; }
        AutomaticPlay(const AutomaticPlay&) = delete;
        AutomaticPlay& operator=(const AutomaticPlay&) = delete;

    private:
        Game& g_;
    };

    GameState s_;
    PictureSurface& surface_;
    GameHost& host_;
    RandomSource random_;
    int automaticPlay_ = 0;
    std::vector<std::function<void()>> waitingCommands_;
    bool ended_ = false;
};

} // namespace zarn
