// The mouse on the real window: one row per guard of the pointer, each on the same table
// laid out by hand, driven by real mouse events.
#include "WindowTest.h"

#include <QMouseEvent>

namespace zarn::test {
namespace {

const int C1 = Card(1, 'C'), C5 = Card(5, 'C'), D1 = Card(1, 'D'), D8 = Card(8, 'D');
const int H9 = Card(9, 'H'), H10 = Card(10, 'H'), S13 = Card(13, 'S');

class Pointer : public WindowTest {
public:
    PileCards before;
    void prepare() {
        start();
        fastGlides();
        trigger(&GameMenuActions::autoMove); // off: only what a row does moves
        PileCards p;
        p[1] = {H9};
        p[2] = {C1, C5}; // a covered ace
        p[3] = {D8};
        p[4] = {D1};
        p[5] = {H10};
        arrange(p, {6}); // column 6 reaches below the table
        before = allPiles();
    }
    QPoint bare() { return px(7000, 3400); }
    QPoint overPile(int pile) {
        return pixelIn(TopCard(s(), pile), 90, 90) - pixelIn(H9, 0, 0) + grabPoint(H9);
    }
    void lift(int card, QPoint to) {
        QTest::mousePress(table(), Qt::LeftButton, Qt::NoModifier, grabPoint(card));
        QTest::mouseMove(table(), to);
    }
    void rightPress(QPoint at) {
        QTest::mousePress(table(), Qt::RightButton, Qt::NoModifier, at);
        QTest::mouseRelease(table(), Qt::RightButton, Qt::NoModifier, at);
    }
};

struct Row {
    const char* name;
    std::function<void(Pointer&)> run;
};

TEST_F(Pointer, EveryGuardOfTheMouse) {
    const Row rows[] = {
        {"lift and drop by the rules; the hand shows while cards hang",
         [](Pointer& t) {
             t.lift(H9, t.overPile(5));
             EXPECT_EQ(t.table()->cursor().shape(), Qt::BitmapCursor);
             QTest::mouseRelease(t.table(), Qt::LeftButton, Qt::NoModifier, t.overPile(5));
             EXPECT_EQ(t.table()->cursor().shape(), Qt::ArrowCursor);
             EXPECT_EQ(t.cards(5), (std::vector<int>{H10, H9}));
             t.drag(S13, 1); // a king onto the empty column, the pointer over its marker
             EXPECT_EQ(t.cards(1), std::vector<int>{S13});
             t.before = t.allPiles();
             t.drag(D8, 1); // not a king
             t.lift(D8, t.bare());
             QTest::mouseRelease(t.table(), Qt::LeftButton, Qt::NoModifier, t.bare());
         }},
        {"a release outside the window, or one the window never saw, puts the cards back",
         [](Pointer& t) {
             t.lift(H9, t.overPile(5));
             const QPoint below(t.grabPoint(S13).x(), t.table()->height() + 3); // over column 6
             QTest::mouseRelease(t.table(), Qt::LeftButton, Qt::NoModifier, below);
             t.lift(H9, t.overPile(5));
             QMouseEvent moved(QEvent::MouseMove, t.overPile(5),
                               t.table()->mapToGlobal(t.overPile(5)), Qt::NoButton, Qt::NoButton,
                               Qt::NoModifier);
             QApplication::sendEvent(t.table(), &moved);
             EXPECT_TRUE(t.atHome(H9));
             QTest::mouseRelease(t.table(), Qt::LeftButton, Qt::NoModifier, t.overPile(5));
         }},
        {"a deactivation mid-drag puts the cards back; the release then drops nothing",
         [](Pointer& t) {
             t.lift(H9, t.overPile(5));
             QEvent deactivate(QEvent::WindowDeactivate);
             QApplication::sendEvent(t.table(), &deactivate);
             EXPECT_TRUE(t.atHome(H9));
             QTest::mouseRelease(t.table(), Qt::LeftButton, Qt::NoModifier, t.overPile(5));
             t.lift(H9, t.overPile(5));
             t.window->hide();
             t.window->show();
             EXPECT_TRUE(t.atHome(H9));
         }},
        {"a second button neither lifts nor drops; the drag's own button drops",
         [](Pointer& t) {
             t.lift(H9, t.overPile(5));
             t.rightPress(t.grabPoint(D1)); // would send the ace home
             QTest::mouseDClick(t.table(), Qt::RightButton, Qt::NoModifier, t.grabPoint(D1));
             EXPECT_FALSE(t.atHome(H9));
             EXPECT_EQ(t.cards(4), std::vector<int>{D1});
             QTest::mouseRelease(t.table(), Qt::LeftButton, Qt::NoModifier, t.overPile(5));
             EXPECT_EQ(t.cards(5), (std::vector<int>{H10, H9}));
             t.before = t.allPiles();
         }},
        {"a covered ace shows on top while the button is held, over its own picture too, "
         "and hides under a passing pointer after a release never seen",
         [](Pointer& t) {
             const int reveal = RevealFirst;
             QTest::mousePress(t.table(), Qt::LeftButton, Qt::NoModifier, t.grabPoint(C1));
             EXPECT_TRUE(t.table()->isVisible(reveal));
             const auto& order = t.table()->pictures().drawingOrder();
             EXPECT_EQ(order.back(), reveal) << "drawn above the cards covering it";
             QTest::mouseMove(t.table(), t.pixelIn(C1, 400, 700));
             EXPECT_TRUE(t.table()->isVisible(reveal));
             QTest::mouseRelease(t.table(), Qt::LeftButton, Qt::NoModifier,
                                 t.pixelIn(C1, 400, 700));
             EXPECT_FALSE(t.table()->isVisible(reveal));
             // A release the window never saw: the pointer passing over the ace hides it.
             QTest::mousePress(t.table(), Qt::LeftButton, Qt::NoModifier, t.grabPoint(C1));
             QMouseEvent moved(QEvent::MouseMove, t.grabPoint(C1),
                               t.table()->mapToGlobal(t.grabPoint(C1)), Qt::NoButton, Qt::NoButton,
                               Qt::NoModifier);
             QApplication::sendEvent(t.table(), &moved);
             EXPECT_FALSE(t.table()->isVisible(reveal));
             QTest::mouseRelease(t.table(), Qt::LeftButton, Qt::NoModifier, t.grabPoint(C1));
         }},
        {"a right press on the bare table steps the background, on a card it does not",
         [](Pointer& t) {
             t.rightPress(t.bare());
             EXPECT_EQ(t.s().BackgroundIndex, 1);
             t.rightPress(t.grabPoint(D8));
             QTest::mouseClick(t.table(), Qt::LeftButton, Qt::NoModifier, t.bare());
             EXPECT_EQ(t.s().BackgroundIndex, 1);
             for (int i = 2; i <= MaxBackgroundIndex; ++i) t.rightPress(t.bare());
             EXPECT_EQ(t.s().BackgroundIndex, MaxBackgroundIndex);
             t.rightPress(t.bare());
             EXPECT_EQ(t.s().BackgroundIndex, 0) << "the plain table after the last tile";
         }},
        {"a point exactly on a card's edge, in pixels, is not on the card",
         [](Pointer& t) {
             t.table()->move(D8, 1500, 7500); // on whole pixels
             const int b = t.s().BackgroundIndex;
             t.rightPress(t.px(1500, 7600)); // on the left edge
             t.rightPress(t.px(1600, 7500)); // on the top edge
             EXPECT_EQ(t.s().BackgroundIndex, b + 2);
             t.rightPress(t.px(1515, 7515)); // a pixel inside
             EXPECT_EQ(t.s().BackgroundIndex, b + 2);
             t.table()->move(D8, t.s().CardHomeX[D8], t.s().CardHomeY[D8]);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        prepare();
        row.run(*this);
        EXPECT_FALSE(window->pointer().dragging());
        EXPECT_EQ(allPiles(), before);
        expectWhole();
    }
}

} // namespace
} // namespace zarn::test
