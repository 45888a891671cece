#pragma once
// Dealing orders built from the cards a test cares about: each named place gets its
// card, every other place the remaining cards in ascending order.

#include "game/GameState.h"
#include "tests/game/EngineFixture.h"

#include <array>
#include <initializer_list>
#include <stdexcept>
#include <utility>

namespace zarn::test {

// Dealing positions: the four cells take positions 1..4, column p row r (1 = bottom,
// 6 = top) position 4 + 6 (p - 1) + r.
inline int CellSlot(int k) {
    return k;
}
inline int ColumnSlot(int column, int row) {
    return 4 + 6 * (column - 1) + row;
}
// The six places of a column, bottom first.
inline std::array<int, 6> ColumnSlots(int column) {
    std::array<int, 6> out{};
    for (int r = 1; r <= 6; ++r) out[r - 1] = ColumnSlot(column, r);
    return out;
}

class Arrangement {
public:
    Arrangement& at(int position, int card) {
        if (order_[position - 1] != 0 || used_[card]) throw std::logic_error("placed twice");
        order_[position - 1] = static_cast<i16>(card);
        used_[card] = true;
        return *this;
    }
    Arrangement& column(int p, std::initializer_list<int> bottomFirst) {
        int r = 0;
        for (int c : bottomFirst) at(ColumnSlot(p, ++r), c);
        return *this;
    }
    Arrangement& cells(std::initializer_list<int> cards) {
        int k = 0;
        for (int c : cards) at(CellSlot(++k), c);
        return *this;
    }
    std::array<i16, 52> order() const {
        std::array<i16, 52> out = order_;
        int next = 1;
        for (auto& slot : out) {
            if (slot != 0) continue;
            while (used_[next]) ++next;
            slot = static_cast<i16>(next++);
        }
        return out;
    }

private:
    std::array<i16, 52> order_{};
    std::array<bool, 53> used_{};
};

// The king of spades first, down to the ace of clubs: Deck(i) = 53 - i.
inline std::array<i16, 52> Reversed() {
    std::array<i16, 52> order{};
    for (int i = 0; i < 52; ++i) order[i] = static_cast<i16>(52 - i);
    return order;
}

// Column 1 ends in four, two of clubs; column 2 in three, ace of clubs; column 3 in two,
// ace of diamonds. The other places get the remaining cards in order, and cells 9..12
// the four black tens to kings that fit nowhere early.
inline std::array<i16, 52> SweepChains() {
    return Arrangement()
        .cells({Card(13, 'S'), Card(12, 'S'), Card(11, 'S'), Card(10, 'S')})
        .at(ColumnSlot(1, 5), Card(4, 'C'))
        .at(ColumnSlot(1, 6), Card(2, 'C'))
        .at(ColumnSlot(2, 5), Card(3, 'C'))
        .at(ColumnSlot(2, 6), Card(1, 'C'))
        .at(ColumnSlot(3, 5), Card(2, 'D'))
        .at(ColumnSlot(3, 6), Card(1, 'D'))
        .order();
}

// Column 2 ends in the nine, eight and seven of hearts, column 5 in the ten of hearts,
// which takes the three as a group.
inline std::array<i16, 52> HeartsRunBesideItsTen() {
    return Arrangement()
        .column(2, {20, 21, 22, Card(9, 'H'), Card(8, 'H'), Card(7, 'H')})
        .at(ColumnSlot(5, 6), Card(10, 'H'))
        .order();
}

} // namespace zarn::test
