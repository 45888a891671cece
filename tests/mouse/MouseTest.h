#pragma once
// The game window played with the mouse: real mouse events on the table widget, deals
// made to order, and a look at every picture after the hand has let go.

#include "../game/PileCheck.h"
#include "../window/WindowTest.h"

#include <QMouseEvent>
#include <algorithm>
#include <initializer_list>
#include <string>

namespace zarn::test {

// A dealing order built from what should lie on top: the four cells, and for each
// column the cards that end it (bottom first). Every card not named fills the columns
// beneath the named ones, lowest number first.
struct DealSpec {
    std::array<int, 4> cells{};
    std::array<std::vector<int>, 8> columnTops;

    std::array<i16, 52> order() const {
        std::vector<bool> named(53, false);
        for (int c : cells) named[c] = true;
        for (const auto& col : columnTops)
            for (int c : col) named[c] = true;
        std::vector<int> rest;
        for (int c = 1; c <= 52; ++c)
            if (!named[c]) rest.push_back(c);
        std::array<i16, 52> out{};
        std::size_t next = 0, pos = 0;
        for (int c : cells) out[pos++] = static_cast<i16>(c);
        for (const auto& col : columnTops) {
            for (std::size_t i = col.size(); i < 6; ++i)
                out[pos++] = static_cast<i16>(rest[next++]);
            for (int c : col) out[pos++] = static_cast<i16>(c);
        }
        return out;
    }
};

class MouseTest : public WindowTest {
protected:
    // Piles laid by hand: those given, and every card not given spread beneath the given
    // cards of the columns listed in `fill`, lowest number first.
    static PileCards Spread(PileCards given, std::initializer_list<int> fill) {
        std::vector<bool> used(53, false);
        for (const auto& pile : given)
            for (int c : pile) used[c] = true;
        const std::vector<int> columns(fill);
        std::array<std::vector<int>, 21> beneath;
        std::size_t k = 0;
        for (int c = 1; c <= 52; ++c)
            if (!used[c]) beneath[columns[k++ % columns.size()]].push_back(c);
        for (int p : columns)
            given[p].insert(given[p].begin(), beneath[p].begin(), beneath[p].end());
        return given;
    }
    // Moves the pictures of a cell or foundation (its marker and its cards) and their
    // homes to another place of the table.
    void relocate(int pile, float left, float top) {
        std::vector<int> pictures = cards(pile);
        pictures.push_back(MarkerOf(pile));
        for (int i : pictures) {
            table()->move(i, left, top);
            s().CardHomeX[i] = RoundEven(left);
            s().CardHomeY[i] = RoundEven(top);
        }
        QCoreApplication::processEvents();
    }

    float tpp() { return table()->twipsPerPixel(); }
    // The pixel holding the table point (x, y) twips.
    QPoint pixelAt(float x, float y) { return QPoint(int(x / tpp()), int(y / tpp())); }

    void pressAt(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(table(), b, Qt::NoModifier, p);
    }
    // A move with the buttons that are down (QTest keeps track of them).
    void moveTo(QPoint p) { QTest::mouseMove(table(), p); }
    void releaseAt(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(table(), b, Qt::NoModifier, p);
    }
    void click(int card, Qt::MouseButton b = Qt::LeftButton) {
        const QPoint p = grabPoint(card);
        pressAt(p, b);
        releaseAt(p, b);
    }
    // A double-click as the window system hands it to a widget: the second press
    // arrives as the double-click itself.
    void dblClick(int card) {
        const QPoint p = grabPoint(card);
        pressAt(p);
        releaseAt(p);
        QTest::mouseDClick(table(), Qt::LeftButton, Qt::NoModifier, p);
        releaseAt(p);
    }
    // Presses card, carries it by `delta` pixels in a few steps and lets go.
    void dragBy(int card, QPoint delta, Qt::MouseButton b = Qt::LeftButton) {
        const QPoint from = grabPoint(card);
        pressAt(from, b);
        for (int i = 1; i <= 4; ++i) moveTo(from + delta * i / 4);
        releaseAt(from + delta, b);
    }
    // Drags card so that its corner lands just inside the top card or marker of `pile`.
    void dragToPile(int card, int pile) {
        const int target = TopCard(s(), pile);
        dragBy(card, pixelIn(target, 90, 90) - pixelIn(card, 0, 0));
    }

