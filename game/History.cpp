// The move history: three text lines per move, newest first, and undo.

#include "game/Cards.h"
#include "game/Game.h"
#include "game/Placing.h"

#include <string_view>
#include <vector>

namespace zarn {

void Game::RecordMove(int source, int destination) {
    if (destination > 16) {
        ClearHistory(s_);
        return;
    }
    ++s_.MoveCount;
    const int n = s_.MovingCards[0];
    std::string cards;
    for (int i = 1; i <= n; ++i) cards += FormatField(s_.MovingCards[i]);
    s_.MovesList.push_front(cards);
    s_.MovesList.push_front(FormatField(n) + FormatField(source) + FormatField(destination));
    s_.MovesList.push_front("# " + std::to_string(s_.MoveCount));
    s_.EntryStopovers.push_front("");
}

void Game::UndoLastMove() {
    if (s_.MovesList.size() < 2) return;
    const std::string moveLine = s_.MovesList[1];
    if (moveLine.empty()) return;
    const std::string_view line(moveLine);
    const int n = NumericI16(line.substr(0, 3));
    const int source = NumericI16(line.substr(4, 3));
    const int destination = NumericI16(line.substr(8, 3));
    if (source < 1 || source > PileTotal || destination < 1 || destination > PileTotal) return;
    std::vector<int> cards;
    const std::string cardLine = s_.MovesList.size() > 2 ? s_.MovesList[2] : std::string();
    for (size_t i = 0; i + 3 <= cardLine.size(); i += 4)
        cards.push_back(NumericI16(std::string_view(cardLine).substr(i, 3)));
    for (int i = 0; i < 3 && !s_.MovesList.empty(); ++i) s_.MovesList.pop_front();
    std::string stopovers;
    if (!s_.EntryStopovers.empty()) {
        stopovers = s_.EntryStopovers.front();
        s_.EntryStopovers.pop_front();
    }

    const int anchor = TopCard(s_, source);
    int k = anchor > CardCount ? 0 : 1;
    for (int c : cards) {
        StackOnPile(s_, surface_, c, source, anchor, k++);
        AppendCard(s_, source, c);
    }

    if (!stopovers.empty()) {
        for (int i = 0; i < FieldCount(stopovers); ++i) {
            int cell = FieldAt(stopovers, i);
            s_.Piles[cell].clear();
            s_.PileCount[cell] = 0;
        }
    } else {
        RemoveTopFields(s_.Piles[destination], n);
        s_.PileCount[destination] = static_cast<i16>(s_.PileCount[destination] - n);
        s_.PileCount[source] = static_cast<i16>(s_.PileCount[source] + n);
    }
    s_.StopoverCells.clear();
}

} // namespace zarn
