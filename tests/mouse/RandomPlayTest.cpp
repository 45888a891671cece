// A restless player: thousands of seeded mouse actions on the real window (presses with
// every button, drags to piles and to anywhere, double-clicks, right-clicks on cards and
// on the table, undo from the menu, presses while cards glide), and after each one the
// table must be whole: every card in one pile, PileOf agreeing, every picture at home.
#include "MouseTest.h"

#include <QTimer>
#include <random>
#include <sstream>
#include <tuple>

namespace zarn::test {
namespace {

class RandomPlay : public MouseTest {
protected:
    std::mt19937_64 rng{20261207};
    std::string doing;
    long moves = 0, drags = 0, sends = 0, glidesInterrupted = 0;

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng); }
    Qt::MouseButton anyButton() {
        const int b = uniform(0, 9);
        return b < 7 ? Qt::LeftButton : b < 9 ? Qt::RightButton : Qt::MiddleButton;
    }
    int anyCard() { return uniform(1, 52); }
    int topCard() {
        for (;;) {
            const int p = uniform(1, 16);
            if (!s().Piles[p].empty()) return TopCard(s(), p);
        }
    }
    QPoint anyPoint() {
        // Mostly on the table, now and then a little beyond its edges.
        return {uniform(-30, table()->width() + 30), uniform(-30, table()->height() + 30)};
    }
    QPoint barePixel() {
        for (int i = 0; i < 200; ++i) {
            const QPoint p(uniform(0, table()->width() - 1), uniform(0, table()->height() - 1));
            if (table()->PictureAt(float(p.x()) * tpp(), float(p.y()) * tpp()) == 0) return p;
        }
        return {1, 1};
    }

    // Where the pictures lay when the button went down.
    std::array<QPointF, 53> pressedAt{};

    // While a group hangs from the pointer: the pressed card leads, the others hang below
    // it, either in the shape they had in their pile or fanned FanStep apart, and every
    // other card and marker rests at home.
    std::string dragProblem() {
        const GameState& st = s();
        const int n = st.MovingCards[0];
        if (n < 1) return "no group lifted";
        const int lead = st.MovingCards[1];
        if (lead != st.DragCard) return "the pressed card does not lead";
        std::vector<bool> lifted(53, false);
        bool asTheyLay = true, fanned = true;
        const QPointF leadAt(table()->left(lead), table()->top(lead));
        for (int i = 1; i <= n; ++i) {
            const int c = st.MovingCards[i];
            lifted[c] = true;
            if (st.PileOf[c] != st.PileOf[lead]) return "a group from two piles";
            const QPointF now = QPointF(table()->left(c), table()->top(c)) - leadAt;
            const QPointF before = pressedAt[c] - pressedAt[lead];
            asTheyLay = asTheyLay && (now - before).manhattanLength() < 0.05;
            fanned = fanned && now.x() == 0 && std::abs(now.y() - (i - 1) * st.FanStep) < 0.05;
        }
        if (!asTheyLay && !fanned) return "the group lost its shape" + dump();
        for (int i = 1; i <= 72; ++i)
            if ((i > 52 || !lifted[i]) && !atHome(i))
                return "picture " + std::to_string(i) + " left home during a drag";
        return {};
    }

    std::string dump() {
        std::ostringstream o;
        const GameState& st = s();
        o << " [pile " << st.PileOf[st.MovingCards[1]] << ":";
        for (int i = 1; i <= st.MovingCards[0]; ++i) {
            const int c = st.MovingCards[i];
            o << " " << c << "@" << table()->left(c) << "," << table()->top(c) << " home "
              << st.CardHomeX[c] << "," << st.CardHomeY[c];
        }
        o << "]";
        return o.str();
    }
    void drag(int card, const std::vector<QPoint>& path, Qt::MouseButton button) {
        const QPoint from = grabPoint(card);
        pressedAt = positions();
        pressAt(from, button);
        const bool lifted = window->game().Dragging();
        for (const QPoint& p : path) {
            moveTo(p);
            if (lifted && window->game().Dragging()) {
                const std::string problem = dragProblem();
                if (!problem.empty()) ADD_FAILURE() << doing << ": " << problem;
            }
        }
        if (lifted) ++drags;
        releaseAt(path.empty() ? from : path.back(), button);
    }

