#include "tests/game/PropertyModel.h"

#include "game/Cards.h"
#include "game/Rules.h"
#include "table/CardMetrics.h"
#include "table/Layout.h"
#include "tests/game/PileCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace zarn::test {

namespace {

// The rules again, written from the rule book and kept apart from the engine's own
// code, so that the checks do not simply repeat what they check.
int Rank(int card) {
    return (card - 1) % 13 + 1;
}
int Suit(int card) {
    return (card - 1) / 13;
}

std::string Field(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d,", n);
    return buf;
}

// The number a 4-character field holds, or -1 when it is not exactly Field(n) of 0..999.
int ParseField(const std::string& text, size_t at) {
    if (at + 4 > text.size()) return -1;
    int value = 0;
    bool digits = false;
    for (size_t i = at; i < at + 3; ++i) {
        char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            value = value * 10 + (ch - '0');
            digits = true;
        } else if (ch != ' ' || digits) {
            return -1;
        }
    }
    if (!digits || text.compare(at, 4, Field(value)) != 0) return -1;
    return value;
}

std::vector<int> Fields(const std::string& pile) {
    std::vector<int> out;
    for (size_t i = 0; i + 4 <= pile.size(); i += 4) out.push_back(ParseField(pile, i));
    return out;
}

int TopOf(const std::string& pile) {
    return pile.empty() ? 0 : ParseField(pile, pile.size() - 4);
}

int EmptyCells(const PileSnapshot& p) {
    int e = 0;
    for (int q = 9; q <= 16; ++q) e += p.piles[q].empty() ? 1 : 0;
    return e;
}

bool ColumnTakes(int top, int lead) {
    if (top == 0) return Rank(lead) == 13;
    return Suit(top) == Suit(lead) && Rank(top) == Rank(lead) + 1;
}

bool FoundationTakes(int top, int card) {
    if (top == 0) return Rank(card) == 1;
    return Suit(top) == Suit(card) && Rank(top) == Rank(card) - 1;
}

bool SingleFits(const PileSnapshot& p, int card, int pile) {
    int top = TopOf(p.piles[pile]);
    if (IsColumn(pile)) return ColumnTakes(top, card);
    if (IsCell(pile)) return top == 0;
    return FoundationTakes(top, card);
}

bool Descends(const std::vector<int>& cards) {
    for (size_t i = 1; i < cards.size(); ++i)
        if (Rank(cards[i]) != Rank(cards[i - 1]) - 1) return false;
    return true;
}

bool Liftable(const PileSnapshot& p, const std::vector<int>& cards) {
    const int n = static_cast<int>(cards.size()), e = EmptyCells(p);
    if (n == 1 || e >= n) return true;
    if (!Descends(cards) || e < n - 1) return false;
    for (int q = 1; q <= 8; ++q)
        if (ColumnTakes(TopOf(p.piles[q]), cards[0])) return true;
    return false;
}

bool GroupFits(const PileSnapshot& p, const std::vector<int>& cards, int pile) {
    if (cards.size() == 1) return SingleFits(p, cards[0], pile);
    if (IsCell(pile)) return p.piles[pile].empty() && EmptyCells(p) >= int(cards.size());
    if (IsFoundation(pile)) return false;
    return Descends(cards) && ColumnTakes(TopOf(p.piles[pile]), cards[0]);
}

// The first foundation that takes card, or 0.
int FoundationFor(const PileSnapshot& p, int card) {
    for (int q = 17; q <= 20; ++q)
        if (FoundationTakes(TopOf(p.piles[q]), card)) return q;
    return 0;
}

int HomeCount(const PileSnapshot& p) {
    int n = 0;
    for (int q = 17; q <= 20; ++q) n += static_cast<int>(p.piles[q].size() / 4);
    return n;
}

// The position a recorded move of cards from source to destination leads to.
PileSnapshot Apply(const PileSnapshot& before, const std::vector<int>& cards, int source,
                   int destination) {
    PileSnapshot after = before;
    const int n = static_cast<int>(cards.size());
    std::string& from = after.piles[source];
    from.resize(from.size() - 4 * std::min<size_t>(n, from.size() / 4));
    if (n >= 2 && IsCell(destination) && before.piles[destination].empty()) {
        int cell = destination;
        for (int c : cards) {
            after.piles[cell] = Field(c);
            after.pileOf[c] = static_cast<i16>(cell);
            for (int q = 9; q <= 16; ++q)
                if (after.piles[q].empty()) {
                    cell = q;
                    break;
                }
        }
    } else {
        for (int c : cards) {
            after.piles[destination] += Field(c);
            after.pileOf[c] = static_cast<i16>(destination);
        }
    }
    for (int q = 17; q <= 20; ++q)
        after.counts[q - 17] = static_cast<i16>(after.piles[q].size() / 4);
    return after;
}

} // namespace