    // A pointer event at a sub-pixel position, as a high-resolution pointer reports it;
    // `twips` is the table point.
    void sendAt(QEvent::Type type, QPointF twips, Qt::MouseButton button,
                Qt::MouseButtons buttons) {
        const QPointF local = twips / tpp();
        QMouseEvent event(type, local, table()->mapToGlobal(local), button, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(table(), &event);
    }
    // Drags card (lying at a whole-twip position) so that its corner comes to rest at
    // exactly (x, y) twips, and lets go there.
    void dragCornerTo(int card, float x, float y) {
        const QPointF grab(table()->left(card) + float(s().CardWidth / 2),
                           table()->top(card) + 60.0f);
        const QPointF shift(x - table()->left(card), y - table()->top(card));
        sendAt(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        sendAt(QEvent::MouseMove, grab + shift / 2, Qt::NoButton, Qt::LeftButton);
        sendAt(QEvent::MouseMove, grab + shift, Qt::NoButton, Qt::LeftButton);
        sendAt(QEvent::MouseButtonRelease, grab + shift, Qt::LeftButton, Qt::NoButton);
    }
    // A move with no button down.
    void hoverAt(QPoint p) {
        QMouseEvent event(QEvent::MouseMove, QPointF(p), QPointF(table()->mapToGlobal(p)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(table(), &event);
    }

    // A point of the bare table well away from every picture, the frame round the
    // foundations, the speed panel and the score table.
    QPoint barePoint() {
        const QRect corner = QRectF(s().CornerLeft / tpp(), s().CornerTop / tpp(),
                                    s().CornerWidth / tpp(), s().CornerHeight / tpp())
                                 .toAlignedRect()
                                 .adjusted(-4, -4, 4, 4);
        for (int y = 8; y < table()->height() - 8; y += 7)
            for (int x = 8; x < table()->width() - 8; x += 7) {
                const QRect block(x - 6, y - 6, 13, 13);
                if (block.intersects(corner)) continue;
                bool bare = true;
                for (QWidget* child : table()->findChildren<QWidget*>())
                    if (child->isVisible() &&
                        child->geometry().adjusted(-4, -4, 4, 4).intersects(block))
                        bare = false;
                for (int dy = -6; dy <= 6 && bare; dy += 3)
                    for (int dx = -6; dx <= 6 && bare; dx += 3)
                        if (table()->PictureAt(float(x + dx) * tpp(), float(y + dy) * tpp()) != 0)
                            bare = false;
                if (bare) return {x, y};
            }
        ADD_FAILURE() << "no bare table";
        return {};
    }

    // The top n cards of a pile, bottom first.
    std::vector<int> lastOf(int pile, std::size_t n) {
        const std::vector<int> all = cards(pile);
        return {all.end() - std::ptrdiff_t(std::min(n, all.size())), all.end()};
    }

    // The resting places of all cards and markers.
    std::pair<std::array<i16, 73>, std::array<i16, 73>> homes() {
        return {s().CardHomeX, s().CardHomeY};
    }

    bool atHome(int picture) {
        return RoundEven(table()->left(picture)) == s().CardHomeX[picture] &&
               RoundEven(table()->top(picture)) == s().CardHomeY[picture];
    }

    // What must hold whenever the hand is off the cards: the piles sound (PilesProblem),
    // every card and marker picture where the game says it
    // rests, no group lifted and no ace revealed. An empty string when all holds.
    std::string idleProblem() {
        const GameState& st = s();
        if (std::string problem = PilesProblem(st); !problem.empty()) return problem;
        for (int c = 1; c <= 52; ++c)
            if (!table()->isVisible(c)) return "card " + std::to_string(c) + " is hidden";
        for (int i = 1; i <= 72; ++i)
            if (!atHome(i))
                return "picture " + std::to_string(i) + " is at " +
                       std::to_string(table()->left(i)) + "," + std::to_string(table()->top(i)) +
                       ", its home is " + std::to_string(st.CardHomeX[i]) + "," +
                       std::to_string(st.CardHomeY[i]);
        // A card lies at its pile's place: on the marker, or fanned below the card beneath.
        for (int p = 1; p <= 20; ++p) {
            const std::vector<int> pile = cards(p);
            for (std::size_t i = 0; i < pile.size(); ++i) {
                const int below = i == 0 ? MarkerOf(p) : pile[i - 1];
                if (st.CardHomeX[pile[i]] != st.CardHomeX[below] && IsColumn(p))
                    return "card " + std::to_string(pile[i]) + " is out of its column";
                if (!IsColumn(p) && (st.CardHomeX[pile[i]] != st.CardHomeX[MarkerOf(p)] ||
                                     st.CardHomeY[pile[i]] != st.CardHomeY[MarkerOf(p)]))
                    return "card " + std::to_string(pile[i]) + " is off its pile";
            }
        }
        if (st.MovingCards[0] != -1) return "a group is still lifted";
        if (window->game().Dragging()) return "still dragging";
        for (int r = RevealFirst; r <= 76; ++r)
            if (table()->isVisible(r)) return "ace reveal " + std::to_string(r) + " is shown";
        return {};
    }
    void expectIdle() { EXPECT_EQ(idleProblem(), "") << "after the hand let go"; }

    QImage shot(const QRect& r) { return table()->grab(r).toImage(); }
};

} // namespace zarn::test
