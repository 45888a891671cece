#pragma once
// Seeded random sessions played as the window plays them: presses, drags, releases and
// double-clicks through TablePointer on a PictureTable, and the Game menu's table
// commands through TableCommands. A small model of the rules, written apart from the
// engine's, predicts every action; after each one the piles, the pictures and the
// history's length are compared with it, and so are the engine's verdicts on every group
// a press could lift, against every pile. AutoMove stays off: the golden scripts show the
// sweep.

#include "game/Game.h"
#include "game/PictureTable.h"
#include "game/Rules.h"
#include "play/TableCommands.h"
#include "play/TablePointer.h"
#include "table/CardMetrics.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

namespace zarn::test {

enum Stat { Moves, Undos, GameOvers, QueenRunsOff, Stats };

class Session : public GameHost {
public:
    explicit Session(std::uint64_t seed) : game_(table_, *this, RandomSource(seed)), rng_(seed) {
        game_.random().timeOfDay = [] { return 43200.0f; }; // repeatable deals
        game_.ToggleAutoMove();
        ApplyCardScale(s(), DefaultScale, SizeOccasion::StartUp);
        table_.move(0, OriginFor(s()).x, OriginFor(s()).y);
        Command("deal", commands_.DealAgain());
        Verdicts();
    }
    // One random action and the checks after it; false once a check has failed.
    bool Step() {
        ++actions, over_ = expectOver_ = 0;
        const int r = Int(0, 19);
        r < 10              ? Drag(r < 5)
        : r < 13            ? DoubleClick()
        : r < 16            ? Command("undo", commands_.UndoLastMove())
        : r < 17            ? Command("deal", commands_.DealAgain())
        : r < 18            ? Command("reset", commands_.ResetPositions())
        : r < 19 && sizeOn_ ? Command("size", commands_.ChangeCardSize(Chance(0.5)))
                            : (action_ = "speed", void(s().Speed = SpeedFor(Int(1, 4))));
        if (over_ != expectOver_) Fail("the game-over question came wrongly");
        if (over_) Command("deal", true); // Yes to "another game ?" deals afresh
        Check();
        Verdicts();
        return failure.empty();
    }
    long actions = 0;
    std::array<long, Stats> stats{};
    std::string failure;

    void processEvents() override {}
    bool showGameOver(bool won) override {
        over_ = won ? 2 : 1, ++stats[GameOvers];
        return true;
    }
    void setSizeCommandsEnabled(bool enabled) override { sizeOn_ = enabled; }
    void layOutDeal() override { commands_.LayOut(); }

private:
    using Group = std::vector<int>;         // cards lying on each other, bottom first
    using Position = std::array<Group, 21>; // the cards of piles 1..20

    // The rules. A pile's top is 0 when it is empty.
    static int Rank(int c) { return (c - 1) % 13 + 1; }
    static bool Follows(int a, int b, int d) { return (a - 1) / 13 == (b - 1) / 13 && a == b + d; }
    static bool OnColumn(int top, int c) { return top ? Follows(top, c, 1) : Rank(c) == 13; }
    static bool OnFoundation(int top, int c) { return top ? Follows(top, c, -1) : Rank(c) == 1; }
    static bool Descends(const Group& g) {
        for (size_t i = 1; i < g.size(); ++i)
            if (Rank(g[i - 1]) != Rank(g[i]) + 1) return false;
        return true;
    }
    int Top(int q) const { return pos_[q].empty() ? 0 : pos_[q].back(); }
    int EmptyCells() const { return int(std::count(&pos_[9], &pos_[17], Group())); }
    bool Fits(const Group& g, int q) const {
        if (q > 16) return g.size() == 1 && OnFoundation(Top(q), g[0]);
        if (q > 8) return !Top(q) && (g.size() == 1 || EmptyCells() >= int(g.size()));
        return (g.size() == 1 || Descends(g)) && OnColumn(Top(q), g[0]);
    }
    bool Liftable(const Group& g) const {
        const int n = int(g.size()), e = EmptyCells();
        bool column = false;
        for (int q = 1; q <= 8; ++q) column = column || OnColumn(Top(q), g[0]);
        return n == 1 || e >= n || (Descends(g) && e >= n - 1 && column);
    }
    // A move by the player, kept for undo unless it goes to a foundation, which empties
    // the history. A group dropped on an empty cell is spread over the empty cells, the
    // lowest first after that one. Then the end check.
    void Move(const Group& g, int from, int to) {
        ++stats[Moves], to > 16 ? history_.clear() : history_.push_back(pos_);
        const bool spread = g.size() > 1 && to > 8 && pos_[to].empty();
        pos_[from].resize(pos_[from].size() - g.size());
        for (int c : g) // the first empty cell, when there is one, from the second card on
            pos_[to].push_back(c),
                to = spread ? int(std::find(&pos_[9], &pos_[17], Group()) - &pos_[0]) : to;
        const size_t home = pos_[17].size() + pos_[18].size() + pos_[19].size() + pos_[20].size();
        for (int q = 1; q <= 16 && home < 52; ++q)
            for (int t = 1; t <= 20 && Top(q); ++t)
                if (t != q && Fits({Top(q)}, t)) return;
        expectOver_ = home == 52 ? 2 : 1;
    }