PileSnapshot TakeSnapshot(const GameState& s) {
    PileSnapshot p;
    p.piles = s.Piles;
    std::copy_n(s.PileOf.begin(), 53, p.pileOf.begin());
    std::copy_n(s.PileCount.begin() + 17, 4, p.counts.begin());
    return p;
}

std::string FirstDifference(const PileSnapshot& expected, const PileSnapshot& actual) {
    for (int q = 0; q <= 20; ++q)
        if (expected.piles[q] != actual.piles[q])
            return "pile " + std::to_string(q) + " is \"" + actual.piles[q] + "\", expected \"" +
                   expected.piles[q] + "\"";
    for (int c = 1; c <= 52; ++c)
        if (expected.pileOf[c] != actual.pileOf[c])
            return "PileOf(" + std::to_string(c) + ") is " + std::to_string(actual.pileOf[c]) +
                   ", expected " + std::to_string(expected.pileOf[c]);
    for (int q = 0; q < 4; ++q)
        if (expected.counts[q] != actual.counts[q])
            return "PileCount(" + std::to_string(q + 17) + ") is " +
                   std::to_string(actual.counts[q]) + ", expected " +
                   std::to_string(expected.counts[q]);
    return "";
}

// The application around the game: it lays deals out, answers the game-over question
// and lets the session inject commands whenever the engine yields.
struct SessionHost : GameHost {
    RandomSession* session = nullptr;
    InMemorySurface* surface = nullptr;
    GameState* state = nullptr;

    void processEvents() override { session->OnProcessEvents(); }
    bool showGameOver(bool won) override { return session->OnGameOver(won); }
    void setSizeCommandsEnabled(bool enabled) override { session->sizeCommandsEnabled_ = enabled; }
    void layOutDeal() override {
        LayOutDeal(*state, *surface);
        session->sizeCommandsEnabled_ = true;
    }
};

struct RandomSession::Table {
    InMemorySurface surface;
    SessionHost host;
    Game game;
    GameState& s;

    Table(RandomSession& session, std::uint64_t seed)
        : game(surface, host, RandomSource(seed)), s(game.state()) {
        host.session = &session;
        host.surface = &surface;
        host.state = &s;
        // A fixed clock keeps the shuffles repeatable for a seed.
        game.random().timeOfDay = [] { return 43200.0f; };
        ApplyCardScale(s, DefaultScale, SizeOccasion::StartUp);
        TableOrigin origin = OriginFor(s);
        surface.move(0, origin.x, origin.y);
        s.Speed = 1;
    }
};

RandomSession::RandomSession(std::uint64_t seed, SessionOptions options)
    : seed_(seed), options_(options), rng_(seed) {
    NewTable();
}

RandomSession::~RandomSession() = default;

const GameState& RandomSession::state() const {
    return table_->s;
}

void RandomSession::NewTable() {
    table_ = std::make_unique<Table>(*this, rng_());
    table_->game.NewGame();
    undoStack_ = {TakeSnapshot(table_->s)};
    lastMoveCount_ = 0;
    abandoned_ = false;
}

int RandomSession::Uniform(int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng_);
}
float RandomSession::Real(float lo, float hi) {
    return std::uniform_real_distribution<float>(lo, hi)(rng_);
}
bool RandomSession::Chance(double p) {
    return std::uniform_real_distribution<double>(0, 1)(rng_) < p;
}
int RandomSession::EntryCount() const {
    return static_cast<int>(table_->s.MovesList.size() / 3);
}

void RandomSession::Fail(const std::string& what) {
    if (!failure_.empty()) return;
    failure_ = "seed " + std::to_string(seed_) + ", action " + std::to_string(stats_.actions) +
               " (" + action_ + "): " + what;
}

