// Engine speed: seeded random sessions played as the window plays them, and one new
// deal's shuffle.

#include "game/Cards.h"
#include "game/Game.h"
#include "game/PictureTable.h"
#include "game/Rules.h"
#include "game/Shuffle.h"
#include "play/TableCommands.h"
#include "play/TablePointer.h"
#include "table/CardMetrics.h"

#include <benchmark/benchmark.h>
#include <random>
#include <utility>
#include <vector>

namespace {

using namespace zarn;

// A player at random: presses, drags, releases and double-clicks through TablePointer on
// a PictureTable, and the Game menu's table commands through TableCommands, with AutoMove
// off. Half the drags carry a group the engine lets be lifted to a pile it says takes it;
// the others end over the bare table or on the edges of pictures. Game-over questions
// are answered Yes, which deals afresh.
class RandomPlayer : public GameHost {
public:
    explicit RandomPlayer(std::uint64_t seed)
        : game_(table_, *this, RandomSource(seed)), rng_(seed) {
        game_.random().timeOfDay = [] { return 43200.0f; }; // repeatable deals
        game_.ToggleAutoMove();
        ApplyCardScale(s(), DefaultScale, SizeOccasion::StartUp);
        table_.move(0, OriginFor(s()).x, OriginFor(s()).y);
        commands_.DealAgain();
    }
    void Step() {
        const int r = Int(0, 19);
        r < 10              ? Drag(r < 5)
        : r < 13            ? DoubleClick()
        : r < 16            ? void(commands_.UndoLastMove())
        : r < 17            ? void(commands_.DealAgain())
        : r < 18            ? void(commands_.ResetPositions())
        : r < 19 && sizeOn_ ? void(commands_.ChangeCardSize(Chance(0.5)))
                            : void(s().Speed = SpeedFor(Int(1, 4)));
    }
    long moves = 0, gameOvers = 0;

    void processEvents() override {}
    bool showGameOver(bool) override { return ++gameOvers, true; }
    void setSizeCommandsEnabled(bool enabled) override { sizeOn_ = enabled; }
    bool sizeCommandsEnabled() const override { return sizeOn_; }
    void layOutDeal() override { commands_.LayOut(); }

private:
    void Drag(bool aimed) {
        int card = Int(1, 52), to = 0;
        if (aimed) std::tie(card, to) = AnyLegalMove();
        const auto [px, py] = PointIn(card);
        const MouseButton b = Chance(0.8) ? MouseButton::Left : MouseButton::Middle;
        pointer_.Press(px, py, b);
        if (!pointer_.dragging()) return pointer_.Release(px, py, b, 0, true);
        const int c = s().MovingCards[1], from = s().PileOf[c];
        const float gx = px - table_.left(c), gy = py - table_.top(c);
        pointer_.Move(Real(0, s().WindowWidth), Real(0, s().WindowHeight), Held(b));
        // Another button pressed and let go, a double-click, or the drag's button let go
        // somewhere else.
        const int odd = Int(0, 19), t = to ? TopCard(s(), to) : Int(1, 72);
        if (odd == 0) pointer_.Press(px, py, MouseButton::Right);
        if (odd == 0) pointer_.Release(px, py, MouseButton::Right, Held(b), true);
        if (odd == 1) pointer_.DoubleClick(px, py);
        if (odd == 2) pointer_.Move(px, py, Held(MouseButton::Right));
        const int w = s().CardWidth, h = s().CardHeight;
        float tx = table_.left(t) + (to ? Int(1, w - 1) : Int(0, 2) % 2 * w + Int(0, 1)),
              ty = table_.top(t) + (to ? Int(1, h - 1) : Int(0, 2) % 2 * h + Int(0, 1));
        for (int i = 0; !to && Chance(0.5) && i < 9 && (!i || pointer_.PictureAt(tx, ty)); ++i)
            tx = Real(0, s().WindowWidth), ty = Real(0, s().WindowHeight);
        pointer_.Move(tx + gx, ty + gy, Held(b));
        pointer_.Release(tx + gx, ty + gy, b, 0, !Chance(0.05));
        moves += s().PileOf[c] != from;
    }
    void DoubleClick() {
        const int card = Chance(0.7) ? TopCard(s(), Int(1, 16)) : Int(1, 52),
                  from = s().PileOf[card];
        const auto [x, y] = PointIn(card);
        pointer_.DoubleClick(x, y);
        moves += s().PileOf[card] != from;
    }
    // A card of the columns and cells the engine lets be lifted, and a pile it says
    // takes that card's group; (a random card, 0) when there is none.
    std::pair<int, int> AnyLegalMove() {
        legal_.clear();
        for (int c = 1; c <= 52; ++c) {
            const int from = s().PileOf[c];
            if (from > 16 || (PickUpCards(s(), c), s().MovingCards[0] < 1)) continue;
            for (int t = 1; t <= 20; ++t)
                if (t != from && (TestMove(s(), c, t), s().MoveStatus == Yes))
                    legal_.push_back({c, t});
        }
        s().MovingCards[0] = -1;
        return legal_.empty() ? std::pair{Int(1, 52), 0} : legal_[Int(0, int(legal_.size()) - 1)];
    }
    // A point in the part of a card that shows: its top strip, a fan step deep.
    std::pair<float, float> PointIn(int card) {
        return {table_.left(card) + Int(1, s().CardWidth - 1),
                table_.top(card) + Int(1, s().FanStep - 1)};
    }

    GameState& s() { return game_.state(); }
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    float Real(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng_); }
    bool Chance(double p) { return Real(0, 1) < p; }

    PictureTable table_;
    Game game_;
    TablePointer pointer_{game_, table_};
    TableCommands commands_{game_, *this};
    std::mt19937_64 rng_;
    bool sizeOn_ = true;
    std::vector<std::pair<int, int>> legal_; // card, pile
};

// Ten seeded sessions of 10,000 actions each.
void EngineActions(benchmark::State& state) {
    long actions = 0, moves = 0, games = 0;
    for (auto _ : state) {
        for (std::uint64_t seed = 1; seed <= 10; ++seed) {
            RandomPlayer player(seed);
            for (int i = 0; i < 10000; ++i) player.Step();
            actions += 10000, moves += player.moves, games += player.gameOvers;
        }
    }
    state.counters["actions_per_second"] =
        benchmark::Counter(double(actions), benchmark::Counter::kIsRate);
    state.counters["moves"] = double(moves);
    state.counters["game_overs"] = double(games);
}
BENCHMARK(EngineActions)->Iterations(1)->Unit(benchmark::kSecond);

// One new deal's shuffle (10 x 52 exchanges, the clock mixed in before every draw), for
// reading the figure above: every new deal has one.
void ShuffleOneDeck(benchmark::State& state) {
    zarn::GameState s;
    zarn::RandomSource random(1);
    random.timeOfDay = [] { return 43200.0f; };
    for (auto _ : state) {
        zarn::ShuffleDeck(s, random);
        benchmark::DoNotOptimize(s.Deck[1]);
    }
}
BENCHMARK(ShuffleOneDeck)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