    // A drag of a random card (often one that leads an ordered run) into a pile that
    // takes it, over the bare table, or onto an edge of a picture or just inside it.
    void Drag(bool legal) {
        int c = !runs_.empty() && Chance(0.5) ? runs_[Int(0, int(runs_.size()) - 1)] : AnyCard();
        int t = Int(1, 72), kind = legal && !legal_.empty() ? 0 : Int(1, 2), w = s().CardWidth;
        if (kind == 0) std::tie(c, t) = legal_[Int(0, int(legal_.size()) - 1)];
        if (kind == 0) t = Top(t) ? Top(t) : MarkerOf(t);
        const int h = s().CardHeight, dx = kind ? Int(0, 2) % 2 * w + Int(0, 1) : Int(1, w - 1);
        float tx = table_.left(t) + dx,
              ty = table_.top(t) + (kind ? Int(0, 2) % 2 * h + Int(0, 1) : Int(1, h - 1));
        for (int i = 0; kind == 1 && i < 9 && (!i || PileAt(tx, ty)); ++i)
            tx = Real(0, s().WindowWidth), ty = Real(0, s().WindowHeight);
        action_ = "drag " + std::to_string(c);
        const auto [q, k] = Where(c);
        const Group g(pos_[q].begin() + k, pos_[q].end());
        const auto [px, py] = PointIn(c);
        const float gx = px - table_.left(c), gy = py - table_.top(c);
        const MouseButton b = Chance(0.8) ? MouseButton::Left : MouseButton::Middle;
        pointer_.Press(px, py, b);
        // A press on a covered ace shows it (the golden scripts see that) and lifts nothing.
        const bool ace = q <= 16 && Rank(c) == 1 && c != Top(q);
        if (pointer_.dragging() != (!ace && q <= 16 && Liftable(g)))
            Fail("the press lifted wrongly");
        if (!pointer_.dragging()) return pointer_.Release(px, py, b, 0, true);
        pointer_.Move(Real(0, s().WindowWidth), Real(0, s().WindowHeight), Held(b));
        // Another button pressed and let go, a double-click, or the drag's button let go
        // somewhere else: only the last ends the drag.
        const int odd = Int(0, 19);
        const MouseButton other = MouseButton::Right;
        if (odd == 0) pointer_.Press(px, py, other), pointer_.Release(px, py, other, Held(b), true);
        if (odd == 1) pointer_.DoubleClick(px, py);
        if (odd == 2) pointer_.Move(px, py, Held(other));
        if (pointer_.dragging() != (odd != 2)) return Fail("the drag did not keep to its button");
        pointer_.Move(tx + gx, ty + gy, Held(b));
        const float cx = table_.left(c), cy = table_.top(c);
        if (odd != 2 && std::hypot(cx - tx, cy - ty) > 0.01f) Fail("the corner is off the pointer");
        const bool onTable = !Chance(0.05);
        const int to = odd == 2 || !onTable ? -1 : PileAt(cx, cy);
        stats[QueenRunsOff] += to == 0 && g.size() > 1 && g[0] == 51 && Descends(g);
        if (to > 0 && to != q && Fits(g, to)) Move(g, q, to);
        pointer_.Release(tx + gx, ty + gy, b, 0, onTable);
    }
    // A top card goes to the first foundation that takes it, else to the first other
    // column that does.
    void DoubleClick() {
        const int c = Chance(0.7) ? Top(Where(AnyCard()).first) : AnyCard();
        const auto [q, k] = Where(c);
        const auto [x, y] = PointIn(c);
        int to = 0; // piles 17..20, then 1..8
        for (int t = 17; t != 9 && c == Top(q) && !to; t = t % 20 + 1)
            if (t != q && Fits({c}, t)) to = t;
        if (to) Move({c}, q, to);
        action_ = "dblclick " + std::to_string(c);
        pointer_.DoubleClick(x, y);
    }
    void Command(const char* name, bool ran) {
        action_ = name;
        if (!ran) Fail("the command did not run");
        if (action_ == "reset" || action_ == "size") pos_ = dealt_, history_.clear();
        if (action_ == "undo" && !history_.empty())
            pos_ = history_.back(), history_.pop_back(), ++stats[Undos];
        if (action_ != "deal") return;
        pos_ = {}, history_.clear(); // four cards to the cells, six to each column
        for (int i = 1; i <= 52; ++i) pos_[i <= 4 ? 8 + i : 1 + (i - 5) / 6].push_back(s().Deck[i]);
        dealt_ = pos_;
        const std::set<int> deck(&s().Deck[1], &s().Deck[53]);
        if (deck.size() != 52 || *deck.begin() != 1 || *deck.rbegin() != 52) Fail("no deck");
    }