bool RandomSession::Step() {
    if (!failure_.empty()) return false;
    ++stats_.actions;
    const i16 moveCountBefore = table_->s.MoveCount;
    gameOverSeen_ = false;
    Act();
    if (abandoned_) {
        // The player answered No: the game is over for good and nothing moves any more.
        ++stats_.answeredNo;
        if (options_.check) {
            action_ += ", then No";
            if (!table_->game.Ended()) Fail("No to the game-over question did not end the game");
            CheckPiles();
            const PileSnapshot ended = TakeSnapshot(table_->s);
            if (table_->game.RunTableCommand([&] { table_->game.UndoLastMove(); }))
                Fail("an undo ran after the game was ended");
            table_->game.DoubleClick(RandomTopCard(true));
            table_->game.Press(RandomTopCard(true), MouseButton::Right, 10, 10);
            if (TakeSnapshot(table_->s) != ended) Fail("cards moved after the game was ended");
        }
        NewTable();
        return failure_.empty();
    }
    if (options_.check) {
        CheckPosition();
        CheckUndoStack();
        if (EntryCount() > 0 && table_->s.MoveCount < moveCountBefore && !gameOverSeen_)
            Fail("MoveCount went down from " + std::to_string(moveCountBefore));
    }
    lastMoveCount_ = table_->s.MoveCount;
    return failure_.empty();
}

// ---------------------------------------------------------------------------------------
// Actions

void RandomSession::Act() {
    if (HomeCount(TakeSnapshot(table_->s)) == 52) {
        // Won by a right-button send, which asks nothing: the player deals again.
        TableCommand("deal");
        return;
    }
    const int r = Uniform(0, 99);
    if (r < 28)
        DragLegal();
    else if (r < 40)
        DragToPile();
    else if (r < 44)
        DragToPoint(false);
    else if (r < 47)
        DragToPoint(true);
    else if (r < 56)
        DoubleClickAny();
    else if (r < 63)
        RightSend();
    else if (r < 67)
        RevealAce();
    else if (r < 69)
        Click();
    else if (r < 78)
        Undo(false);
    else if (r < 80)
        Undo(true);
    else if (r < 82)
        TableCommand("reset");
    else if (r < 84)
        TableCommand(Chance(0.3) ? "easy deal" : "deal");
    else if (r < 85)
        TableCommand("size");
    else if (r < 89) {
        action_ = "automove";
        ++stats_.autoMoveToggles;
        table_->game.ToggleAutoMove();
    } else if (r < 94) {
        SetSpeed();
    } else {
        action_ = "pointer over the table";
        table_->game.PointerOverPicture(Uniform(1, 76));
        table_->game.PointerOverTable();
    }
}

int RandomSession::RandomTopCard(bool anyPile) {
    // The first pile with cards from a random start: a top card of any pile (anyPile) or
    // of a column or free cell.
    const int last = anyPile ? 20 : 16, start = Uniform(0, last - 1);
    for (int i = 0; i < last; ++i) {
        const int p = 1 + (start + i) % last;
        if (!table_->s.Piles[p].empty()) return TopCard(table_->s, p);
    }
    return Uniform(1, 52);
}

void RandomSession::DragLegal() {
    GameState& s = table_->s;
    const PileSnapshot now = TakeSnapshot(s);
    // Probe a few cards for a lift that some pile accepts.
    for (int tries = 0; tries < 12; ++tries) {
        const int source = Uniform(1, 16);
        const std::vector<int> pile = Fields(now.piles[source]);
        if (pile.empty()) continue;
        const int depth = Uniform(0, std::min<int>(8, int(pile.size()) - 1));
        const std::vector<int> group(pile.end() - depth - 1, pile.end());
        // A press on a covered ace shows it instead of lifting it.
        if (!Liftable(now, group) || (depth > 0 && Rank(group[0]) == 1)) continue;
        const int start = Uniform(1, 20);
        for (int i = 0; i < 20; ++i) {
            const int target = 1 + (start + i) % 20;
            if (target == source || !GroupFits(now, group, target)) continue;
            const int top = TopCard(s, target);
            ++stats_.legalDrags;
            Drag(group[0], table_->surface.left(top) + s.CardWidth / 4.0f,
                 table_->surface.top(top) + s.CardHeight / 4.0f, false);
            action_ += " (legal)";
            if (options_.check && !gameOverSeen_ && s.PileOf[group[0]] == source)
                Fail("a legal drop to pile " + std::to_string(target) + " was refused");
            return;
        }
    }
    DragToPile();
}

