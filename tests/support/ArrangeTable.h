#pragma once
// Tables laid out by hand on the real window, for tests and benchmarks that need a game
// in a given position rather than a dealt one.

#include "game/Cards.h"
#include "game/Placing.h"
#include "game/Rules.h"
#include "ui/MainWindow.h"
#include "ui/TableWidget.h"

#include <QApplication>
#include <array>
#include <vector>

namespace zarn::test {

// Card numbers by rank (1..13) and suit letter.
inline int Card(int rank, char suit) {
    const int index = suit == 'C' ? 0 : suit == 'D' ? 1 : suit == 'H' ? 2 : 3;
    return index * 13 + rank;
}

using PileCards = std::array<std::vector<int>, 21>; // bottom first, piles 1..20

// Lays these piles out on the table as a game in progress: every card on its pile's
// marker (fanned down a column), in front of the cards beneath it, with no history.
inline void ArrangeTable(MainWindow& window, const PileCards& piles) {
    GameState& st = window.state();
    TableWidget* table = window.table();
    for (int p = 1; p <= 20; ++p) {
        st.Piles[p].clear();
        st.PileCount[p] = 0;
    }
    for (int p = 1; p <= 20; ++p) {
        int k = 0;
        for (int c : piles[p]) {
            AppendCard(st, p, c);
            table->setVisible(c, true);
            StackOnPile(st, *table, c, p, MarkerOf(p), k++);
        }
        if (p >= 17) st.PileCount[p] = static_cast<i16>(piles[p].size());
    }
    ClearHistory(st);
    st.MoveStatus = Yes;
    QApplication::processEvents();
}

} // namespace zarn::test