    // Where a card lies; a point in the part of it that shows; any card not under
    // another on a foundation.
    std::pair<int, int> Where(int c) const {
        for (int q = 1; q <= 20; ++q)
            for (int k = 0; k < int(pos_[q].size()); ++k)
                if (pos_[q][k] == c) return {q, k};
        return {0, 0};
    }
    std::pair<float, float> PointIn(int c) {
        const auto [q, k] = Where(c);
        const float h = c == Top(q) ? s().CardHeight : table_.top(pos_[q][k + 1]) - table_.top(c);
        return {table_.left(c) + Int(1, s().CardWidth - 1), table_.top(c) + Int(1, int(h) - 1)};
    }
    int AnyCard() {
        const int c = Int(1, 52), q = Where(c).first;
        return q > 16 ? Top(q) : c;
    }
    // The pile whose card, or empty pile's marker, holds the point (edges excluded): a
    // later pile wins, an empty pile's marker ends the search. 0 for none.
    int PileAt(float x, float y) {
        const auto in = [&](int i) {
            return table_.left(i) < x && x < table_.left(i) + s().CardWidth && table_.top(i) < y &&
                   y < table_.top(i) + s().CardHeight;
        };
        int hit = 0;
        for (int q = 1; q <= 20; ++q) {
            if (pos_[q].empty() && in(MarkerOf(q))) return q;
            for (int c : pos_[q]) hit = in(c) ? q : hit;
        }
        return hit;
    }
    // The engine's piles against the model's, field by field; each card where PileOf says,
    // at its home, on its pile's marker (down a column, below the card under it) and drawn
    // in front of the card under it; the foundations' counts; nothing left lifted or shown.
    void Check() {
        std::array<int, PictureCount> drawn{};
        for (int i = 0; int p : table_.drawingOrder()) drawn[p] = i++;
        const auto &x = s().CardHomeX, &y = s().CardHomeY;
        for (int q = 0; q <= 20; ++q) {
            std::string pile;
            for (size_t k = 0, m = MarkerOf(q); k < pos_[q].size(); ++k) {
                const int c = pos_[q][k], under = k ? pos_[q][k - 1] : int(m);
                pile += (c < 10 ? "  " : " ") + std::to_string(c) + ",";
                if (s().PileOf[c] != q || !table_.isVisible(c) || drawn[c] < drawn[under] ||
                    std::fabs(table_.left(c) - x[c]) > 0.5f ||
                    std::fabs(table_.top(c) - y[c]) > 0.5f || x[c] != x[m] ||
                    (q > 8 || !k ? y[c] != y[under] : y[c] <= y[under]))
                    Fail("card " + std::to_string(c) + " is out of place");
            }
            if (s().Piles[q] != pile) Fail("pile " + std::to_string(q) + " differs");
            if (q > 16 && s().PileCount[q] != int(pos_[q].size())) Fail("a foundation's count");
        }
        for (int r = RevealFirst; r < PictureCount; ++r)
            if (table_.isVisible(r)) Fail("an ace is still shown");
        if (s().MovingCards[0] != -1 || s().Busy != No || pointer_.dragging() ||
            game_.AutomaticPlayRunning())
            Fail("the game is not at rest");
        if (s().MovesList.size() != 3 * history_.size()) Fail("the history is too long or short");
    }
    // Every group a press could lift and every pile it might go to: the engine's verdicts
    // against the model's. The player picks legal moves and ordered runs from these.
    void Verdicts() {
        legal_.clear(), runs_.clear();
        const auto& moving = s().MovingCards;
        for (int q = 1; q <= 16; ++q)
            for (size_t k = 0; k < pos_[q].size(); ++k) {
                const Group g(pos_[q].begin() + long(k), pos_[q].end());
                const bool lift = Liftable(g);
                if (lift && g.size() > 1 && Descends(g)) runs_.push_back(g[0]);
                PickUpCards(s(), g[0]);
                const Group lifted(&moving[1], &moving[1 + std::max<int>(0, moving[0])]);
                if (lifted != (lift ? g : Group())) Fail("a lift's verdict");
                for (int t = 1; t <= 20 && lift; ++t) {
                    TestMove(s(), g[0], t);
                    if ((s().MoveStatus == Yes) != Fits(g, t)) Fail("a move's verdict");
                    if (Fits(g, t) && t != q) legal_.push_back({g[0], t});
                }
            }
        s().MovingCards[0] = -1;
    }

    GameState& s() { return game_.state(); }
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    float Real(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng_); }
    bool Chance(double p) { return Real(0, 1) < p; }
    void Fail(const std::string& what) {
        if (failure.empty()) failure = std::to_string(actions) + ", " + action_ + ": " + what;
    }

    PictureTable table_;
    Game game_;
    TablePointer pointer_{game_, table_};
    TableCommands commands_{game_, *this};
    std::mt19937_64 rng_;
    bool sizeOn_ = true;
    Position pos_, dealt_;                   // the model's piles, and as they were dealt
    std::vector<Position> history_;          // the position before each move the history holds
    std::vector<std::pair<int, int>> legal_; // card, pile
    std::vector<int> runs_;                  // the cards that lift an ordered run
    std::string action_;
    int over_ = 0, expectOver_ = 0; // game over: 1 blocked, 2 won
};

} // namespace zarn::test
