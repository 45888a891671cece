#include "game/PictureTable.h"

#include "game/GameState.h"

#include <algorithm>

namespace zarn {

namespace {

bool InCardLayer(int picture) {
    return (picture >= 1 && picture <= CardCount) || picture >= RevealFirst;
}

} // namespace

PictureTable::PictureTable() {
    for (int i = 1; i <= CardCount; ++i) order_.push_back(i);
    for (int i = RevealFirst; i < PictureCount; ++i) order_.push_back(i);
}

void PictureTable::move(int picture, float left, float top) {
    pictures_[picture].left = left;
    pictures_[picture].top = top;
    ++moves_;
}

void PictureTable::bringToFront(int picture) {
    if (!InCardLayer(picture)) return;
    order_.erase(std::find(order_.begin(), order_.end(), picture));
    order_.push_back(picture);
}

bool PictureTable::contains(int picture, float x, float y, float width, float height) const {
    const Picture& p = pictures_[picture];
    return p.visible && p.left < x && x < p.left + width && p.top < y && y < p.top + height;
}

int PictureTable::PictureAt(float x, float y, float width, float height) const {
    for (auto it = order_.rbegin(); it != order_.rend(); ++it)
        if (contains(*it, x, y, width, height)) return *it;
    for (int m = MarkerLast; m >= MarkerFirst; --m)
        if (contains(m, x, y, width, height)) return m;
    return 0;
}

} // namespace zarn