void RandomSession::DragToPile() {
    GameState& s = table_->s;
    const int card = Uniform(1, 52);
    const int top = TopCard(s, Uniform(1, 20));
    Drag(card, table_->surface.left(top) + s.CardWidth / 4.0f,
         table_->surface.top(top) + s.CardHeight / 4.0f, false);
}

void RandomSession::DragToPoint(bool bareTable) {
    const GameState& s = table_->s;
    Drag(Uniform(1, 52), Real(0, s.WindowWidth), Real(0, s.WindowHeight), bareTable);
}

// Presses card inside its visible strip, carries its corner to (cornerX, cornerY) the way
// the pointer would, and releases it there: over the card (a drop on the picture) or,
// for bareTable, over the table.
void RandomSession::Drag(int card, float cornerX, float cornerY, bool bareTable) {
    GameState& s = table_->s;
    Game& game = table_->game;
    InMemorySurface& surface = table_->surface;
    ++stats_.drags;
    action_ = "drag " + std::to_string(card) + " to " + std::to_string(int(cornerX)) + "," +
              std::to_string(int(cornerY)) + (bareTable ? " over the table" : "");
    float visible = s.CardHeight;
    const std::vector<int> own = Fields(s.Piles[s.PileOf[card]]);
    for (size_t i = 0; i + 1 < own.size(); ++i)
        if (own[i] == card) visible = surface.top(own[i + 1]) - surface.top(card);
    const float gx = Real(1, s.CardWidth - 1), gy = Real(1, std::max(2.0f, visible - 1));
    game.Press(card, Chance(0.8) ? MouseButton::Left : MouseButton::Middle, gx, gy);
    if (s.MovingCards[0] < 1) {
        game.Release();
        return;
    }
    // On the way the pointer crosses the table and other pictures.
    game.DragOverTable(Real(0, s.WindowWidth), Real(0, s.WindowHeight));
    if (Chance(0.5)) game.DragOverPicture(Uniform(1, 72), Real(1, 900), Real(1, 1300));
    if (Chance(0.5)) {
        // Over the pressed card itself, which travels under the pointer.
        game.DragOverPicture(card, cornerX - surface.left(card) + gx,
                             cornerY - surface.top(card) + gy);
    } else {
        game.DragOverTable(cornerX + gx, cornerY + gy);
    }
    game.Release();
    if (bareTable) {
        game.DropOnTable();
    } else {
        // The drop goes to the picture under the pointer: the pressed card, or one of
        // the group when the drop lands on it.
        const int n = s.MovingCards[0];
        game.DropOnPicture(Chance(0.8) ? card : s.MovingCards[Uniform(1, n)]);
    }
    if (Chance(0.5)) game.PointerOverTable();
}

void RandomSession::Click() {
    const int card = Uniform(1, 52);
    action_ = "click " + std::to_string(card);
    table_->game.Press(card, MouseButton::Left, 5, 5);
    table_->game.Release();
    if (table_->s.MovingCards[0] > 0) table_->game.DropOnPicture(card);
}

void RandomSession::DoubleClickAny() {
    GameState& s = table_->s;
    const int picture = Chance(0.7) ? RandomTopCard(true) : Uniform(1, 76);
    action_ = "dblclick " + std::to_string(picture);
    ++stats_.doubleClicks;
    const PileSnapshot before = TakeSnapshot(s);
    const int own = picture <= 52 ? s.PileOf[picture] : 0;
    const bool top = picture <= 52 && TopCard(s, own) == picture;
    table_->game.DoubleClick(picture);
    if (!options_.check || !top || gameOverSeen_) return;
    // Foundation first, then the lowest column other than its own; never a free cell.
    int expected = FoundationFor(before, picture);
    for (int q = 1; q <= 8 && expected == 0; ++q)
        if (q != own && SingleFits(before, picture, q)) expected = q;
    const int now = s.PileOf[picture];
    if (expected == 0 && now != own)
        Fail("a card that fits nowhere went to pile " + std::to_string(now));
    if (IsFoundation(expected) && now != expected)
        Fail("went to pile " + std::to_string(now) + ", expected " + std::to_string(expected));
    if (IsColumn(expected) && now != expected && !IsFoundation(now))
        Fail("went to pile " + std::to_string(now) + ", expected " + std::to_string(expected));
}