    // Where a single top card may go, as a player who knows the rules sees it.
    std::vector<int> placesFor(int card) {
        const GameState& st = s();
        const int rank = (card - 1) % 13 + 1, suit = (card - 1) / 13;
        std::vector<int> out;
        for (int p = 1; p <= 20; ++p) {
            if (p == st.PileOf[card]) continue;
            const int top = TopCard(st, p);
            const bool empty = top > 52;
            const int topRank = (top - 1) % 13 + 1, topSuit = (top - 1) / 13;
            if ((IsCell(p) && empty) ||
                (IsColumn(p) && (empty ? rank == 13 : topSuit == suit && topRank == rank + 1)) ||
                (IsFoundation(p) && (empty ? rank == 1 : topSuit == suit && topRank == rank - 1)))
                out.push_back(p);
        }
        return out;
    }
    // A top card with somewhere to go, or any top card.
    std::pair<int, int> aMove(bool foundationOnly) {
        for (int tries = 0; tries < 40; ++tries) {
            const int card = topCard();
            std::vector<int> places = placesFor(card);
            if (foundationOnly) std::erase_if(places, [](int p) { return !IsFoundation(p); });
            if (!places.empty() && !IsFoundation(s().PileOf[card]))
                return {card, places[std::size_t(uniform(0, int(places.size()) - 1))]};
        }
        return {topCard(), uniform(1, 20)};
    }

    void dragToAPile() {
        int card = chance(0.7) ? topCard() : anyCard();
        int pile = uniform(1, 20);
        if (chance(0.4)) std::tie(card, pile) = aMove(false);
        doing = "drag " + std::to_string(card) + " to pile " + std::to_string(pile);
        const int target = TopCard(s(), pile);
        const QPoint delta =
            pixelIn(target, float(uniform(1, 400)), float(uniform(1, 400))) - pixelIn(card, 0, 0);
        const QPoint from = grabPoint(card);
        drag(card, {from + delta / 3, from + delta * 2 / 3, from + delta}, Qt::LeftButton);
    }
    void dragAnywhere() {
        const int card = anyCard();
        std::vector<QPoint> path;
        for (int i = uniform(0, 4); i > 0; --i) path.push_back(anyPoint());
        doing =
            "drag " + std::to_string(card) + " through " + std::to_string(path.size()) + " points";
        drag(card, path, chance(0.9) ? Qt::LeftButton : Qt::MiddleButton);
    }
    // Two buttons at once: while one carries cards, another is pressed and let go on a
    // card, perhaps as a double-click, before the first comes up.
    void fumble() {
        int card = topCard(), pile = 0;
        std::tie(card, pile) = aMove(false);
        const Qt::MouseButton first = chance(0.8) ? Qt::LeftButton : Qt::MiddleButton;
        const Qt::MouseButton second = chance(0.6)               ? Qt::RightButton
                                       : first == Qt::LeftButton ? Qt::MiddleButton
                                                                 : Qt::LeftButton;
        const int other = chance(0.6) ? aMove(true).first : anyCard();
        doing = "fumble with " + std::to_string(card) + " and " + std::to_string(other);
        const QPoint from = grabPoint(card);
        const QPoint to = from + pixelIn(TopCard(s(), pile), 90, 90) - pixelIn(card, 0, 0);
        pressedAt = positions();
        pressAt(from, first);
        moveTo((from + to) / 2);
        if (chance(0.3)) {
            QTest::mouseDClick(table(), second, Qt::NoModifier, grabPoint(other));
        } else {
            pressAt(grabPoint(other), second);
        }
        if (window->game().Dragging()) {
            const std::string problem = dragProblem();
            if (!problem.empty()) ADD_FAILURE() << doing << ": " << problem;
        }
        moveTo(anyPoint());
        if (chance(0.5)) {
            releaseAt(to, second);
            moveTo(to);
            releaseAt(to, first);
        } else {
            moveTo(to);
            releaseAt(to, first);
            releaseAt(to, second);
        }
    }
    void pressSomewhere() {
        const QPoint p = anyPoint();
        const Qt::MouseButton b = anyButton();
        doing = "press at " + std::to_string(p.x()) + "," + std::to_string(p.y());
        pressAt(p, b);
        if (chance(0.5)) moveTo(anyPoint());
        releaseAt(p, b);
    }
    void doubleClickACard() {
        const int card = chance(0.7) ? topCard() : anyCard();
        doing = "double-click " + std::to_string(card);
        dblClick(card);
    }
    void rightClickACard() {
        const int card = chance(0.5) ? aMove(true).first : chance(0.5) ? topCard() : anyCard();
        doing = "right-click " + std::to_string(card);
        const int home =
            s().PileCount[17] + s().PileCount[18] + s().PileCount[19] + s().PileCount[20];
        click(card, Qt::RightButton);
        if (s().PileCount[17] + s().PileCount[18] + s().PileCount[19] + s().PileCount[20] > home)
            ++sends;
    }
    void rightClickTheTable() {
        doing = "right-click on the table";
        const QPoint p = barePixel();
        pressAt(p, Qt::RightButton);
        releaseAt(p, Qt::RightButton);
    }
    void menu() {
        const int pick = uniform(0, 19);
        const char* command = pick < 16   ? "Undo Last Move"
                              : pick < 17 ? "Deal Again"
                              : pick < 18 ? "Reset Positions"
                              : pick < 19 ? "AutoMove"
                                          : "Show Scores";
        doing = command;
        trigger(command);
    }
    // A send with a real glide, with mouse actions thrown in while the card travels.
    void glideWithInterruptions() {
        window->speedFrame()->setValue(uniform(3, 6));
        const bool toFoundation = chance(0.5);
        const int card = aMove(toFoundation).first;
        doing = "gliding " + std::to_string(card) + " with presses in between";
        QTimer::singleShot(0, [this] {
            if (s().Busy != Yes) return;
            ++glidesInterrupted;
            const int other = anyCard();
            const QPoint from = grabPoint(other);
            pressAt(from, anyButton());
            moveTo(anyPoint());
            releaseAt(anyPoint(), Qt::LeftButton);
            releaseAt(from, Qt::RightButton);
            releaseAt(from, Qt::MiddleButton);
            dblClick(anyCard());
        });
        if (toFoundation)
            click(card, Qt::RightButton);
        else
            dblClick(card);
        fastGlides();
    }

