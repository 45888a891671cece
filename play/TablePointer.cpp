#include "play/TablePointer.h"

namespace zarn {

TablePointer::TablePointer(Game& game, const PictureTable& pictures)
    : game_(game), pictures_(pictures) {}

int TablePointer::PictureAt(float x, float y) const {
    const GameState& s = game_.state();
    return pictures_.PictureAt(x, y, s.CardWidth, s.CardHeight);
}

void TablePointer::setDragging(bool dragging) {
    if (dragging_ == dragging) return;
    dragging_ = dragging;
    if (onDragging) onDragging(dragging);
}

void TablePointer::Abandon() {
    if (!dragging_) return;
    setDragging(false);
    game_.DropOnTable();
}

void TablePointer::Press(float x, float y, MouseButton button) {
    // Another button pressed while cards hang from the pointer would lift a second
    // group and strand the first.
    if (dragging_) return;
    const int picture = PictureAt(x, y);
    pressed_ = picture;
    if (picture == 0) {
        if (button == MouseButton::Right && onTableRightPress) onTableRightPress();
        if (button == MouseButton::Left && onTableLeftPress) onTableLeftPress();
        return;
    }
    game_.Press(picture, button, x - pictures_.left(picture), y - pictures_.top(picture));
    if (game_.Dragging()) dragButton_ = button;
    setDragging(game_.Dragging());
}

void TablePointer::Move(float x, float y, HeldButtons held) {
    if (dragging_ && !(held & Held(dragButton_))) Abandon(); // released elsewhere
    const int picture = PictureAt(x, y);
    if (dragging_) {
        if (picture != 0)
            game_.DragOverPicture(picture, x - pictures_.left(picture), y - pictures_.top(picture));
        else
            game_.DragOverTable(x, y);
        return;
    }
    // A revealed ace stays up under a trembling hand until the release.
    const int under = held != 0 ? pressed_ : picture;
    if (under > MarkerLast)
        game_.PointerOverPicture(under);
    else if (under == 0)
        game_.PointerOverTable();
}

void TablePointer::Release(float x, float y, MouseButton button, HeldButtons held, bool onTable) {
    game_.Release();
    if (held == 0) pressed_ = 0;
    if (!dragging_ || button != dragButton_) return;
    if (!onTable) {
        Abandon();
        return;
    }
    setDragging(false);
    if (const int picture = PictureAt(x, y))
        game_.DropOnPicture(picture);
    else
        game_.DropOnTable();
}

void TablePointer::DoubleClick(float x, float y) {
    if (dragging_) return;
    const int picture = PictureAt(x, y);
    pressed_ = picture;
    if (picture != 0) game_.DoubleClick(picture);
}

} // namespace zarn