void RandomSession::RightSend() {
    GameState& s = table_->s;
    const int card = Chance(0.8) ? RandomTopCard(false) : Uniform(1, 52);
    action_ = "rightclick " + std::to_string(card);
    ++stats_.rightSends;
    const PileSnapshot before = TakeSnapshot(s);
    const int own = s.PileOf[card];
    const bool top = TopCard(s, own) == card;
    table_->game.Press(card, MouseButton::Right, s.CardWidth / 2.0f, s.CardHeight / 2.0f);
    table_->game.Release();
    if (!options_.check) return;
    if (gameOverSeen_) Fail("a right-button send asked the game-over question");
    const int expected = top && !IsFoundation(own) ? FoundationFor(before, card) : 0;
    if (expected != 0 && s.PileOf[card] != expected)
        Fail("sent to pile " + std::to_string(s.PileOf[card]) + ", expected " +
             std::to_string(expected));
    if (expected == 0 && TakeSnapshot(s) != before) Fail("a send that fits nowhere moved cards");
}

void RandomSession::RevealAce() {
    GameState& s = table_->s;
    InMemorySurface& surface = table_->surface;
    int ace = 0;
    for (int i = 0, start = Uniform(0, 3); i < 4 && ace == 0; ++i) {
        int c = 1 + 13 * ((start + i) % 4);
        if (!IsFoundation(s.PileOf[c]) && TopCard(s, s.PileOf[c]) != c) ace = c;
    }
    if (ace == 0) {
        Click();
        return;
    }
    action_ = "press covered ace " + std::to_string(ace);
    ++stats_.reveals;
    const MouseButton button = static_cast<MouseButton>(Uniform(0, 2));
    table_->game.Press(ace, button, 20, 20);
    const int reveal = RevealFirst + Suit(ace);
    if (options_.check) {
        if (!surface.isVisible(reveal)) Fail("the ace-reveal picture is not shown");
        if (surface.left(reveal) != surface.left(ace) || surface.top(reveal) != surface.top(ace))
            Fail("the ace-reveal picture is not on the ace");
        if (surface.drawingOrder().back() != reveal) Fail("the ace-reveal picture is not in front");
        if (s.MovingCards[0] != -1) Fail("a press on a covered ace lifted cards");
    }
    if (Chance(0.3)) table_->game.PointerOverPicture(reveal);
    table_->game.Release();
}

void RandomSession::Undo(bool all) {
    Game& game = table_->game;
    action_ = all ? "undo to the last foundation move" : "undo";
    stats_.fullUndos += all ? 1 : 0;
    do {
        const int entries = EntryCount();
        ++stats_.undos;
        if (!game.RunTableCommand([&] { game.UndoLastMove(); }))
            Fail("undo did not run while idle");
        if (!options_.check) continue;
        const PileSnapshot now = TakeSnapshot(table_->s);
        if (entries == 0) {
            if (now != undoStack_.back()) Fail("undo with an empty history moved cards");
            continue;
        }
        if (EntryCount() != entries - 1) {
            Fail("undo left " + std::to_string(EntryCount()) + " entries of " +
                 std::to_string(entries));
            return;
        }
        undoStack_.pop_back();
        ++stats_.undoChecks;
        if (now != undoStack_.back())
            Fail("undo of entry " + std::to_string(entries) + ": " +
                 FirstDifference(undoStack_.back(), now));
        if (!table_->s.StopoverCells.empty()) Fail("undo left StopoverCells set");
    } while (all && EntryCount() > 0 && failure_.empty());
}