    void act() {
        const int pick = uniform(0, 99);
        if (pick < 30)
            dragToAPile();
        else if (pick < 45)
            dragAnywhere();
        else if (pick < 50)
            pressSomewhere();
        else if (pick < 55)
            fumble();
        else if (pick < 70)
            doubleClickACard();
        else if (pick < 80)
            rightClickACard();
        else if (pick < 83)
            rightClickTheTable();
        else if (pick < 93)
            menu();
        else
            glideWithInterruptions();
    }
};

TEST_F(RandomPlay, ThousandsOfMouseActionsLeaveTheTableWhole) {
    start(11);
    // A seeded generator and a clock that stands still make every shuffle of the
    // session repeatable.
    window->game().random() = RandomSource(11);
    window->game().random().timeOfDay = [] { return 43200.0f; };
    trigger("Deal Again");
    fastGlides();
    constexpr int Actions = 5000;
    int done = 0;
    for (; done < Actions; ++done) {
        const std::size_t history = s().MovesList.size();
        const int home =
            s().PileCount[17] + s().PileCount[18] + s().PileCount[19] + s().PileCount[20];
        act();
        QCoreApplication::processEvents();
        if (s().MovesList.size() > history ||
            s().PileCount[17] + s().PileCount[18] + s().PileCount[19] + s().PileCount[20] > home)
            ++moves;
        const std::string problem = idleProblem();
        if (!problem.empty()) {
            ADD_FAILURE() << "action " << done << " (" << doing << "): " << problem;
            break;
        }
        if (testing::Test::HasFailure()) break;
        EXPECT_EQ(rec.endProgramCalls, 0);
    }
    EXPECT_EQ(done, Actions);
    // The session really played: moves made, groups carried, games finished and dealt anew.
    EXPECT_GT(moves, Actions / 10);
    EXPECT_GT(drags, Actions / 5);
    EXPECT_GT(sends, 10);
    EXPECT_GT(glidesInterrupted, 20);
    EXPECT_GT(rec.gameOverTitles.size(), 0u);
    std::ostringstream games;
    games << rec.gameOverTitles.size() << " games over, " << moves << " moves, " << drags
          << " drags";
    RecordProperty("played", games.str());
}

} // namespace
} // namespace zarn::test
