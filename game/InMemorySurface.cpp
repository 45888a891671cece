#include "game/InMemorySurface.h"

#include <algorithm>

namespace zarn {

InMemorySurface::InMemorySurface() {
    for (int i = 0; i < 77; ++i) order_.push_back(i);
}

void InMemorySurface::move(int picture, float left, float top) {
    pictures_[picture].left = left;
    pictures_[picture].top = top;
    ++moves_;
}

void InMemorySurface::bringToFront(int picture) {
    auto it = std::find(order_.begin(), order_.end(), picture);
    order_.erase(it);
    order_.push_back(picture);
}

} // namespace zarn