void RandomSession::TableCommand(const char* name) {
    Game& game = table_->game;
    GameState& s = table_->s;
    const std::string command = name;
    action_ = command;
    std::function<void()> run;
    if (command == "deal") {
        ++stats_.deals;
        run = [&] { game.NewGame(); };
    } else if (command == "easy deal") {
        // Aces in the cells and every column a run of one suit, kings at the bottom: the
        // first move lets the sweep play the whole game home.
        ++stats_.deals;
        run = [&] {
            std::array<i16, 52> order{};
            int k = 0;
            for (int suit = 0; suit < 4; ++suit) order[k++] = static_cast<i16>(13 * suit + 1);
            for (int suit = 0; suit < 4; ++suit)
                for (int rank = 13; rank >= 2; --rank)
                    order[k++] = static_cast<i16>(13 * suit + rank);
            SetDealOrder(s, order);
            table_->host.layOutDeal();
        };
    } else if (command == "reset") {
        ++stats_.resets;
        run = [&] {
            RestartDeal(s, table_->surface);
            sizeCommandsEnabled_ = true;
        };
    } else {
        if (!sizeCommandsEnabled_) {
            action_ = "size (disabled)";
            return;
        }
        ++stats_.sizeChanges;
        run = [&] {
            const bool up = Chance(0.5);
            float scale = up ? IncreasedScale(s.SizeScale) : DecreasedScale(s.SizeScale);
            ApplyCardScale(s, scale, SizeOccasion::SizeChange);
            LayOutDeal(s, table_->surface);
        };
    }
    if (!game.RunTableCommand(run)) Fail(command + " did not run while idle");
}

void RandomSession::SetSpeed() {
    static constexpr int values[] = {1, 1, 2, 3, 4};
    const int v = values[Uniform(0, 4)];
    action_ = "speed " + std::to_string(v);
    table_->s.Speed = static_cast<i16>(v * v);
}

// ---------------------------------------------------------------------------------------
// The host's side

void RandomSession::OnProcessEvents() {
    ++stats_.glideSteps;
    if (glideDepth_ > 0 || !Chance(options_.injectChance)) return;
    ++glideDepth_;
    ++stats_.injected;
    const GameState& s = table_->s;
    const PileSnapshot before = TakeSnapshot(s);
    const auto moving = s.MovingCards;
    const std::string outer = action_;
    Inject();
    if (options_.check) {
        if (TakeSnapshot(s) != before)
            Fail("injected " + action_ +
                 " changed the piles: " + FirstDifference(before, TakeSnapshot(s)));
        if (s.MovingCards[0] != moving[0] ||
            !std::equal(moving.begin() + 1, moving.begin() + 1 + std::max<int>(0, moving[0]),
                        s.MovingCards.begin() + 1))
            Fail("MovingCards changed during automatic play");
    }
    action_ = outer;
    --glideDepth_;
}

void RandomSession::Inject() {
    Game& game = table_->game;
    GameState& s = table_->s;
    const int kind = Uniform(0, 9);
    const std::string outer = action_ + ", injected ";
    auto refused = [&](const char* name, const std::function<void()>& command) {
        action_ = outer + name;
        if (game.RunTableCommand(command)) Fail(std::string(name) + " ran during automatic play");
    };
    switch (kind) {
    case 0:
        refused("undo", [&] { game.UndoLastMove(); });
        break;
    case 1:
        refused("reset", [&] { RestartDeal(s, table_->surface); });
        break;
    case 2:
        refused("deal", [&] { game.NewGame(); });
        break;
    case 3:
        refused("size", [&] {
            ApplyCardScale(s, IncreasedScale(s.SizeScale), SizeOccasion::SizeChange);
            LayOutDeal(s, table_->surface);
        });
        break;
    case 4:
        action_ = outer + "press";
        game.Press(Uniform(1, 76), MouseButton::Left, 10, 10);
        game.Release();
        break;
    case 5:
        action_ = outer + "right press";
        game.Press(RandomTopCard(false), MouseButton::Right, 10, 10);
        game.Release();
        break;
    case 6:
        action_ = outer + "dblclick";
        game.DoubleClick(Chance(0.8) ? RandomTopCard(true) : Uniform(1, 76));
        break;
    case 7:
        action_ = outer + "automove";
        game.ToggleAutoMove();
        break;
    case 8:
        action_ = outer + "pointer over a picture";
        game.PointerOverPicture(Uniform(1, 76));
        break;
    default:
        action_ = outer + "pointer over the table";
        if (options_.pointerOverTableMidGlide) game.PointerOverTable();
        break;
    }
}

