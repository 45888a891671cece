#pragma once
// A table without a window: positions, visibility and the drawing order of the card
// pictures, recorded so that tests can read them back.

#include "game/PictureSurface.h"

#include <array>
#include <vector>

namespace zarn {

class InMemorySurface : public PictureSurface {
public:
    InMemorySurface();
    float left(int picture) const override { return pictures_[picture].left; }
    float top(int picture) const override { return pictures_[picture].top; }
    void move(int picture, float left, float top) override;
    void bringToFront(int picture) override;
    void setVisible(int picture, bool visible) override { pictures_[picture].visible = visible; }
    bool isVisible(int picture) const override { return pictures_[picture].visible; }

    // Pictures from the bottom of the drawing order to the top.
    const std::vector<int>& drawingOrder() const { return order_; }
    // Number of move() calls so far (a glide step is one).
    long moveCount() const { return moves_; }

private:
    struct Picture {
        float left = 0, top = 0;
        bool visible = false;
    };
    std::array<Picture, 77> pictures_{};
    std::vector<int> order_;
    long moves_ = 0;
};

} // namespace zarn
