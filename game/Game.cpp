#include "game/Game.h"

#include "game/Cards.h"

#include <utility>

namespace zarn {

Game::Game(PictureSurface& surface, GameHost& host) : Game(surface, host, RandomSource()) {}

Game::Game(PictureSurface& surface, GameHost& host, RandomSource random)
    : surface_(surface), host_(host), random_(std::move(random)) {
    BuildCardRecords(s_);
    s_.MovingCards[0] = -1;
    s_.AutoMove = Yes;
    for (int m = MarkerFirst; m <= MarkerLast; ++m) s_.PileOf[m] = static_cast<i16>(m - 52);
}

void Game::ShuffleDeck() {
    zarn::ShuffleDeck(s_, random_);
}

void Game::NewGame() {
    ShuffleDeck();
    host_.layOutDeal();
}

bool Game::RunTableCommand(std::function<void()> command) {
    if (ended_) return false;
    if (AutomaticPlayRunning()) {
        waitingCommands_.push_back(std::move(command));
        return false;
    }
    command();
    return true;
}

void Game::Automatically(const std::function<void()>& play) {
    {
        AutomaticPlay running(*this);
        play();
    }
    if (automaticPlay_ > 0) return;
    std::vector<std::function<void()>> commands;
    commands.swap(waitingCommands_);
    for (const auto& command : commands)
        if (!ended_) command();
}

bool Game::IsTopCard(int card) const {
    return TopCard(s_, s_.PileOf[card]) == card;
}

} // namespace zarn