bool RandomSession::OnGameOver(bool won) {
    gameOverSeen_ = true;
    ++(won ? stats_.won : stats_.blocked);
    if (options_.check) CheckGameOverPosition(won);
    if (Chance(options_.answerNoChance)) {
        abandoned_ = true;
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Checks

void RandomSession::CheckGameOverPosition(bool won) {
    const GameState& s = table_->s;
    const PileSnapshot p = TakeSnapshot(s);
    CheckPiles();
    if (s.MovingCards[0] != -1 || s.Busy != No) Fail("game over asked in the middle of a move");
    if (won != (HomeCount(p) == 52))
        Fail(std::string("game over ") + (won ? "won" : "blocked") + " with " +
             std::to_string(HomeCount(p)) + " cards home");
    if (won) return;
    for (int from = 1; from <= 16; ++from) {
        const int top = TopOf(p.piles[from]);
        for (int to = 1; to <= 20 && top > 0; ++to)
            if (to != from && SingleFits(p, top, to))
                Fail("blocked, but card " + std::to_string(top) + " fits pile " +
                     std::to_string(to));
    }
}

void RandomSession::CheckPosition() {
    const GameState& s = table_->s;
    if (s.Busy != No) Fail("Busy is set after the action");
    if (table_->game.AutomaticPlayRunning()) Fail("automatic play still runs after the action");
    if (s.MovingCards[0] != -1)
        Fail("MovingCards(0) is " + std::to_string(s.MovingCards[0]) + " while idle");
    for (int r = RevealFirst; r <= 76; ++r)
        if (table_->surface.isVisible(r))
            Fail("ace-reveal picture " + std::to_string(r) + " still shown");
    CheckPiles();
    CheckHistory();
    CheckPictures();
    CheckColumnFans();
}

void RandomSession::CheckPiles() {
    if (const std::string problem = PilesProblem(table_->s); !problem.empty()) Fail(problem);
}

void RandomSession::CheckHistory() {
    const GameState& s = table_->s;
    const auto& list = s.MovesList;
    if (list.size() % 3 != 0) {
        Fail("the history has " + std::to_string(list.size()) + " lines");
        return;
    }
    if (s.EntryStopovers.size() * 3 != list.size()) Fail("stopover cells not kept per entry");
    int previous = s.MoveCount + 1;
    for (size_t e = 0; e < list.size(); e += 3) {
        const std::string& label = list[e];
        const std::string& move = list[e + 1];
        const std::string& cards = list[e + 2];
        const std::string where = "history entry " + std::to_string(e / 3) + ": ";
        int number = 0;
        if (label.size() < 3 || label.compare(0, 2, "# ") != 0 ||
            std::sscanf(label.c_str() + 2, "%d", &number) != 1 ||
            label != "# " + std::to_string(number))
            Fail(where + "label \"" + label + "\"");
        if (number < 1 || number >= previous)
            Fail(where + "label \"" + label + "\" after " + std::to_string(previous));
        previous = number;
        const int n = ParseField(move, 0), from = ParseField(move, 4), to = ParseField(move, 8);
        if (move.size() != 12 || n < 1 || n > 9 || from < 1 || from > 20 || to < 1 || to > 16 ||
            from == to)
            Fail(where + "move line \"" + move + "\"");
        if (cards.size() != 4 * size_t(std::max(n, 0))) Fail(where + "card line \"" + cards + "\"");
        for (int c : Fields(cards))
            if (c < 1 || c > 52) Fail(where + "card line \"" + cards + "\"");
    }
}

void RandomSession::CheckPictures() {
    const GameState& s = table_->s;
    const InMemorySurface& surface = table_->surface;
    for (int i = 1; i <= 72; ++i) {
        if (!surface.isVisible(i)) Fail("picture " + std::to_string(i) + " is hidden");
        if (std::fabs(surface.left(i) - s.CardHomeX[i]) > 0.5f ||
            std::fabs(surface.top(i) - s.CardHomeY[i]) > 0.5f) {
            char buf[160];
            std::snprintf(buf, sizeof buf, "picture %d lies at %.2f,%.2f, its home is %d,%d", i,
                          surface.left(i), surface.top(i), s.CardHomeX[i], s.CardHomeY[i]);
            Fail(buf);
        }
    }
}

// Cells and foundations hold their cards on the marker; a column's first card lies on
// the marker and every further card one FanStep below the card under it, or where the
// deal put it. Within a pile, higher cards are drawn in front of lower ones.
void RandomSession::CheckColumnFans() {
    const GameState& s = table_->s;
    const InMemorySurface& surface = table_->surface;
    std::array<int, 77> rank{};
    const auto& order = surface.drawingOrder();
    for (size_t i = 0; i < order.size(); ++i) rank[order[i]] = static_cast<int>(i);
    const float fan = 0.22f * s.SizeScale;
    for (int p = 1; p <= 20; ++p) {
        const std::vector<int> cards = Fields(s.Piles[p]);
        const int marker = MarkerOf(p);
        for (size_t i = 0; i < cards.size(); ++i) {
            const int c = cards[i];
            if (c < 1 || c > 52) return;
            const std::string which = "card " + std::to_string(c) + " on pile " + std::to_string(p);
            if (std::fabs(surface.left(c) - surface.left(marker)) > 0.5f)
                Fail(which + " is off its pile");
            float expected = surface.top(marker);
            float dealt = expected;
            if (IsColumn(p) && i > 0) {
                expected = surface.top(cards[i - 1]) + s.FanStep;
                dealt = surface.top(marker) +
                        static_cast<float>(static_cast<i16>(i * s.CardHeight)) * fan;
            }
            if (std::fabs(surface.top(c) - expected) > 1.0f &&
                std::fabs(surface.top(c) - dealt) > 0.5f)
                Fail(which + " lies at top " + std::to_string(surface.top(c)) + ", expected " +
                     std::to_string(expected));
            if (i > 0 && rank[c] < rank[cards[i - 1]])
                Fail(which + " is drawn behind the card under it");
        }
    }
}

void RandomSession::CheckUndoStack() {
    const GameState& s = table_->s;
    const int entries = EntryCount();
    const PileSnapshot now = TakeSnapshot(s);
    const int known = static_cast<int>(undoStack_.size()) - 1;
    if (entries == 0) {
        if (s.MoveCount != 0 && s.MoveCount != lastMoveCount_)
            Fail("MoveCount is " + std::to_string(s.MoveCount) + " with an empty history");
        undoStack_.assign(1, now);
    } else if (entries == known) {
        if (now != undoStack_.back())
            Fail("the piles changed without a history entry: " +
                 FirstDifference(undoStack_.back(), now));
        if (s.MoveCount != lastMoveCount_) Fail("MoveCount changed without a new entry");
    } else if (entries == known + 1) {
        CheckRecordedMove(undoStack_.back(), now);
        undoStack_.push_back(now);
    } else {
        Fail("the history went from " + std::to_string(known) + " to " + std::to_string(entries) +
             " entries in one action");
    }
}

// The newest entry is a legal move from the position before, and the piles are what that
// move makes of it.
void RandomSession::CheckRecordedMove(const PileSnapshot& before, const PileSnapshot& after) {
    const GameState& s = table_->s;
    ++stats_.movesRecorded;
    if (s.MovesList[0] != "# " + std::to_string(lastMoveCount_ + 1) ||
        s.MoveCount != lastMoveCount_ + 1)
        Fail("new entry labelled \"" + s.MovesList[0] + "\" after move " +
             std::to_string(lastMoveCount_));
    const std::string& move = s.MovesList[1];
    const int n = ParseField(move, 0), from = ParseField(move, 4), to = ParseField(move, 8);
    const std::vector<int> cards = Fields(s.MovesList[2]);
    if (n < 1 || from < 1 || from > 20 || to < 1 || to > 16 || int(cards.size()) != n) return;
    const std::vector<int> pile = Fields(before.piles[from]);
    if (int(pile.size()) < n || !std::equal(cards.begin(), cards.end(), pile.end() - n)) {
        Fail("entry \"" + move + "\" \"" + s.MovesList[2] + "\" does not name the top of pile " +
             std::to_string(from) + " \"" + before.piles[from] + "\"");
        return;
    }
    if (!Liftable(before, cards) || !GroupFits(before, cards, to))
        Fail("illegal move \"" + move + "\" \"" + s.MovesList[2] + "\" was made");
    const PileSnapshot expected = Apply(before, cards, from, to);
    if (expected != after) Fail("move \"" + move + "\": " + FirstDifference(expected, after));
    const bool spread = n >= 2 && IsCell(to);
    if (spread != !s.EntryStopovers.front().empty() || (spread && s.StopoverCells.empty()) ||
        (spread && s.EntryStopovers.front() != s.StopoverCells))
        Fail("stopover cells \"" + s.StopoverCells + "\" for move \"" + move + "\"");
    if (spread && ParseField(s.StopoverCells, 0) != to)
        Fail("stopover cells do not start at " + std::to_string(to));
}

} // namespace zarn::test
