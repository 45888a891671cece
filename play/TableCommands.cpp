#include "play/TableCommands.h"

#include "game/Shuffle.h"
#include "table/CardMetrics.h"
#include "table/Layout.h"

namespace zarn {

void TableCommands::LayOut() {
    LayOutDeal(game_.state(), game_.surface());
    host_.showLayout();
}

bool TableCommands::UndoLastMove() {
    return game_.RunTableCommand([this] { game_.UndoLastMove(); });
}

// The commands are kept by value: one chosen during automatic play runs later.
template <class Shuffle> bool TableCommands::NewDeal(Shuffle shuffle) {
    return game_.RunTableCommand([this, shuffle] {
        host_.dealAbandoned();
        shuffle();
        host_.layOutDeal();
        host_.setSizeCommandsEnabled(true);
    });
}

bool TableCommands::DealAgain() {
    return NewDeal([this] { game_.ShuffleDeck(); });
}

bool TableCommands::Deal(const std::array<i16, 52>& order) {
    return NewDeal([this, order] { SetDealOrder(game_.state(), order); });
}

bool TableCommands::ResetPositions() {
    return game_.RunTableCommand([this] {
        RestartDeal(game_.state(), game_.surface());
        host_.showLayout();
        host_.setSizeCommandsEnabled(true);
    });
}

bool TableCommands::ChangeCardSize(bool larger) {
    return game_.RunTableCommand([this, larger] {
        if (!host_.sizeCommandsEnabled()) return;
        GameState& s = game_.state();
        for (int i = 1; i < PictureCount; ++i) game_.surface().setVisible(i, false);
        ApplyCardScale(s, larger ? IncreasedScale(s.SizeScale) : DecreasedScale(s.SizeScale),
                       SizeOccasion::SizeChange);
        host_.cardSizeChanged();
        host_.layOutDeal();
    });
}

} // namespace zarn
