#pragma once
// The pointer on the table, in table twips: which picture lies under a point, and what
// presses, moves, releases and double-clicks do to the game. The table widget turns Qt's
// mouse events into these calls; the script driver and the tests make them directly.
//
// The guards of a drag live here: one drag at a time; only the button that lifted the
// cards drops them; a release outside the table, or a drag cut off by another window,
// puts the cards back; while a button is held without a drag, the moves belong to the
// picture it was pressed on; a double-click takes the place of its second press.

#include "game/Game.h"
#include "game/PictureTable.h"

#include <functional>

namespace zarn {

// Buttons held down, as a set of bits.
using HeldButtons = unsigned;
constexpr HeldButtons Held(MouseButton button) {
    return 1u << static_cast<unsigned>(button);
}

class TablePointer {
public:
    TablePointer(Game& game, const PictureTable& pictures);

    void Press(float x, float y, MouseButton button);
    // held: the buttons down during the move.
    void Move(float x, float y, HeldButtons held);
    // held: the buttons still down after this release; onTable: whether the point lies
    // on the table at all.
    void Release(float x, float y, MouseButton button, HeldButtons held, bool onTable);
    void DoubleClick(float x, float y);
    // The window lost the pointer (deactivated or hidden): a drag puts its cards back.
    void Abandon();

    bool dragging() const { return dragging_; }
    // The picture under a point (see PictureTable::PictureAt), at the current card size.
    int PictureAt(float x, float y) const;

    // A right-button press on the bare table.
    std::function<void()> onTableRightPress;
    // A left-button press on the bare table.
    std::function<void()> onTableLeftPress;
    // A drag of cards begins (true) or ends (false).
    std::function<void(bool dragging)> onDragging;

private:
    void setDragging(bool dragging);

    Game& game_;
    const PictureTable& pictures_;
    bool dragging_ = false;
    MouseButton dragButton_ = MouseButton::Left;
    int pressed_ = 0; // the picture the held button was pressed on, 0 the table
};

} // namespace zarn
