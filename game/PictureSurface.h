#pragma once
// The engine's only view of the pictures on the table: the 77 pictures (0..76), each
// with a real-valued Left and Top in twips, a visibility and a place in the drawing
// order. All pictures have the current card size. The game window implements it with
// its table widget (which keeps a PictureTable); tests and the script driver use a
// PictureTable alone.

namespace zarn {

class PictureSurface {
public:
    virtual ~PictureSurface() = default;
    virtual float left(int picture) const = 0;
    virtual float top(int picture) const = 0;
    virtual void move(int picture, float left, float top) = 0;
    virtual void bringToFront(int picture) = 0;
    virtual void setVisible(int picture, bool visible) = 0;
    virtual bool isVisible(int picture) const = 0;
};

} // namespace zarn
