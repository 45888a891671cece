#pragma once
// The pictures on the table as the player sees them: each one's Left and Top (twips),
// its visibility and its place in the drawing order. Markers always lie beneath the
// card layer (cards and ace-reveal pictures), whose order is the bring-to-front order;
// the hidden template picture 0 is in neither. The table widget paints from one of
// these, and the pointer routing and the script driver hit-test on it.

#include "game/PictureSurface.h"

#include <array>
#include <vector>

namespace zarn {

class PictureTable : public PictureSurface {
public:
    PictureTable();
    float left(int picture) const override { return pictures_[picture].left; }
    float top(int picture) const override { return pictures_[picture].top; }
    void move(int picture, float left, float top) override;
    void bringToFront(int picture) override;
    void setVisible(int picture, bool visible) override { pictures_[picture].visible = visible; }
    bool isVisible(int picture) const override { return pictures_[picture].visible; }

    // The card layer from the bottom of the drawing order to the top.
    const std::vector<int>& drawingOrder() const { return order_; }
    // The frontmost visible picture of the given size that contains the point, edges
    // excluded: cards before markers; 0 for the bare table.
    int PictureAt(float x, float y, float width, float height) const;
    // Number of move() calls so far (a glide step is one).
    long moveCount() const { return moves_; }

private:
    struct Picture {
        float left = 0, top = 0;
        bool visible = false;
    };
    bool contains(int picture, float x, float y, float width, float height) const;

    std::array<Picture, 77> pictures_{};
    std::vector<int> order_;
    long moves_ = 0;
};

} // namespace zarn
